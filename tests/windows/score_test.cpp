// The score entry window driven as a user drives it: typing, Tab, Enter and
// the stepping keys, with a small opener window in the part of the golfer
// windows that prime it and take the round over.
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <optional>

#include "app/clock.h"
#include "store/courses.h"
#include "store/scores.h"
#include "support/qt_fixture.h"
#include "support/qt_opener.h"
#include "support/qt_prompts.h"
#include "support/qt_support.h"
#include "support/workdir.h"
#include "ui/textconv.h"
#include "windows/qmabout.h"
#include "windows/qmapp.h"
#include "windows/qmcourse.h"
#include "windows/qmscore.h"
#include "windows/qmscorecard.h"
#include "windows/qmscorefields.h"

using namespace qm;
using namespace qm::test;

namespace {

const char* kOakHill = "OAK HILL~70.5~125~72~4~4~3~5~4~4~3~5~4~4~4~3~5~4~4~3~5~4~\r\n";
const char* kMaple = "MAPLE RIDGE~71.3~128~72~4~5~3~4~4~5~3~4~4~4~4~3~5~4~4~3~5~4~\r\n";

std::string ManyCourses(int count) {
  std::string file;
  for (int i = 1; i <= count; ++i)
    file += "COURSE " + std::to_string(1000 + i) +
            "~70.0~113~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n";
  return file;
}

int Lines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Shows a real box over the active window and closes it again, as a user
// would: the window under it loses and regains the activation meanwhile.
class BoxPrompts : public ScriptedPrompts {
 public:
  void Message(const QString& text) override {
    ScriptedPrompts::Message(text);
    if (Shown.size() > 5) return;  // a loop would never end otherwise
    QWidget* under = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, under);
    box.show();
    QApplication::setActiveWindow(&box);
    box.hide();
    if (under != nullptr) QApplication::setActiveWindow(under);
  }
};

// A caller as the golfer windows are: it takes a confirmed round over when
// it becomes active again, if the round is its own.
class Opener : public ScriptedOpener {
 public:
  std::vector<TScoreRec> Rounds;

  Opener()
      : ScriptedOpener([this](QWidget* self) {
          std::optional<TakenRound> taken = Program().ScoreForm->TakeRound(self);
          if (taken) Rounds.push_back(taken->Round);
          return taken.has_value();
        }) {}
};

// A stored round as the score file gives it, at a course of the list.
TScoreRec StoredRound(const std::string& course) {
  TScoreRec round = PlaceholderScoreRec();
  round.Date = "20040501";
  round.Course = course;
  round.ScoreTotal = "90";
  round.Rating = "";
  round.Slope = "";
  round.Comment = "";
  round.AdjScore = "87";
  return round;
}

}  // namespace

class ScoreTest : public qm::test::WindowTest {
  Q_OBJECT
  std::unique_ptr<Opener> opener_;
  TScoreForm* form_ = nullptr;

  // The window as a new round's caller leaves it.
  void OpenNewRound(const QString& golfer = QStringLiteral("Pat Golfer"),
                    const QString& index = QString()) {
    QVERIFY(form_->PrimeNewRound(opener_.get(), {golfer, "PAT", index},
                                 TScoreForm::EntryValues::Fields));
  }
  void OpenStoredRound(const TScoreRec& round, const QString& index = QStringLiteral("12.0")) {
    QVERIFY(form_->PrimeStoredRound(opener_.get(), {QStringLiteral("Pat Golfer"), "PAT", index},
                                    round));
  }
  // Picks the list line with the keyboard, as the user does.
  void Pick(int line) {
    QComboBox* courses = Control<QComboBox>(form_, "CourseField");
    Focus(courses);
    courses->setCurrentIndex(-1);
    for (int i = 0; i <= line; ++i) QTest::keyClick(courses, Qt::Key_Down);
  }
  void TypeAndTab(QLineEdit* field, const QString& text) {
    TypeInto(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
  }
  QWidget* Focused() { return QApplication::focusWidget(); }

 private slots:
  void init() {
    Begin();
    WriteFile("courses.qmd", std::string(kMaple) + kOakHill);
    opener_ = std::make_unique<Opener>();
    opener_->show();
    Program().CourseForm = new TCourseForm;
    form_ = Program().ScoreForm = new TScoreForm;
  }
  void cleanup() {
    opener_.reset();
    End();
  }

  void creationLoadsTheCourseListOnce() {
    delete form_;
    std::filesystem::rename("courses.qmd", "sample.qmd");
    form_ = Program().ScoreForm = new TScoreForm;
    QVERIFY(std::filesystem::exists("courses.qmd") && !std::filesystem::exists("sample.qmd"));
    QCOMPARE(Control<QComboBox>(form_, "CourseField")->count(), 2);
    QCOMPARE(Control<QComboBox>(form_, "CourseField")->itemText(0), QStringLiteral("MAPLE RIDGE"));
    QCOMPARE(Control<QLineEdit>(form_, "DateField")->text(),
             qm::Today().toString(QStringLiteral("MM/dd/yyyy")));
    QVERIFY(prompts_->Shown.empty());
    delete form_;
    std::filesystem::remove("courses.qmd");
    form_ = Program().ScoreForm = new TScoreForm;
    QCOMPARE(prompts_->Texts(), QStringList{QStringLiteral("Error renaming sample courses file!")});
    // Activations read the file again but do not repeat the message.
    OpenNewRound();
    Activate(opener_.get());
    Activate(form_);
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
    QCOMPARE(Control<QComboBox>(form_, "CourseField")->count(), 0);
  }

  void totalOnlyThenAHoleReplacesTheTotal() {
    OpenNewRound();
    TypeAndTab(Control<QLineEdit>(form_, "Score", 1), QStringLiteral("0"));
    QCOMPARE(Focused(), Control<QLineEdit>(form_, "ScoreTotal"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreOut")->text(), QStringLiteral("0"));
    TypeInto(Control<QLineEdit>(form_, "ScoreTotal"), QStringLiteral("88"));
    // Tab goes on from the total as Enter does, to OK.
    QTest::keyClick(Control<QLineEdit>(form_, "ScoreTotal"), Qt::Key_Tab);
    QCOMPARE(Focused(), Control<QPushButton>(form_, "OKButton"));
    QCOMPARE(Control<QLineEdit>(form_, "AdjScore")->text(), QStringLiteral("88"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreDiff")->text(), QStringLiteral(" 0.0"));
    // The pick brings the course's differential at once:
    // (88 - 70.5) * 113 / 125 = 15.82.
    Pick(1);
    QCOMPARE(Control<QLineEdit>(form_, "ScoreDiff")->text(), QStringLiteral("15.8"));
    TypeAndTab(Control<QLineEdit>(form_, "Score", 2), QStringLiteral("5"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreTotal")->text(), QStringLiteral("5"));
    QCOMPARE(Control<QLineEdit>(form_, "AdjScore")->text(), QStringLiteral("5"));
    QVERIFY(prompts_->Shown.empty());
  }

  void aJumpToTheTotalSelectsIt() {
    OpenStoredRound(StoredRound("MAPLE RIDGE"));  // no hole scores, total 90
    Focus(Control<QLineEdit>(form_, "Score", 1));
    QTest::keyClick(Control<QLineEdit>(form_, "Score", 1), Qt::Key_Tab);
    QCOMPARE(Focused(), Control<QLineEdit>(form_, "ScoreTotal"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreTotal")->selectedText(), QStringLiteral("90"));
    QTest::keyClicks(Control<QLineEdit>(form_, "ScoreTotal"), QStringLiteral("88"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreTotal")->text(), QStringLiteral("88"));
  }

  void enterAndTabWithAndWithoutPutts() {
    OpenNewRound();
    Focus(Control<QLineEdit>(form_, "Score", 5));
    QTest::keyClick(Control<QLineEdit>(form_, "Score", 5), Qt::Key_Return);
    QCOMPARE(Focused(), Control<QLineEdit>(form_, "Putts", 5));
    QTest::keyClick(Control<QLineEdit>(form_, "Putts", 5), Qt::Key_Enter);
    QCOMPARE(Focused(), Control<QLineEdit>(form_, "Score", 6));
    Focus(Control<QLineEdit>(form_, "Putts", 9));
    QTest::keyClick(Control<QLineEdit>(form_, "Putts", 9), Qt::Key_Tab);
    QCOMPARE(Focused(), Control<QLineEdit>(form_, "Score", 10));

    QTest::mouseClick(Control<QCheckBox>(form_, "SkipPuttsChkBox"), Qt::LeftButton, {},
                      QPoint(8, 8));
    QVERIFY(Control<QCheckBox>(form_, "SkipPuttsChkBox")->isChecked());
    Focus(Control<QLineEdit>(form_, "Score", 5));
    QTest::keyClick(Control<QLineEdit>(form_, "Score", 5), Qt::Key_Return);
    QCOMPARE(Focused(), Control<QLineEdit>(form_, "Score", 6));
    QTest::keyClick(Control<QLineEdit>(form_, "Score", 6), Qt::Key_Tab);
    QCOMPARE(Focused(), Control<QLineEdit>(form_, "Score", 7));
    Focus(Control<QLineEdit>(form_, "Score", 18));
    QTest::keyClick(Control<QLineEdit>(form_, "Score", 18), Qt::Key_Return);
    QCOMPARE(Focused(), Control<QPushButton>(form_, "OKButton"));
    // Enter moves on and never closes the window or breaks a comment line.
    for (QWidget* field : std::initializer_list<QWidget*>{
             Control<QComboBox>(form_, "CourseField"), Control<QLineEdit>(form_, "DateField"),
             Control<QCheckBox>(form_, "SkipPuttsChkBox")}) {
      Focus(field);
      QTest::keyClick(field, Qt::Key_Return);
    }
    QCOMPARE(Focused(), Control<QLineEdit>(form_, "Score", 1));
    TypeInto(Control<QLineEdit>(form_, "Score", 1), QStringLiteral("4"));
    QTest::keyClick(Control<QLineEdit>(form_, "Score", 1), Qt::Key_Return);
    QCOMPARE(Focused(), Control<QLineEdit>(form_, "Score", 2));
    TypeAndTab(Control<QLineEdit>(form_, "Putts", 3),
               QStringLiteral("2"));  // putts can still be typed
    Focus(Control<QPlainTextEdit>(form_, "CommentField"));
    QTest::keyClicks(Control<QPlainTextEdit>(form_, "CommentField"), QStringLiteral("windy"));
    QTest::keyClick(Control<QPlainTextEdit>(form_, "CommentField"), Qt::Key_Return);
    QTest::keyClick(Control<QPlainTextEdit>(form_, "CommentField"), Qt::Key_Escape);
    QVERIFY(form_->isVisible());
    QCOMPARE(Control<QPlainTextEdit>(form_, "CommentField")->toPlainText(),
             QStringLiteral("windy"));
    QCOMPARE(Control<QLineEdit>(form_, "PuttsTotal")->text(), QStringLiteral("2"));
  }

  void tabRunsThroughTheWindowInItsOrder() {
    Control<QCheckBox>(form_, "SkipPuttsChkBox")->setChecked(false);
    OpenNewRound();
    Control<QLineEdit>(form_, "Score", 1)
        ->setText(QStringLiteral("4"));  // a "0" would send the focus to the total
    const auto tabFrom = [this](QWidget* field) {
      Focus(field);
      QTest::keyClick(field, Qt::Key_Tab);
      return Focused();
    };
    QCOMPARE(tabFrom(Control<QComboBox>(form_, "CourseField")),
             Control<QLineEdit>(form_, "DateField"));
    QCOMPARE(tabFrom(Control<QCheckBox>(form_, "SkipPuttsChkBox")),
             Control<QLineEdit>(form_, "Score", 1));
    QCOMPARE(tabFrom(Control<QLineEdit>(form_, "Putts", 18)),
             Control<QPushButton>(form_, "OKButton"));
    QCOMPARE(tabFrom(Control<QPushButton>(form_, "OKButton")),
             Control<QPushButton>(form_, "CancelButton"));
    QCOMPARE(tabFrom(Control<QPushButton>(form_, "AddCourseButton")),
             Control<QPlainTextEdit>(form_, "CommentField"));
    QCOMPARE(tabFrom(Control<QPlainTextEdit>(form_, "CommentField")),
             Control<QComboBox>(form_, "CourseField"));
    // A field outside the order, reached with the mouse, hands Tab on to
    // the card's next field.
    QCOMPARE(tabFrom(Control<QLineEdit>(form_, "ScoreOut")),
             Control<QLineEdit>(form_, "Score", 10));
    QCOMPARE(tabFrom(Control<QLineEdit>(form_, "PuttsIn")),
             Control<QPushButton>(form_, "OKButton"));
    QCOMPARE(tabFrom(Control<QLineEdit>(form_, "Par", 5)), Control<QLineEdit>(form_, "Score", 5));
  }

  void aReturnFromAnotherProgramIsNoActivation() {
    OpenNewRound();
    Pick(0);
    TypeInto(Control<QLineEdit>(form_, "Score", 8), QStringLiteral("x"));  // not left yet
    // The user switches to another program and back: the field keeps the
    // focus and nothing is recomputed.
    QApplication::setActiveWindow(nullptr);
    QApplication::processEvents();
    Activate(form_);
    QCOMPARE(Focused(), Control<QLineEdit>(form_, "Score", 8));
    QVERIFY(prompts_->Shown.empty());
    // Back to another window of the program first: that is an activation.
    QApplication::setActiveWindow(nullptr);
    QApplication::processEvents();
    Activate(opener_.get());
    Activate(form_);
    QCOMPARE(prompts_->Texts(), QStringList{QStringLiteral("'x' is not a valid integer value")});
    QCOMPARE(Focused(), Control<QLineEdit>(form_, "Score", 8));
    TypeInto(Control<QLineEdit>(form_, "Score", 8), QStringLiteral("5"));
    Activate(opener_.get());
    Activate(form_);
    QCOMPARE(Focused(), Control<QComboBox>(form_, "CourseField"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreOut")->text(), QStringLiteral("5"));
  }

  void steppingKeysChangeTheValueAndAreNeverTyped() {
    OpenNewRound();
    Pick(0);
    TypeInto(Control<QLineEdit>(form_, "Score", 3), QStringLiteral("4"));
    QTest::keyClicks(Control<QLineEdit>(form_, "Score", 3), QStringLiteral("+="));
    QCOMPARE(Control<QLineEdit>(form_, "Score", 3)->text(), QStringLiteral("6"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreOut")->text(),
             QStringLiteral("0"));  // sums follow the leaving
    TypeInto(Control<QLineEdit>(form_, "Putts", 7), QString());
    QTest::keyClick(Control<QLineEdit>(form_, "Putts", 7), '-');
    QCOMPARE(Control<QLineEdit>(form_, "Putts", 7)->text(), QStringLiteral("-1"));
    QTest::keyClick(Control<QLineEdit>(form_, "Putts", 7), '_');
    QCOMPARE(Control<QLineEdit>(form_, "Putts", 7)->text(), QStringLiteral("-2"));
    TypeInto(Control<QLineEdit>(form_, "Score", 4), QStringLiteral("x"));
    QTest::keyClick(Control<QLineEdit>(form_, "Score", 4), '+');
    QCOMPARE(Control<QLineEdit>(form_, "Score", 4)->text(), QStringLiteral("x"));
    QCOMPARE(prompts_->Texts(), QStringList{QStringLiteral("'x' is not a valid integer value")});
    TypeInto(Control<QLineEdit>(form_, "Score", 4), QStringLiteral("3"));

    TypeInto(Control<QLineEdit>(form_, "DateField"), QStringLiteral("02/28/2004"));
    QTest::keyClick(Control<QLineEdit>(form_, "DateField"), '+');
    QCOMPARE(Control<QLineEdit>(form_, "DateField")->text(), QStringLiteral("02/29/2004"));
    QTest::keyClick(Control<QLineEdit>(form_, "DateField"), '-');
    QTest::keyClick(Control<QLineEdit>(form_, "DateField"), '-');
    QCOMPARE(Control<QLineEdit>(form_, "DateField")->text(), QStringLiteral("02/27/2004"));
    TypeInto(Control<QLineEdit>(form_, "DateField"), QStringLiteral("1/2/3"));
    QTest::keyClick(Control<QLineEdit>(form_, "DateField"), '+');
    QCOMPARE(Control<QLineEdit>(form_, "DateField")->text(), QString());
    TypeAndTab(Control<QLineEdit>(form_, "DateField"), QStringLiteral("7.4.1999"));
    QCOMPARE(Control<QLineEdit>(form_, "DateField")->text(), QStringLiteral("07/04/1999"));
  }

  void okNeedsACourseSaveExitDoesNot() {
    OpenNewRound();
    QTest::mouseClick(Control<QPushButton>(form_, "OKButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Texts(), QStringList{QStringLiteral("You must pick a course.")});
    QVERIFY(form_->isVisible());
    QCOMPARE(Focused(), Control<QComboBox>(form_, "CourseField"));
    QCOMPARE(Control<QLineEdit>(form_, "OkPressed")->text(), QStringLiteral("0"));
    // Save/Exit from the menu, the total still being typed: its adjusted
    // score still reaches the returned round.
    TypeInto(Control<QLineEdit>(form_, "ScoreTotal"), QStringLiteral("80"));
    Control<QAction>(form_, "SaveExit1")->trigger();
    QVERIFY(!form_->isVisible());
    QCOMPARE(Control<QLineEdit>(form_, "AdjScore")->text(), QStringLiteral("80"));
    QCOMPARE(opener_->Taken, 1);
    QCOMPARE(QApplication::activeWindow(), opener_.get());
    // Cancel, Exit and the frame give the round back unconfirmed.
    OpenNewRound();
    form_->close();
    QVERIFY(!form_->isVisible());
    QCOMPARE(Control<QLineEdit>(form_, "OkPressed")->text(), QStringLiteral("0"));
  }

  void theRoundBelongsToTheWindowThatPrimedItAndIsTakenOnce() {
    Opener other;
    other.show();
    OpenNewRound();
    Pick(0);
    // Another window cannot prime over a round being typed; it is brought
    // to the front instead.
    QVERIFY(!form_->PrimeNewRound(&other, {QStringLiteral("Other"), "OTHER", QString()},
                                  TScoreForm::EntryValues::Zero));
    QCOMPARE(form_->windowTitle(), QStringLiteral("Enter Score - Pat Golfer"));
    QCOMPARE(Control<qm::TCourseList>(form_, "CourseField")->Text(), QStringLiteral("MAPLE RIDGE"));
    Activate(&other);  // the user looks at another window meanwhile
    Activate(form_);
    opener_->hide();  // and the opener is out of the way when OK comes
    QTest::mouseClick(Control<QPushButton>(form_, "OKButton"), Qt::LeftButton);
    Activate(&other);
    QCOMPARE(other.Taken, 0);
    QVERIFY(!form_->TakeRound(&other));
    QCOMPARE(Control<QLineEdit>(form_, "OkPressed")->text(), QStringLiteral("1"));
    opener_->show();
    Activate(opener_.get());
    QCOMPARE(opener_->Taken, 1);
    QCOMPARE(form_->Owner().ShortName, std::string("PAT"));
    QVERIFY(!form_->TakeRound(opener_.get()));
    Activate(&other);
    Activate(opener_.get());
    QCOMPARE(opener_->Taken, 1);
    // A round confirmed and never taken is not handed to the next use.
    OpenNewRound();
    Pick(0);
    Control<QAction>(form_, "SaveExit1")->trigger();
    QVERIFY(!form_->isVisible());
    QVERIFY(form_->PrimeNewRound(&other, {QStringLiteral("Other"), "OTHER", QString()},
                                 TScoreForm::EntryValues::Zero));
    QVERIFY(!form_->TakeRound(&other));
    QVERIFY(!form_->TakeRound(opener_.get()));
    // A window that closes releases the window it primed: nobody takes it.
    form_->ReleaseRound(opener_.get());
    QVERIFY(form_->isVisible());
    form_->ReleaseRound(&other);
    QVERIFY(!form_->isVisible());
    QVERIFY(!form_->TakeRound(&other));
  }

  void theTakenRoundHoldsTheFieldsAsTheScoreFileDoes() {
    OpenNewRound(QStringLiteral("Pat Golfer"), QStringLiteral("15.0"));
    QCOMPARE(Control<QLineEdit>(form_, "DateField")->text(),
             qm::Today().toString(QStringLiteral("MM/dd/yyyy")));
    Pick(0);  // MAPLE RIDGE 71.3 / 128: course handicap 17
    TypeAndTab(Control<QLineEdit>(form_, "DateField"), QStringLiteral("02/23/2002"));
    TypeInto(Control<QLineEdit>(form_, "ScoreTotal"), QStringLiteral("1234"));
    TypeAndTab(Control<QLineEdit>(form_, "Score", 18), QStringLiteral("123"));
    Control<QPlainTextEdit>(form_, "CommentField")->setPlainText(QString(100, QLatin1Char('c')));
    QTest::mouseClick(Control<QPushButton>(form_, "OKButton"), Qt::LeftButton);
    QCOMPARE(opener_->Rounds.size(), std::size_t{1});
    TScoreRec round = opener_->Rounds[0];
    QCOMPARE(round.Date, std::string("20020223"));
    QCOMPARE(round.Course, std::string("MAPLE RIDGE"));
    QCOMPARE(round.Rating, std::string("71.3"));
    QCOMPARE(round.Slope, std::string("128"));
    QCOMPARE(round.HoleScore[17], std::string("12"));
    QCOMPARE(round.HolePutts[17], std::string("0"));
    QCOMPARE(round.ScoreTotal.size(), std::size_t{3});
    QCOMPARE(round.Comment.size(), std::size_t{100});
    QCOMPARE(round.EntryIndex, std::string("15.0"));
    QCOMPARE(round.EntryHandicap, std::string("17"));

    // A stored round changed: its own EntryIndex is shown and kept, the
    // course handicap is the one shown.
    TScoreRec stored = StoredRound("MAPLE RIDGE");
    stored.EntryIndex = "9.9";
    stored.EntryHandicap = "11";
    OpenStoredRound(stored);
    QCOMPARE(Control<QLineEdit>(form_, "IndexField")->text(), QStringLiteral("9.9"));
    QCOMPARE(Control<QLineEdit>(form_, "DateField")->text(), QStringLiteral("05/01/2004"));
    QTest::mouseClick(Control<QPushButton>(form_, "OKButton"), Qt::LeftButton);
    round = opener_->Rounds.at(1);
    QCOMPARE(round.EntryIndex, std::string("9.9"));
    QCOMPARE(round.EntryHandicap, std::string("11"));
    QCOMPARE(round.Date, std::string("20040501"));
    QCOMPARE(round.AdjScore, std::string("87"));
    // Without an index of its own it shows the current one.
    stored.EntryIndex = "0";
    OpenStoredRound(stored, QStringLiteral("12.0"));
    QCOMPARE(Control<QLineEdit>(form_, "IndexField")->text(), QStringLiteral("12.0"));
    Control<QAction>(form_, "Exit1")->trigger();
    QCOMPARE(opener_->Rounds.size(), std::size_t{2});

    // The golfer list and the group store no index nor handicap.
    QVERIFY(form_->PrimeNewRound(opener_.get(),
                                 {QStringLiteral("Pat"), "PAT", QStringLiteral("15.0")},
                                 TScoreForm::EntryValues::Zero));
    Pick(0);
    QTest::mouseClick(Control<QPushButton>(form_, "OKButton"), Qt::LeftButton);
    QCOMPARE(opener_->Rounds.at(2).EntryIndex, std::string("0"));
    QCOMPARE(opener_->Rounds.at(2).EntryHandicap, std::string("0"));
  }

  void caseOnlyMismatchIsSelectedOnShowAndReportedOnce() {
    TScoreRec stored = StoredRound("Oak Hill");
    stored.HoleScore[0] = "5";
    stored.HoleScore[10] = "6";
    opener_->move(0, 0);  // the window opens on the screen's centre, not over it
    OpenStoredRound(stored);
    QCOMPARE(form_->frameGeometry().center(), form_->screen()->availableGeometry().center());
    QCOMPARE(form_->windowTitle(), QStringLiteral("Enter Score - Pat Golfer"));
    QCOMPARE(Control<qm::TCourseList>(form_, "CourseField")->Text(), QStringLiteral("OAK HILL"));
    QCOMPARE(Control<QLineEdit>(form_, "RatingField")->text(), QStringLiteral("70.5"));
    QCOMPARE(Control<QLineEdit>(form_, "ParOut")->text(), QStringLiteral("36"));
    QCOMPARE(prompts_->Texts(), QStringList{QStringLiteral("ERROR: Course not found in list??")});
    // The stored total and adjusted score stand; the sums are formed again.
    QCOMPARE(Control<QLineEdit>(form_, "ScoreOut")->text(), QStringLiteral("5"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreIn")->text(), QStringLiteral("6"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreTotal")->text(), QStringLiteral("90"));
    QCOMPARE(Control<QLineEdit>(form_, "AdjScore")->text(), QStringLiteral("87"));
    // (87 - 70.5) * 113 / 125 = 14.916
    QCOMPARE(Control<QLineEdit>(form_, "ScoreDiff")->text(), QStringLiteral("14.9"));
    Activate(opener_.get());
    Activate(form_);
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
  }

  void aDeletedCourseIsKeptAndHandedBack() {
    TScoreRec stored = StoredRound("PINE VALLEY");
    stored.Rating = "69.9";
    OpenStoredRound(stored);
    QCOMPARE(prompts_->Texts(), QStringList{QStringLiteral("ERROR: Course not found in list??")});
    QCOMPARE(Control<QComboBox>(form_, "CourseField")->currentIndex(), -1);
    QCOMPARE(Control<QLineEdit>(form_, "RatingField")->text(), QStringLiteral("69.9"));
    QTest::mouseClick(Control<QPushButton>(form_, "OKButton"), Qt::LeftButton);
    QCOMPARE(opener_->Taken, 1);
    QCOMPARE(opener_->Rounds[0].Course, std::string("PINE VALLEY"));
    QCOMPARE(opener_->Rounds[0].Rating, std::string("69.9"));
  }

  void closingItsOwnBoxIsNoNewActivation() {
    auto boxes = std::make_unique<BoxPrompts>();
    BoxPrompts* shown = boxes.get();
    SetPrompts(std::move(boxes));
    TScoreRec stored = StoredRound("MAPLE RIDGE");
    stored.HoleScore[2] = "x";  // a stored round that cannot be summed
    OpenStoredRound(stored);
    QCOMPARE(shown->Texts(), QStringList{QStringLiteral("'x' is not a valid integer value")});
  }

  void aStoredRoundWithoutCourseKeepsItsCard() {
    TScoreRec stored = StoredRound("");
    stored.HoleScore[0] = "5";
    stored.Comment = "no course";
    OpenStoredRound(stored);
    QCOMPARE(Control<QLineEdit>(form_, "Score", 1)->text(), QStringLiteral("5"));
    QCOMPARE(Control<QPlainTextEdit>(form_, "CommentField")->toPlainText(),
             QStringLiteral("no course"));
    QCOMPARE(Control<QLineEdit>(form_, "CoursePicked")->text(), QStringLiteral("0"));
    Control<QAction>(form_, "Exit1")->trigger();
    OpenNewRound();  // a new round: cleared
    QCOMPARE(Control<QLineEdit>(form_, "Score", 1)->text(), QStringLiteral("0"));
    QCOMPARE(Control<QPlainTextEdit>(form_, "CommentField")->toPlainText(), QString());
  }

  void groupKeepsCourseAndDateAndClearsTheCard() {
    const auto golfer = [](const char* name, const QString& index) {
      return TScoreForm::RoundGolfer{QString::fromLatin1(name), name, index};
    };
    QVERIFY(form_->PrimeGroupRound(opener_.get(), golfer("First", QString()), true));
    QCOMPARE(Control<QLineEdit>(form_, "AddingGroup")->text(), QStringLiteral("1"));
    Pick(1);  // OAK HILL, slope 125
    QCOMPARE(Control<QLineEdit>(form_, "CourseHandicapField")->text(), QStringLiteral("0"));
    TypeAndTab(Control<QLineEdit>(form_, "DateField"), QStringLiteral("05/01/2004"));
    TypeAndTab(Control<QLineEdit>(form_, "Score", 1), QStringLiteral("5"));
    Control<QPlainTextEdit>(form_, "CommentField")->setPlainText(QStringLiteral("first"));
    QTest::mouseClick(Control<QPushButton>(form_, "OKButton"), Qt::LeftButton);
    QCOMPARE(opener_->Rounds.at(0).EntryHandicap, std::string("0"));

    QVERIFY(form_->PrimeGroupRound(opener_.get(), golfer("Second", QStringLiteral("20.0")), false));
    QCOMPARE(form_->windowTitle(), QStringLiteral("Enter Score - Second"));
    QCOMPARE(form_->Owner().ShortName, std::string("Second"));
    QCOMPARE(Control<QLineEdit>(form_, "Score", 1)->text(), QStringLiteral("0"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreTotal")->text(), QString());
    QCOMPARE(Control<QPlainTextEdit>(form_, "CommentField")->toPlainText(), QString());
    QCOMPARE(Control<qm::TCourseList>(form_, "CourseField")->Text(), QStringLiteral("OAK HILL"));
    QCOMPARE(Control<QLineEdit>(form_, "SlopeField")->text(), QStringLiteral("125"));
    QCOMPARE(Control<QLineEdit>(form_, "DateField")->text(), QStringLiteral("05/01/2004"));
    // 20.0 * 125 / 113 = 22.12
    QCOMPARE(Control<QLineEdit>(form_, "CourseHandicapField")->text(), QStringLiteral("22"));
    QVERIFY(prompts_->Shown.empty());
    Control<QAction>(form_, "Exit1")->trigger();

    // Another round meanwhile: the group gets its own course and date back,
    // not that round's course, date and card.
    OpenStoredRound(StoredRound("MAPLE RIDGE"));
    Control<QAction>(form_, "Exit1")->trigger();
    QVERIFY(form_->PrimeGroupRound(opener_.get(), golfer("Third", QStringLiteral("10.0")), false));
    QCOMPARE(Control<qm::TCourseList>(form_, "CourseField")->Text(), QStringLiteral("OAK HILL"));
    QCOMPARE(Control<QLineEdit>(form_, "DateField")->text(), QStringLiteral("05/01/2004"));
    QCOMPARE(Control<QLineEdit>(form_, "CoursePicked")->text(), QStringLiteral("1"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreTotal")->text(), QString());
    QCOMPARE(Control<QLineEdit>(form_, "CourseHandicapField")->text(),
             QStringLiteral("11"));  // 10.0 * 125 / 113
  }

  void addCourseUpToTheLimit() {
    WriteFile("courses.qmd", ManyCourses(200));
    OpenNewRound();
    QTest::mouseClick(Control<QPushButton>(form_, "AddCourseButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Texts(),
             QStringList{QStringLiteral(
                 "You have reached the maximum allowed number of courses.  If possible, delete "
                 "some courses that you do not use.  Then, you can enter more new ones.")});
    QVERIFY(!Program().CourseForm->isVisible());

    WriteFile("courses.qmd", ManyCourses(199));
    Activate(opener_.get());
    Activate(form_);
    Pick(4);
    TCourseForm* editor = Program().CourseForm;
    QTest::mouseClick(Control<QPushButton>(form_, "AddCourseButton"), Qt::LeftButton);
    QVERIFY(editor->isVisible());
    QCOMPARE(Control<QLineEdit>(editor, "CourseName")->text(), QString());
    TypeInto(Control<QLineEdit>(editor, "CourseName"), QStringLiteral("aaa new"));
    TypeInto(Control<QLineEdit>(editor, "RatingField"), QStringLiteral("68.2"));
    TypeInto(Control<QLineEdit>(editor, "SlopeField"), QStringLiteral("117"));
    TypeInto(Control<QLineEdit>(editor, "ParTotal"), QStringLiteral("70"));
    QTest::mouseClick(Control<QPushButton>(editor, "OKButton"), Qt::LeftButton);
    QVERIFY(!editor->isVisible());
    QCOMPARE(QApplication::activeWindow(), form_);
    QCOMPARE(Lines(ReadFile("courses.qmd")), 200);
    QCOMPARE(Control<QComboBox>(form_, "CourseField")->count(), 200);
    QCOMPARE(Control<QComboBox>(form_, "CourseField")->currentIndex(), 0);
    QCOMPARE(Control<qm::TCourseList>(form_, "CourseField")->Text(), QStringLiteral("AAA NEW"));
    QCOMPARE(Control<QLineEdit>(form_, "RatingField")->text(), QStringLiteral("68.2"));
    QCOMPARE(Control<QLineEdit>(form_, "CoursePicked")->text(), QStringLiteral("1"));
    QCOMPARE(Control<QLineEdit>(editor, "OkPressed")->text(), QStringLiteral("0"));
    // Coming back to the window later keeps the new course.
    Activate(opener_.get());
    Activate(form_);
    QCOMPARE(Control<qm::TCourseList>(form_, "CourseField")->Text(), QStringLiteral("AAA NEW"));
    QVERIFY(prompts_->Shown.size() == 1);
    // Full again: the menu refuses too.
    Control<QAction>(form_, "EditCourses1")->trigger();
    QCOMPARE(prompts_->Shown.size(), std::size_t{2});
  }

  void aCancelledEditorReselectsTheCourse() {
    OpenNewRound();
    Pick(0);
    TypeInto(Control<QLineEdit>(form_, "RatingField"),
             QStringLiteral("1"));  // read-only: nothing typed
    Control<QAction>(form_, "Help2")->trigger();
    QTest::mouseClick(Control<QPushButton>(form_, "AddCourseButton"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(Program().CourseForm, "CancelButton"), Qt::LeftButton);
    QCOMPARE(Control<qm::TCourseList>(form_, "CourseField")->Text(), QStringLiteral("MAPLE RIDGE"));
    QCOMPARE(Control<QLineEdit>(form_, "RatingField")->text(), QStringLiteral("71.3"));
    QCOMPARE(prompts_->Texts(), QStringList{QStringLiteral("Help not implemented yet.")});
    QString about;
    QTimer::singleShot(0, [&about] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        about = box->metaObject()->className();
        box->close();
      }
    });
    Control<QAction>(form_, "AboutQuillmor1")->trigger();
    QCOMPARE(about, QStringLiteral("qm::TAboutBox"));
  }

  void commentsHoldOneStorableLine() {
    OpenNewRound();
    Focus(Control<QPlainTextEdit>(form_, "CommentField"));
    QTest::keyClicks(Control<QPlainTextEdit>(form_, "CommentField"), QStringLiteral("a~b"));
    Control<QPlainTextEdit>(form_, "CommentField")
        ->insertPlainText(QStringLiteral("\ncaf\u00e9\r\n\u263a!"));
    QCOMPARE(Control<QPlainTextEdit>(form_, "CommentField")->toPlainText(),
             QStringLiteral("a-b caf\u00e9 !"));
    Control<QPlainTextEdit>(form_, "CommentField")->insertPlainText(QString(120, QLatin1Char('x')));
    QCOMPARE(Control<QPlainTextEdit>(form_, "CommentField")->toPlainText().size(), 100);
    QVERIFY(Control<QPlainTextEdit>(form_, "CommentField")
                ->toPlainText()
                .startsWith(QStringLiteral("a-b caf")));
    // A paste with a character that has no single byte is refused whole.
    Control<QLineEdit>(form_, "Score", 1)->selectAll();
    Control<QLineEdit>(form_, "Score", 1)->insert(QStringLiteral("\u263a4"));
    QCOMPARE(Control<QLineEdit>(form_, "Score", 1)->text(), QStringLiteral("0"));
  }

  void aRoundEndToEnd() {
    OpenNewRound(QStringLiteral("Pat Golfer"), QStringLiteral("15.0"));
    Pick(0);  // MAPLE RIDGE 71.3 / 128, pars 4 5 3 4 4 5 3 4 4 | 4 4 3 5 4 4 3 5 4
    const int scores[18] = {5, 6, 4, 5, 8, 6, 3, 5, 5, 4, 5, 4, 6, 5, 9, 3, 6, 5};
    const int putts[18] = {2, 2, 1, 2, 3, 2, 1, 2, 2, 2, 2, 2, 2, 2, 3, 1, 2, 2};
    for (int i = 0; i < 18; ++i) {
      TypeAndTab(Control<QLineEdit>(form_, "Score", i + 1), QString::number(scores[i]));
      TypeAndTab(Control<QLineEdit>(form_, "Putts", i + 1), QString::number(putts[i]));
    }
    // By hand: course handicap round(15.0 * 128 / 113) = round(16.99) = 17,
    // so no hole counts more than 7. Scores 47 out + 47 in = 94; hole 5 (8)
    // counts 7 and hole 15 (9) counts 7: adjusted 94 - 1 - 2 = 91.
    // Differential (91 - 71.3) * 113 / 128 = 2226.1 / 128 = 17.39 -> 17.4.
    // Putts 17 out + 18 in = 35.
    QCOMPARE(Control<QLineEdit>(form_, "CourseHandicapField")->text(), QStringLiteral("17"));
    QCOMPARE(Control<QLineEdit>(form_, "ParOut")->text(), QStringLiteral("36"));
    QCOMPARE(Control<QLineEdit>(form_, "ParIn")->text(), QStringLiteral("36"));
    QCOMPARE(Control<QLineEdit>(form_, "ParTotal")->text(), QStringLiteral("72"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreOut")->text(), QStringLiteral("47"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreIn")->text(), QStringLiteral("47"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreTotal")->text(), QStringLiteral("94"));
    QCOMPARE(Control<QLineEdit>(form_, "AdjScore")->text(), QStringLiteral("91"));
    QCOMPARE(Control<QLineEdit>(form_, "ScoreDiff")->text(), QStringLiteral("17.4"));
    QCOMPARE(Control<QLineEdit>(form_, "PuttsOut")->text(), QStringLiteral("17"));
    QCOMPARE(Control<QLineEdit>(form_, "PuttsIn")->text(), QStringLiteral("18"));
    QCOMPARE(Control<QLineEdit>(form_, "PuttsTotal")->text(), QStringLiteral("35"));
    QCOMPARE(Focused(), Control<QPushButton>(form_, "OKButton"));
    Control<QPlainTextEdit>(form_, "CommentField")
        ->setPlainText(QStringLiteral("Windy on the back nine"));
    QVERIFY(!SaveScreen(form_, QStringLiteral("score_full_round")).isEmpty());
    QTest::keyClick(Control<QPushButton>(form_, "OKButton"), Qt::Key_Return);
    QVERIFY(prompts_->Shown.empty());
    QCOMPARE(opener_->Taken, 1);
    QVERIFY(!form_->isVisible());
  }
};

QTEST_MAIN(ScoreTest)
#include "score_test.moc"
