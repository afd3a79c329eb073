// The golfer list window as the user drives it: rounds added through the
// score entry window, the limit of scores, the check box of the Maximum
// Index Rule, the index and course handicap windows, and the main window's
// Enter Scores.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/clock.h"
#include "store/scores.h"
#include "store/settings.h"
#include "support/qt_fixture.h"
#include "support/qt_maint.h"
#include "support/qt_opener.h"
#include "support/qt_prompts.h"
#include "support/qt_support.h"
#include "support/workdir.h"
#include "windows/qmapp.h"
#include "windows/qmgolfer.h"
#include "windows/qmgpick.h"
#include "windows/qmhndicp.h"
#include "windows/qmindex.h"
#include "windows/qmmain.h"
#include "windows/qmscore.h"
#include "windows/qmscorefields.h"
#include "windows/qmsgroup.h"

using namespace qm;
using namespace qm::test;

namespace {

const char* kCourses = "OAK HILL~70.5~125~72~4~4~3~5~4~4~3~5~4~4~4~3~5~4~4~3~5~4~\r\n";

// Sorted by long name in the list: Ann Lee (row 0), Bob Ray (row 1).
const char* kRoster = "Bob Ray~RAY~0~\r\nAnn Lee~LEE~1~\r\n";

// count complete rounds of gross score `total` at 70.0 / 113, dated in 2001.
void WriteRounds(const std::string& shortName, int count, int total = 90) {
  TScoreTable table;
  for (int i = 0; i < count; ++i) {
    TScoreRec rec = PlaceholderScoreRec();
    rec.Date = "2001" + std::string(i % 12 < 9 ? "0" : "") + std::to_string(i % 12 + 1) + "15";
    rec.Course = "OLD COURSE";
    rec.ScoreTotal = rec.AdjScore = std::to_string(total);
    rec.Rating = "70.0";
    rec.Slope = "113";
    rec.Comment = "";
    table.Entries.push_back(rec);
  }
  SaveScores(table, shortName + ".qmg");
}

int LinesOf(const std::string& shortName) {
  const std::string text = ReadFile(shortName + ".qmg");
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

int RoundsOn(const std::string& shortName, const std::string& dateKey) {
  TScoreTable table;
  LoadScores(table, shortName + ".qmg", false);
  return static_cast<int>(std::count_if(table.Entries.begin(), table.Entries.end(),
                                        [&](const TScoreRec& r) { return r.Date == dateKey; }));
}

QString TodayKey() { return qm::Today().toString(QStringLiteral("yyyyMMdd")); }

}  // namespace

class GPickTest : public qm::test::WindowTest {
  Q_OBJECT
  QPointer<TGPickForm> list_;

  TScoreForm* Score() { return Program().ScoreForm; }

  TGPickForm* OpenList() {
    list_ = new TGPickForm;
    list_->setAttribute(Qt::WA_DeleteOnClose);
    list_->show();
    Activate(list_);
    return list_;
  }

  // Add a Score for the golfer of row, as the user starts it.
  void AddFor(int row) {
    Control<QListWidget>(list_, "GolferListBox")->setCurrentRow(row);
    Click(Control<QPushButton>(list_, "AddAScoreButton"));
  }

  // A round typed into the open score entry window: the course picked, the
  // total typed, then OK.
  void TypeRoundAndConfirm(const QString& total = QStringLiteral("88")) {
    QVERIFY(Score()->isVisible());
    Focus(Control<QComboBox>(Score(), "CourseField"));
    Control<QComboBox>(Score(), "CourseField")->setCurrentIndex(-1);
    QTest::keyClick(Control<QComboBox>(Score(), "CourseField"), Qt::Key_Down);
    TypeInto(Control<QLineEdit>(Score(), "ScoreTotal"), total);
    QTest::keyClick(Control<QLineEdit>(Score(), "ScoreTotal"), Qt::Key_Tab);
    Click(Control<QPushButton>(Score(), "OKButton"));
  }

 private slots:
  void init() {
    Begin();
    WriteFile("courses.qmd", kCourses);
    WriteFile("golfers.qmd", kRoster);
    WriteRounds("LEE", 3);
    WriteRounds("RAY", 20);
    Program().ScoreForm = new TScoreForm;
    Program().GolferForm = new TGolferForm;
  }
  void cleanup() {
    delete list_.data();
    QList<QPointer<QWidget>> opened;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (qobject_cast<TIndexForm*>(window) || qobject_cast<THandicapForm*>(window) ||
          qobject_cast<TGroupOfScoresForm*>(window))
        opened << window;
    qDeleteAll(opened);
    End();
  }

  void opensWithTheRosterAndItsControls() {
    TGPickForm* list = OpenList();
    QCOMPARE(list->windowTitle(), QStringLiteral("Golfer List"));
    QCOMPARE(list->size(), QSize(572, 385));
    QCOMPARE(Lines(Control<QListWidget>(list, "GolferListBox")),
             (QStringList{"Ann Lee", "Bob Ray"}));
    QCOMPARE(Control<QListWidget>(list, "GolferListBox")->currentRow(), 0);
    QCOMPARE(Control<QLabel>(list, "Label1")->text(),
             QStringLiteral("(36.4 for men, 40.4 for women)"));
    // Opened again at the same placement, it writes nothing.
    const auto written = std::filesystem::last_write_time(Dir().SettingsFile());
    delete list;
    list = OpenList();
    QCOMPARE(std::filesystem::last_write_time(Dir().SettingsFile()), written);
    // The list fills the client height but 26 pixels, also after a resize,
    // and the placement is kept.
    QCOMPARE(Control<QListWidget>(list, "GolferListBox")->height(),
             list->centralWidget()->height() - 26);
    list->resize(600, 450);
    QApplication::processEvents();
    QCOMPARE(Control<QListWidget>(list, "GolferListBox")->height(),
             list->centralWidget()->height() - 26);
    QCOMPARE(ReadSettingInt("GPickForm", "Height", 0), 450);
    Program().Closing = true;
    list->resize(590, 440);
    QApplication::processEvents();
    QCOMPARE(ReadSettingInt("GPickForm", "Height", 0), 450);
    SaveScreen(list, QStringLiteral("gpick"));
  }

  void aConfirmedRoundIsSavedOnceToItsGolfer() {
    TGPickForm* list = OpenList();
    AddFor(1);
    QCOMPARE(Score()->windowTitle(), QStringLiteral("Enter Score - Bob Ray"));
    // Twenty rounds of differential 20.0: the index is 19.2.
    QCOMPARE(Control<QLineEdit>(Score(), "IndexField")->text(), QStringLiteral("19.2"));
    // Selecting another row starts nothing.
    Control<QListWidget>(list, "GolferListBox")->setCurrentRow(0);
    TypeRoundAndConfirm();
    QVERIFY(!Score()->isVisible());
    QCOMPARE(QApplication::activeWindow(), list);
    QCOMPARE(LinesOf("RAY"), 21);
    QCOMPARE(LinesOf("LEE"), 3);
    TScoreTable table;
    LoadScores(table, "RAY.qmg", false);
    // Newest first; the list keeps no index or handicap with the round.
    QCOMPARE(QString::fromStdString(table.At(1).Date), TodayKey());
    QCOMPARE(table.At(1).Course, std::string("OAK HILL"));
    QCOMPARE(table.At(1).ScoreTotal, std::string("88"));
    QCOMPARE(table.At(1).EntryIndex, std::string("0"));
    QCOMPARE(table.At(1).EntryHandicap, std::string("0"));
    // The golfer of the last action is selected on activation.
    QCOMPARE(Control<QListWidget>(list, "GolferListBox")->currentRow(), 1);

    // Other windows coming and going activate the list again: the round is
    // not stored twice.
    Click(Control<QPushButton>(list, "IndexButton"));
    TIndexForm* sheet = Shown<TIndexForm>();
    QVERIFY(sheet != nullptr);
    Activate(sheet);
    sheet->close();
    Activate(list);
    QCOMPARE(LinesOf("RAY"), 21);
    QVERIFY(prompts_->Shown.empty());

    // Cancel stores nothing.
    AddFor(1);
    Click(Control<QPushButton>(Score(), "CancelButton"));
    QCOMPARE(LinesOf("RAY"), 21);
  }

  void theLimitOfScores() {
    WriteRounds("LEE", 199);
    TGPickForm* list = OpenList();
    AddFor(0);
    TypeRoundAndConfirm();
    QCOMPARE(LinesOf("LEE"), 200);
    QVERIFY(prompts_->Shown.empty());
    AddFor(0);
    QVERIFY(!Score()->isVisible());
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
    QCOMPARE(prompts_->Shown.at(0).Kind, BoxKind::Warning);
    QVERIFY(prompts_->Texts().at(0).startsWith("This golfer has reached the maximum allowed"));

    // Begun at 199, the file reaches 200 meanwhile (another window saved
    // it): the round is refused with the two messages, the file stays.
    WriteRounds("LEE", 199);
    prompts_->ClearShown();
    AddFor(0);
    WriteRounds("LEE", 200);
    const std::string before = ReadFile("LEE.qmg");
    TypeRoundAndConfirm();
    QCOMPARE(prompts_->Texts().size(), 2);
    QVERIFY(prompts_->Texts().at(0).startsWith("Bad News!  The score you just entered"));
    QCOMPARE(
        prompts_->Texts().at(1),
        QStringLiteral("Remember, the last 20 complete scores are used to calculate the index."));
    QCOMPARE(ReadFile("LEE.qmg"), before);
    QCOMPARE(Control<QListWidget>(list, "GolferListBox")->currentRow(), 0);
  }

  void theRoundStaysWithTheGolferItWasBegunFor() {
    TGPickForm* list = OpenList();
    AddFor(0);  // for Ann Lee
    // Bob's file, at the limit, refuses a second Add a Score; Bob's file
    // at 3 rounds gets the window to the front, still for Ann.
    WriteRounds("RAY", 200);
    AddFor(1);
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
    WriteRounds("RAY", 3);
    AddFor(1);
    QCOMPARE(Score()->windowTitle(), QStringLiteral("Enter Score - Ann Lee"));
    // Another action meanwhile, and a line saved to Ann's file by another
    // window: both stay, and the round goes to Ann.
    Click(Control<QPushButton>(list, "HandicapButton"));
    QVERIFY(Shown<THandicapForm>() != nullptr);
    TScoreTable table;
    LoadScores(table, "LEE.qmg", false);
    table.Entries.push_back(table.At(1));
    table.Entries.back().Date = "19990101";
    SaveScores(table, "LEE.qmg");
    Activate(Score());
    TypeRoundAndConfirm();
    QCOMPARE(RoundsOn("LEE", TodayKey().toStdString()), 1);
    QCOMPARE(RoundsOn("LEE", "19990101"), 1);
    QCOMPARE(LinesOf("RAY"), 3);
    // The list shows the golfer of the last action.
    QCOMPARE(Control<QListWidget>(list, "GolferListBox")->currentRow(), 1);
  }

  void roundsOfOtherWindowsAndClosingTheList() {
    TGPickForm* list = OpenList();
    // A round primed by another window (the golfer scores or a group
    // window) is not the list's, even for a golfer of the list.
    ScriptedOpener other;
    other.show();
    QVERIFY(Score()->PrimeNewRound(&other, {QStringLiteral("Ann Lee"), "LEE", QString()},
                                   TScoreForm::EntryValues::Zero));
    TypeRoundAndConfirm();
    Activate(list);
    QCOMPARE(LinesOf("LEE"), 3);
    QVERIFY(Score()->TakeRound(&other).has_value());

    // The windows the list opened outlive it; the score entry window open
    // for it goes as Cancel.
    Click(Control<QPushButton>(list, "IndexButton"));
    Click(Control<QPushButton>(list, "HandicapButton"));
    AddFor(0);
    QVERIFY(Score()->isVisible());
    list->close();
    DeleteClosedWindows();
    QVERIFY(list_.isNull());
    QVERIFY(!Score()->isVisible());
    QCOMPARE(Control<QLineEdit>(Score(), "OkPressed")->text(), QStringLiteral("0"));
    QVERIFY(Shown<TIndexForm>() != nullptr);
    QVERIFY(Shown<THandicapForm>() != nullptr);
    QCOMPARE(LinesOf("LEE"), 3);
  }

  void editViewAndAGroupOpenTheirWindows() {
    TGPickForm* list = OpenList();
    TGolferForm* scores = Program().GolferForm;
    // A double-click on a golfer is Edit/View Scores.
    const QPoint bob = Control<QListWidget>(list, "GolferListBox")
                           ->visualItemRect(Control<QListWidget>(list, "GolferListBox")->item(1))
                           .center();
    QTest::mouseClick(Control<QListWidget>(list, "GolferListBox")->viewport(), Qt::LeftButton, {},
                      bob);
    QTest::mouseDClick(Control<QListWidget>(list, "GolferListBox")->viewport(), Qt::LeftButton, {},
                       bob);
    QVERIFY(scores->isVisible());
    QCOMPARE(Control<QLineEdit>(scores, "GolferName")->text(), QStringLiteral("RAY.qmg"));
    QCOMPARE(Control<QLineEdit>(scores, "GolferName2")->text(), QStringLiteral("Bob Ray"));
    QCOMPARE(Control<QLineEdit>(scores, "GolferSex")->text(), QStringLiteral("0"));
    QCOMPARE(list->LastAction(), TGPickForm::Action::EditView);
    Control<QListWidget>(list, "GolferListBox")->setCurrentRow(0);
    Control<QAction>(list, "EditViewScores1")->trigger();
    QCOMPARE(Control<QLineEdit>(scores, "GolferName")->text(), QStringLiteral("LEE.qmg"));
    QCOMPARE(Control<QLineEdit>(scores, "GolferSex")->text(), QStringLiteral("1"));

    Click(Control<QPushButton>(list, "AddGroupButton"));
    QCOMPARE(list->LastAction(), TGPickForm::Action::AddGroup);
    QPointer<TGroupOfScoresForm> group = Shown<TGroupOfScoresForm>();
    QVERIFY(group);
    list->close();
    DeleteClosedWindows();
    QVERIFY(group && group->isVisible());
  }

  void theCheckBoxFollowsEachActionAndReachesTheFileAtClose() {
    WriteRounds("RAY", 20, 130);  // differential 60.0: 57.6, held to 36.4
    TGPickForm* list = OpenList();
    QVERIFY(Control<QCheckBox>(list, "chkUseMaxIndex")->isChecked());
    Control<QListWidget>(list, "GolferListBox")->setCurrentRow(1);
    Click(Control<QPushButton>(list, "HandicapButton"));
    QCOMPARE(Control<QLineEdit>(Shown<THandicapForm>(), "IndexField")->text(),
             QStringLiteral("36.4"));
    Shown<THandicapForm>()->close();
    DeleteClosedWindows();

    Control<QCheckBox>(list, "chkUseMaxIndex")->setChecked(false);
    QVERIFY(Program().UseMaxIndex);  // not before an action
    AddFor(1);
    QVERIFY(!Program().UseMaxIndex);
    QCOMPARE(Control<QLineEdit>(Score(), "IndexField")->text(), QStringLiteral("57.6"));
    Click(Control<QPushButton>(Score(), "CancelButton"));
    Control<QCheckBox>(list, "chkUseMaxIndex")->setChecked(true);
    Click(Control<QPushButton>(list, "IndexButton"));
    QVERIFY(Program().UseMaxIndex);
    // Unchecked again: the close brings it to the program and the file.
    Control<QCheckBox>(list, "chkUseMaxIndex")->setChecked(false);
    QVERIFY(ReadSettingBool("Settings", "UseMaxIndex", true));
    Click(Control<QPushButton>(list, "ExitButton"));
    QVERIFY(!Program().UseMaxIndex);
    QVERIFY(!ReadSettingBool("Settings", "UseMaxIndex", true));
  }

  void anEmptyRosterActsOnNobody() {
    WriteFile("golfers.qmd", "");
    TGPickForm* list = OpenList();
    Control<QCheckBox>(list, "chkUseMaxIndex")->setChecked(false);
    for (QPushButton* button :
         {Control<QPushButton>(list, "AddAScoreButton"), Control<QPushButton>(list, "IndexButton"),
          Control<QPushButton>(list, "HandicapButton")})
      Click(button);
    QVERIFY(!Score()->isVisible());
    QVERIFY(Shown<TIndexForm>() == nullptr);
    QVERIFY(Shown<THandicapForm>() == nullptr);
    QVERIFY(prompts_->Shown.empty());
    QVERIFY(Program().UseMaxIndex);
    QCOMPARE(list->SelectedGolfer(), 0);
    QCOMPARE(list->LastAction(), TGPickForm::Action::None);
  }

  // Without a roster file the list is rebuilt from the score files; one
  // whose name no short name can hold is named to the user, not dropped
  // silently, and its rounds stay where they are.
  void aScoreFileTheRosterCannotNameIsReported() {
    std::filesystem::remove("golfers.qmd");
    WriteRounds("a~b", 4);
    const std::string rounds = ReadFile("a~b.qmg");
    TGPickForm* list = OpenList();
    QCOMPARE(Lines(Control<QListWidget>(list, "GolferListBox")), (QStringList{"LEE", "RAY"}));
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
    QCOMPARE(prompts_->Shown.front().Kind, BoxKind::Warning);
    QVERIFY(prompts_->Shown.front().Text.startsWith(QStringLiteral("The score file \"a~b.qmg\"")));
    QCOMPARE(ReadFile("a~b.qmg"), rounds);
  }

  void enterScoresOpensANewListEachTime() {
    delete Program().ScoreForm;
    Program().ScoreForm = nullptr;
    StartUp();
    TMainForm* main = Program().MainForm;
    main->show();
    Click(Control<QPushButton>(main, "EnterScoresButton"));
    Control<QAction>(main, "EnterScores1")->trigger();
    std::vector<TGPickForm*> lists;
    for (QWidget* window : main->OpenedWindows())
      if (auto* list = qobject_cast<TGPickForm*>(window)) lists.push_back(list);
    QCOMPARE(lists.size(), std::size_t{2});
    QVERIFY(lists[0]->isVisible() && lists[1]->isVisible());
    QCOMPARE(Lines(Control<QListWidget>(lists[1], "GolferListBox")),
             (QStringList{"Ann Lee", "Bob Ray"}));
    ShutDown();
  }
};

QTEST_MAIN(GPickTest)
#include "gpick_test.moc"
