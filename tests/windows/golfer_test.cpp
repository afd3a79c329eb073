// The golfer scores window, opened for a golfer as the golfer list opens it
// and driven through its buttons and the score entry window.
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QSpontaneKeyEvent>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/clock.h"
#include "store/roster.h"
#include "store/scores.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_rounds.h"
#include "support/workdir.h"
#include "ui/textconv.h"
#include "windows/qmcourse.h"
#include "windows/qmgolfer.h"
#include "windows/qmhndicp.h"
#include "windows/qmindex.h"

Q_DECLARE_METATYPE(qm::TRosterEntry)

using namespace qm;
using namespace qm::test;

namespace {

const TRosterEntry kPat{"Pat Golfer", "PAT", 0};
const TRosterEntry kSam{"Sam Player", "SAM", 1};

template <class W>
W* TopLevel() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* found = qobject_cast<W*>(window)) return found;
  return nullptr;
}

int FileLines(const std::string& name) {
  const std::string text = ReadFile(name);
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Answers through a real box over the active window. As with a user's
// click, the window under it gets the activation back only after the
// handler that asked has returned.
class BoxPrompts : public ScriptedPrompts {
 public:
  bool ConfirmYesNo(const QString& text) override {
    QWidget* under = QApplication::activeWindow();
    auto* box = new QMessageBox(QMessageBox::Question, QString(), text, QMessageBox::Yes, under);
    box->show();
    QApplication::setActiveWindow(box);
    QTimer::singleShot(0, [box, under] {
      box->hide();
      QApplication::setActiveWindow(under);
      delete box;
    });
    return ScriptedPrompts::ConfirmYesNo(text);
  }
};

}  // namespace

class GolferTest : public qm::test::WindowTest {
  Q_OBJECT
  TGolferForm* form_ = nullptr;
  TScoreForm* entry_ = nullptr;

  void Open(const TRosterEntry& golfer, const std::string& file) {
    WriteFile(ScoreFileName(golfer), file);
    form_->OpenFor(golfer);
    QVERIFY(form_->isVisible());
  }
  QListWidget* List() { return Control<QListWidget>(form_, "ScoresListBox"); }
  int SelectedRow() {
    const auto selected = List()->selectedItems();
    return selected.isEmpty() ? -1 : List()->row(selected.front());
  }
  void Select(int row) { List()->setCurrentRow(row); }

 private slots:
  void init() {
    Begin();
    WriteFile("courses.qmd", kTwoCourses);
    Program().CourseForm = new TCourseForm;
    entry_ = Program().ScoreForm = new TScoreForm;
    form_ = Program().GolferForm = new TGolferForm;
  }

  void linesMarksAndIndex_data() {
    QTest::addColumn<TRosterEntry>("golfer");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QStringList>("lines");
    // Four complete rounds: the fixed index, nothing used; the rounds the
    // index passes over are marked, a line cut short after the comment too.
    const std::string four = Rounds(4) + ScoreLine("20000101", "0", "") +
                             ScoreLine("19990101", "88", "88", "", "") + "19980101~A~95~70.0~";
    for (const TRosterEntry& golfer : {kPat, kSam})
      QTest::newRow(golfer.Sex == 0 ? "four rounds, male" : "four rounds, female")
          << golfer << QByteArray::fromStdString(four)
          << (golfer.Sex == 0 ? QStringLiteral("36.4") : QStringLiteral("40.4"))
          << QStringList{QStringLiteral("  1   01/04/2001   90   90  70.0   113   20.0   OAK HILL"),
                         QStringLiteral("  2   01/03/2001   90   90  70.0   113   20.0   OAK HILL"),
                         QStringLiteral("  3   01/02/2001   90   90  70.0   113   20.0   OAK HILL"),
                         QStringLiteral("  4   01/01/2001   90   90  70.0   113   20.0   OAK HILL"),
                         QStringLiteral("I 5   01/01/2000    0       70.0   113    0.0   OAK HILL"),
                         QStringLiteral("I 6   01/01/1999   88   88                0.0   OAK HILL"),
                         QStringLiteral("I 7   01/01/1998   95    0  70.0   XXX    0.0   A")};
    // The example round, used for the index, at position 1; an invalid date
    // is listed first, marked, and still shows its differential.
    const std::string example = ScoreLine("20020223", "85", "83", "70.5", "125", "Riverside") +
                                Rounds(4, "99", "99") + ScoreLine("99999999", "90", "88");
    QTest::newRow("example and invalid date")
        << kPat << QByteArray::fromStdString(example) << QStringLiteral("10.8")
        << QStringList{QStringLiteral("I 1   99/99/9999   90   88  70.0   113   18.0   OAK HILL"),
                       QStringLiteral("* 2   02/23/2002   85   83  70.5   125   11.3   Riverside"),
                       QStringLiteral("  3   01/04/2001   99   99  70.0   113   29.0   OAK HILL")};
  }
  void linesMarksAndIndex() {
    QFETCH(TRosterEntry, golfer);
    QFETCH(QByteArray, file);
    QFETCH(QString, index);
    QFETCH(QStringList, lines);
    Open(golfer, file.toStdString());
    QCOMPARE(Control<QLineEdit>(form_, "IndexField")->text(), index);
    QCOMPARE(form_->windowTitle(), QStringLiteral("Golfer - ") + FromBytes(golfer.LongName));
    QStringList shown = Lines(List()).mid(0, lines.size());
    for (QString& line : shown)
      while (line.endsWith(QLatin1Char(' '))) line.chop(1);
    QCOMPARE(shown, lines);
    QCOMPARE(SelectedRow(), 0);
    QVERIFY(!Control<QPushButton>(form_, "SaveButton")->isEnabled());
  }

  void exampleLineToTheCharacter() {
    Open(kPat,
         ScoreLine("20020223", "85", "83", "70.5", "125", "Riverside") + Rounds(4, "99", "99"));
    QCOMPARE(List()->item(0)->text(),
             QStringLiteral(
                 "* 1   02/23/2002   85   83  70.5   125   11.3   Riverside                "));
  }

  void theTenthMarkAndNoneOutsideTheNewestTwenty() {
    // Newest 20 rounds with the differentials 1 to 20 in a shuffled order,
    // then five older ones far lower.
    std::string file;
    std::vector<int> differential(21);
    for (int p = 1; p <= 20; ++p) {
      differential[p] = 1 + (p * 7) % 20;
      const std::string score = std::to_string(70 + differential[p]);
      file += ScoreLine("201012" + std::to_string(31 - p), score, score);
    }
    file += Rounds(5, "71", "60");
    Open(kPat, file);
    QCOMPARE(List()->count(), 25);
    for (int row = 0; row < 25; ++row) {
      const bool used = row < 20 && differential[row + 1] <= 10;
      QCOMPARE(List()->item(row)->text().startsWith(QLatin1Char('*')), used);
    }
    QCOMPARE(form_->UsedScores().size(), std::size_t{10});
    // 0.96 times the mean of 1 to 10.
    QCOMPARE(Control<QLineEdit>(form_, "IndexField")->text(), QStringLiteral("5.3"));
  }

  void anAddedRoundWaitsForSave() {
    const std::string file = Rounds(3);
    Open(kPat, file);
    SaveScreen(form_, QStringLiteral("golfer-scores"));
    Click(Control<QPushButton>(form_, "AddButton"));
    QVERIFY(entry_->isVisible());
    QCOMPARE(Control<QLineEdit>(entry_, "DateField")->text(), TodayDisplay());
    QCOMPARE(Control<QLineEdit>(entry_, "IndexField")->text(), QStringLiteral("36.4"));
    QVERIFY(!List()->isEnabled() && !Control<QPushButton>(form_, "DeleteButton")->isEnabled());
    PickCourse(entry_, 1);
    ConfirmTotal(entry_, QStringLiteral("100"));
    // Back through the real hiding of the score entry window.
    QVERIFY(!entry_->isVisible());
    QVERIFY(List()->isEnabled());
    QCOMPARE(List()->count(), 4);
    QVERIFY(List()->item(0)->text().contains(TodayDisplay()));
    QVERIFY(List()->item(0)->text().contains(QLatin1String("PINE RIDGE")));
    QCOMPARE(SelectedRow(), 0);
    QVERIFY(Control<QPushButton>(form_, "SaveButton")->isEnabled());
    QCOMPARE(ReadFile("PAT.qmg"), file);
    Click(Control<QPushButton>(form_, "SaveButton"));
    QVERIFY(!Control<QPushButton>(form_, "SaveButton")->isEnabled());
    TScoreTable saved;
    LoadScores(saved, "PAT.qmg", false);
    QCOMPARE(saved.Count(), 4);
    QCOMPARE(saved.At(1).EntryIndex, std::string("36.4"));  // the shown index is kept
    QCOMPARE(saved.At(1).ScoreTotal, std::string("100"));
  }

  void aChangedRoundKeepsItsPlaceInTheSelectionAndItsIndex() {
    // Ten rounds; position 5 is 01/06/2001 and stored without an index.
    Open(kPat, ScoreLine("20010110", "90", "90", "70.0", "113", "OAK HILL", "12.5") +
                   Rounds(9, "80", "80"));
    Select(4);
    const QString moved = List()->item(4)->text().mid(6, 10);
    Click(Control<QPushButton>(form_, "ModifyButton"));
    QVERIFY(entry_->isVisible());
    // The round had no index of its own: the current one is shown.
    QCOMPARE(Control<QLineEdit>(entry_, "IndexField")->text(),
             Control<QLineEdit>(form_, "IndexField")->text());
    // While it is open, nothing in the list moves.
    QVERIFY(!Control<QPushButton>(form_, "DeleteButton")->isEnabled() &&
            !Control<QPushButton>(form_, "AddButton")->isEnabled());
    prompts_->Answers.push_back(Answer::Yes);
    form_->DeleteButtonClick();
    QVERIFY(prompts_->Shown.empty());
    TypeInto(Control<QLineEdit>(entry_, "DateField"), QStringLiteral("12/31/2010"));
    ConfirmTotal(entry_, QStringLiteral("77"));
    QCOMPARE(SelectedRow(), 4);
    QVERIFY(!List()->item(4)->text().contains(QLatin1String("12/31/2010")));
    QVERIFY(List()->item(0)->text().contains(QLatin1String("12/31/2010   77")));
    QVERIFY(!Lines(List()).join(QLatin1Char('\n')).contains(moved));
    QCOMPARE(form_->Scores().At(1).EntryIndex, std::string("0"));
    QCOMPARE(form_->Scores().Count(), 10);
  }

  void exitAndCloseWithUnsavedChanges() {
    const std::string file = Rounds(3);
    Open(kPat, file);
    prompts_->Answers = {Answer::Yes, Answer::Cancel};
    Click(Control<QPushButton>(form_, "DeleteButton"));
    QVERIFY(form_->Modified());
    Click(Control<QPushButton>(form_, "ExitButton"));
    QVERIFY(form_->isVisible() && form_->Modified() &&
            Control<QPushButton>(form_, "SaveButton")->isEnabled());
    // Through the frame the same question; No drops the change.
    prompts_->Answers = {Answer::Cancel, Answer::No};
    form_->close();
    QVERIFY(form_->isVisible());
    form_->close();
    QVERIFY(!form_->isVisible());
    QCOMPARE(prompts_->Texts(),
             QStringList({QStringLiteral("Are you sure you want to delete this score?")}) +
                 QStringList(3, QStringLiteral("Save changes made to scores?")));
    // File > Exit asks nothing.
    form_->OpenFor(kPat);
    Click(Control<QPushButton>(form_, "DeleteButton"));
    prompts_->ClearShown();
    Control<QAction>(form_, "Exit1")->trigger();
    QVERIFY(!form_->isVisible() && prompts_->Shown.empty());
    QCOMPARE(ReadFile("PAT.qmg"), file);
  }

  // Undo takes back a deletion, a change through the score entry window and
  // an import; back where the file was read, there is nothing to save.
  void undoAndRedoUntilSaved() {
    // Newest first, as the window writes it.
    const std::string file = ScoreLine("20010103", "90", "90") + ScoreLine("20010102", "91", "91") +
                             ScoreLine("20010101", "92", "92");
    Open(kPat, file);
    auto* undo = Control<QAction>(form_, "Undo1");
    auto* redo = Control<QAction>(form_, "Redo1");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    Select(0);
    Click(Control<QPushButton>(form_, "DeleteButton"));
    QCOMPARE(undo->text(), QStringLiteral("Undo Delete Round"));
    undo->trigger();
    QCOMPARE(List()->count(), 3);
    QVERIFY(!form_->Modified() && !Control<QPushButton>(form_, "SaveButton")->isEnabled());
    redo->trigger();
    QCOMPARE(List()->count(), 2);
    undo->trigger();

    Select(1);
    Click(Control<QPushButton>(form_, "ModifyButton"));
    QVERIFY(!undo->isEnabled());  // the round being changed keeps its row
    ConfirmTotal(entry_, QStringLiteral("77"));
    QCOMPARE(undo->text(), QStringLiteral("Undo Change Round"));
    QVERIFY(Lines(List()).join(QLatin1Char('\n')).contains(QLatin1String("   77")));
    undo->trigger();
    QVERIFY(!Lines(List()).join(QLatin1Char('\n')).contains(QLatin1String("   77")));

    WriteFile("in.csv", "Course,Date,Score,Rating,Slope\r\nOAK HILL,2024-05-01,88,70.0,113\r\n");
    prompts_->FileChoices = {QStringLiteral("in.csv")};
    prompts_->Answers = {Answer::Yes};
    Control<QAction>(form_, "ImportScores1")->trigger();
    QCOMPARE(List()->count(), 4);
    QCOMPARE(undo->text(), QStringLiteral("Undo Import Scores"));
    undo->trigger();
    QCOMPARE(List()->count(), 3);
    QVERIFY(!form_->Modified());

    // Delete, undo, redo, undo, save: the file as it was.
    Select(2);
    Click(Control<QPushButton>(form_, "DeleteButton"));
    undo->trigger();
    redo->trigger();
    undo->trigger();
    form_->SaveButtonClick();
    QCOMPARE(ReadFile("PAT.qmg"), file);
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
  }

  void deletingKeepsTheRowNumber() {
    Open(kPat, Rounds(3));
    Select(1);
    Click(Control<QPushButton>(form_, "DeleteButton"));
    QCOMPARE(List()->count(), 2);
    QCOMPARE(SelectedRow(), 1);
    Click(Control<QPushButton>(form_, "DeleteButton"));
    QCOMPARE(List()->count(), 1);
    QCOMPARE(SelectedRow(), -1);
    // Nothing selected: Modify and Delete do nothing.
    prompts_->ClearShown();
    Click(Control<QPushButton>(form_, "DeleteButton"));
    Click(Control<QPushButton>(form_, "ModifyButton"));
    QVERIFY(prompts_->Shown.empty() && !entry_->isVisible());
  }

  void theBoxClosingIsNoNewActivation() {
    SetPrompts(std::make_unique<BoxPrompts>());
    Open(kPat, Rounds(3));
    Select(1);
    Click(Control<QPushButton>(form_, "DeleteButton"));
    QApplication::processEvents();
    QVERIFY(form_->isActiveWindow());
    QCOMPARE(List()->count(), 2);
    QCOMPARE(SelectedRow(), 1);
    // A later activation from another window selects the newest row again.
    QWidget other;
    other.show();
    Activate(&other);
    Activate(form_);
    QCOMPARE(SelectedRow(), 0);
  }

  void openedForAnotherGolferSavesToTheFileItLoaded() {
    WriteFile("SAM.qmg", Rounds(2, "100", "100"));
    Open(kPat, Rounds(3));
    Click(Control<QPushButton>(form_, "DeleteButton"));
    prompts_->Answers = {Answer::Cancel};
    form_->OpenFor(kSam);
    QCOMPARE(form_->windowTitle(), QStringLiteral("Golfer - Pat Golfer"));
    QVERIFY(form_->Modified());
    prompts_->Answers = {Answer::Yes};
    form_->OpenFor(kSam);
    QCOMPARE(FileLines("PAT.qmg"), 2);
    QCOMPARE(form_->windowTitle(), QStringLiteral("Golfer - Sam Player"));
    QCOMPARE(form_->LoadedFile(), std::string("SAM.qmg"));
    QCOMPARE(List()->count(), 2);
    QCOMPARE(Control<QLineEdit>(form_, "IndexField")->text(), QStringLiteral("40.4"));
    Click(Control<QPushButton>(form_, "DeleteButton"));
    Click(Control<QPushButton>(form_, "SaveButton"));
    QCOMPARE(FileLines("SAM.qmg"), 1);
    QCOMPARE(FileLines("PAT.qmg"), 2);
    QCOMPARE(prompts_->Texts().count(QStringLiteral("Save changes made to scores?")), 2);
  }

  void anotherGolferWaitsForTheOpenRound() {
    WriteFile("SAM.qmg", Rounds(2));
    Open(kPat, Rounds(3));
    Click(Control<QPushButton>(form_, "ModifyButton"));
    form_->OpenFor(kSam);
    QCOMPARE(form_->LoadedFile(), std::string("PAT.qmg"));
    ConfirmTotal(entry_, QStringLiteral("66"));
    QVERIFY(form_->Scores().At(1).ScoreTotal == "66");
  }

  void closingTakesTheOpenRoundWithIt() {
    const std::string file = Rounds(3);
    Open(kPat, file);
    Click(Control<QPushButton>(form_, "ModifyButton"));
    QVERIFY(entry_->isVisible());
    // Minimised by the window manager (a hide the program did not make):
    // no close, the round stays open.
    QHideEvent minimised;
    QSpontaneKeyEvent::setSpontaneous(&minimised);
    QApplication::instance()->notify(form_, &minimised);
    QVERIFY(entry_->isVisible());
    Click(Control<QPushButton>(form_, "ExitButton"));
    QVERIFY(!entry_->isVisible() && !form_->isVisible());
    // Opened again, nothing comes back from the round that was open.
    form_->OpenFor(kPat);
    Activate(form_);
    QVERIFY(!form_->Modified());
    QCOMPARE(form_->Scores().At(1).ScoreTotal, std::string("90"));
  }

  void aFailedSaveAtExitKeepsTheWindow() {
    Open(kPat, Rounds(3));
    Click(Control<QPushButton>(form_, "DeleteButton"));
    // The file cannot be replaced: a folder took its name.
    std::filesystem::remove("PAT.qmg");
    std::filesystem::create_directory("PAT.qmg");
    prompts_->ClearShown();
    prompts_->Answers = {Answer::Yes};
    Click(Control<QPushButton>(form_, "ExitButton"));
    QCOMPARE(prompts_->Shown.size(), std::size_t{2});
    QCOMPARE(prompts_->Shown[1].Kind, BoxKind::Message);
    QVERIFY(form_->isVisible() && form_->Modified() &&
            Control<QPushButton>(form_, "SaveButton")->isEnabled());
    QCOMPARE(List()->count(), 2);
  }

  void theLimitAndTheCalculations() {
    Open(kPat, Rounds(200));
    Click(Control<QPushButton>(form_, "AddButton"));
    QVERIFY(!entry_->isVisible());
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
    QVERIFY(prompts_->Shown[0].Text.startsWith(QLatin1String("This golfer has reached")));
    Control<QAction>(form_, "Index1")->trigger();
    Control<QAction>(form_, "Handicap1")->trigger();
    auto* sheet = TopLevel<TIndexForm>();
    auto* handicap = TopLevel<THandicapForm>();
    QVERIFY(sheet != nullptr && handicap != nullptr);
    QVERIFY(sheet->isVisible() && !Control<QLineEdit>(sheet, "Field", 1)->text().isEmpty());
    QCOMPARE(Control<QLineEdit>(handicap, "GolferShortName")->text(), QStringLiteral("PAT"));
    QCOMPARE(Control<QLineEdit>(handicap, "GolferName")->text(), QStringLiteral("Pat Golfer"));
    QCOMPARE(Control<QLineEdit>(handicap, "IndexField")->text(),
             Control<QLineEdit>(form_, "IndexField")->text());
    // Their own windows: they stay when this one closes.
    Click(Control<QPushButton>(form_, "ExitButton"));
    QVERIFY(sheet->isVisible() && handicap->isVisible());
    delete sheet;
    delete handicap;
  }

  void resizingFitsTheListAndTheButtons() {
    Open(kPat, Rounds(3));
    form_->resize(700, 600);
    QApplication::processEvents();
    const int height = form_->centralWidget()->height();
    QCOMPARE(List()->height(), height - 152);
    QCOMPARE(Control<QPushButton>(form_, "ExitButton")->y(), height - 44);
    QCOMPARE(Control<QLabel>(form_, "Label4")->y(), height - 71);
    QVERIFY(ReadFile(Dir().SettingsFile()).find("[GolferForm]") != std::string::npos);
  }
};

QTEST_MAIN(GolferTest)
#include "golfer_test.moc"
