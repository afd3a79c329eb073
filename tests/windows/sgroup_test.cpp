// The group-of-scores window, opened as the golfer list opens it, with the
// rounds of several golfers typed into the score entry window one after
// another.
#include <QListWidget>
#include <QPointer>
#include <QtTest>
#include <memory>
#include <optional>

#include "app/clock.h"
#include "store/scores.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_rounds.h"
#include "support/workdir.h"
#include "windows/qmcourse.h"
#include "windows/qmgolfer.h"
#include "windows/qmsgroup.h"

using namespace qm;
using namespace qm::test;

namespace {

TScoreTable Load(const std::string& file) {
  TScoreTable table;
  LoadScores(table, file, false);
  return table;
}

}  // namespace

class GroupTest : public qm::test::WindowTest {
  Q_OBJECT
  TScoreForm* entry_ = nullptr;
  QPointer<TGroupOfScoresForm> group_;

  // Roster order: Ann (female), Bob, Cy.
  void OpenGroup() {
    group_ = new TGroupOfScoresForm;
    group_->show();
    Activate(group_);
  }
  void AddFor(int row) {
    Control<QListWidget>(group_, "GolferListBox")->setCurrentRow(row);
    Click(Control<QPushButton>(group_, "AddAScoreButton"));
  }

 private slots:
  void init() {
    Begin();
    WriteFile("courses.qmd", kTwoCourses);
    WriteFile("golfers.qmd", "Cy Three~CY~0~\r\nAnn One~ANN~1~\r\nBob Two~BOB~0~\r\n");
    WriteFile("ANN.qmg", ScoreLine("20050101", "95", "95") + Rounds(2));
    // Adjusted scores below the gross: the index handed on is the gross one.
    WriteFile("BOB.qmg", Rounds(5, "90", "85"));
    WriteFile("CY.qmg", "");
    Program().CourseForm = new TCourseForm;
    entry_ = Program().ScoreForm = new TScoreForm;
    Program().GolferForm = new TGolferForm;
    OpenGroup();
  }
  void cleanup() {
    delete group_.data();
    End();
  }

  void theNextGolferKeepsTheDateAndCourse() {
    QCOMPARE(Lines(Control<QListWidget>(group_, "GolferListBox")),
             (QStringList{"Ann One", "Bob Two", "Cy Three"}));
    SaveScreen(group_, QStringLiteral("group-of-scores"));
    AddFor(0);
    QVERIFY(entry_->isVisible());
    QCOMPARE(Control<QLineEdit>(entry_, "DateField")->text(), TodayDisplay());
    QCOMPARE(Control<QComboBox>(entry_, "CourseField")->currentIndex(), -1);
    QCOMPARE(Control<QLineEdit>(entry_, "IndexField")->text(), QStringLiteral("40.4"));
    TypeInto(Control<QLineEdit>(entry_, "DateField"), QStringLiteral("06/01/2004"));
    PickCourse(entry_, 1);
    ConfirmTotal(entry_, QStringLiteral("101"));
    // On disk at once, in date order, without the index at entry.
    const TScoreTable ann = Load("ANN.qmg");
    QCOMPARE(ann.Count(), 4);
    QCOMPARE(ann.At(1).Date, std::string("20050101"));
    QCOMPARE(ann.At(2).Date, std::string("20040601"));
    QCOMPARE(ann.At(2).Course, std::string("PINE RIDGE"));
    QCOMPARE(ann.At(2).EntryIndex, std::string("0"));
    QCOMPARE(ann.At(2).EntryHandicap, std::string("0"));
    QCOMPARE(Control<QListWidget>(group_, "GolferListBox")->currentRow(), 0);

    // Bob: the gross-score index (20.0 * 0.96), not the adjusted one.
    AddFor(1);
    QCOMPARE(Control<QLineEdit>(entry_, "IndexField")->text(), QStringLiteral("19.2"));
    QCOMPARE(Control<QLineEdit>(entry_, "DateField")->text(), QStringLiteral("06/01/2004"));
    QCOMPARE(Control<QComboBox>(entry_, "CourseField")->currentText(),
             QStringLiteral("PINE RIDGE"));
    QCOMPARE(Control<QLineEdit>(entry_, "CourseHandicapField")->text(),
             QStringLiteral("24"));  // 19.2 * 140 / 113
    Click(Control<QPushButton>(entry_, "CancelButton"));
    QCOMPARE(Load("BOB.qmg").Count(), 5);
    // A cancelled round counts: Cy starts where Bob's was left.
    AddFor(2);
    QCOMPARE(group_->GroupCount(), 3);
    QCOMPARE(Control<QLineEdit>(entry_, "DateField")->text(), QStringLiteral("06/01/2004"));
    QCOMPARE(Control<QComboBox>(entry_, "CourseField")->currentText(),
             QStringLiteral("PINE RIDGE"));
    QCOMPARE(Control<QLineEdit>(entry_, "CourseHandicapField")->text(),
             QStringLiteral("45"));  // 36.4 * 140 / 113
    ConfirmTotal(entry_, QStringLiteral("88"));
    QCOMPARE(Load("CY.qmg").Count(), 1);
    QCOMPARE(Control<QListWidget>(group_, "GolferListBox")->currentRow(), 2);
    Click(Control<QPushButton>(group_, "ExitButton"));
    QVERIFY(prompts_->Shown.empty());
    DeleteClosedWindows();
    QVERIFY(group_.isNull());

    // The golfer scores window shows Bob's adjusted index.
    Program().GolferForm->OpenFor({"Bob Two", "BOB", 0});
    QCOMPARE(Control<QLineEdit>(Program().GolferForm, "IndexField")->text(),
             QStringLiteral("14.4"));
  }

  void anotherWindowInBetweenLeavesTheGroupItsPlace() {
    AddFor(0);
    TypeInto(Control<QLineEdit>(entry_, "DateField"), QStringLiteral("06/01/2004"));
    PickCourse(entry_, 1);
    ConfirmTotal(entry_, QStringLiteral("101"));
    // The golfer scores window opens the score entry window for a round of
    // its own and leaves it with Cancel.
    TGolferForm* scores = Program().GolferForm;
    scores->OpenFor({"Cy Three", "CY", 0});
    Click(Control<QPushButton>(scores, "AddButton"));
    QCOMPARE(Control<QLineEdit>(entry_, "DateField")->text(), TodayDisplay());
    PickCourse(entry_, 0);
    Click(Control<QPushButton>(entry_, "CancelButton"));
    AddFor(1);
    QCOMPARE(Control<QLineEdit>(entry_, "DateField")->text(), QStringLiteral("06/01/2004"));
    QCOMPARE(Control<QComboBox>(entry_, "CourseField")->currentText(),
             QStringLiteral("PINE RIDGE"));
    QCOMPARE(Control<QLineEdit>(entry_, "CourseHandicapField")->text(), QStringLiteral("24"));
    ConfirmTotal(entry_, QStringLiteral("90"));
    QCOMPARE(Load("BOB.qmg").At(1).Date, std::string("20040601"));
  }

  void theRoundGoesToTheFileAsItIsWhenItComesBack() {
    AddFor(0);
    // Meanwhile the golfer scores window deletes one of Ann's rounds and
    // saves.
    TGolferForm* scores = Program().GolferForm;
    scores->OpenFor({"Ann One", "ANN", 1});
    Click(Control<QPushButton>(scores, "DeleteButton"));
    Click(Control<QPushButton>(scores, "SaveButton"));
    QCOMPARE(Load("ANN.qmg").Count(), 2);
    PickCourse(entry_, 0);
    ConfirmTotal(entry_, QStringLiteral("99"));
    QCOMPARE(Load("ANN.qmg").Count(), 3);

    // Full by the time the round comes back: the two messages, nothing saved.
    AddFor(0);
    WriteFile("ANN.qmg", Rounds(200));
    prompts_->ClearShown();
    ConfirmTotal(entry_, QStringLiteral("99"));
    QCOMPARE(prompts_->Texts().size(), 2);
    QVERIFY(prompts_->Texts()[0].startsWith(QLatin1String("Bad News!")));
    QVERIFY(prompts_->Texts()[1].startsWith(QLatin1String("Remember,")));
    QCOMPARE(ReadFile("ANN.qmg"), Rounds(200));
  }

  void theOpenRoundStaysWithItsGolfer() {
    AddFor(0);
    // Another golfer while Ann's round is open: nothing is primed anew.
    AddFor(1);
    QCOMPARE(group_->ChosenGolfer(), 1);
    QCOMPARE(entry_->windowTitle(), QStringLiteral("Enter Score - Ann One"));
    PickCourse(entry_, 0);
    ConfirmTotal(entry_, QStringLiteral("99"));
    QCOMPARE(Load("ANN.qmg").Count(), 4);
    QCOMPARE(Load("BOB.qmg").Count(), 5);

    // Refused and failed Add a Score leave the chosen golfer as it was.
    WriteFile("BOB.qmg", Rounds(200));
    AddFor(1);
    std::filesystem::remove("CY.qmg");
    AddFor(2);
    QCOMPARE(prompts_->Shown.size(), std::size_t{2});
    QVERIFY(prompts_->Shown[0].Text.startsWith(QLatin1String("This golfer has reached")));
    QCOMPARE(prompts_->Shown[1].Text, QStringLiteral("File not found"));
    QVERIFY(!entry_->isVisible());
    QCOMPARE(group_->ChosenGolfer(), 1);
    QWidget other;
    other.show();
    Activate(&other);
    Activate(group_);
    QCOMPARE(Control<QListWidget>(group_, "GolferListBox")->currentRow(), 0);
  }

  void closingTakesTheOpenRoundWithIt() {
    AddFor(0);
    QVERIFY(entry_->isVisible());
    Control<QAction>(group_, "Exit1")->trigger();
    QVERIFY(!entry_->isVisible());
    QCOMPARE(Load("ANN.qmg").Count(), 3);
  }
};

QTEST_MAIN(GroupTest)
#include "sgroup_test.moc"
