// One golfer rule for every caller, and no confirmed round lost: the sex of
// a roster code and a round's mark as the golfer scores window, the golf
// history and the handicap list give them; a round stored by another
// window while the golfer scores window holds changes; a list file changed
// under its maintenance window; the data folder's lock.
#include <QDir>
#include <QListWidget>
#include <QLockFile>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/folderlock.h"
#include "print/hdcplist.h"
#include "print/history.h"
#include "store/roster.h"
#include "store/scores.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_rounds.h"
#include "windows/qmgmaint.h"
#include "windows/qmgname.h"
#include "windows/qmgolfer.h"
#include "windows/qmgpick.h"

using namespace qm;
using namespace qm::test;

namespace {

struct Collected : ReportSink {
  QStringList All;
  void AddLine(const std::string& line) override { All << QString::fromStdString(line); }
};

// The golfer of golfers.qmd as the roster reader gives it.
TRosterEntry OnlyGolfer() {
  TRosterTable roster;
  LoadRoster(roster);
  return roster.At(1);
}

// Six complete rounds (the index averages the best, 85), one without a
// rating and one whose line stops after the score, newest first.
const char* kMarkedRounds = "20010108~OAK HILL~70~\r\n";
const QString kMarks = QStringLiteral("II    * ");

QString MarksOf(const QStringList& rows) {
  QString marks;
  for (const QString& row : rows) marks += row.front();
  return marks;
}

}  // namespace

class KeptTest : public qm::test::WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    Begin();
    WriteFile("courses.qmd", kTwoCourses);
    Program().ScoreForm = new TScoreForm;
    Program().GolferForm = new TGolferForm;
    Program().GNameForm = new TGNameForm;
  }

  void everyCallerTakesTheSexAndMarksByOneRule_data() {
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QString>("index");
    QTest::newRow("0 male") << QByteArray("0") << QStringLiteral("36.4");
    QTest::newRow("1 female") << QByteArray("1") << QStringLiteral("40.4");
    QTest::newRow("2 female") << QByteArray("2") << QStringLiteral("40.4");
    QTest::newRow("9 female") << QByteArray("9") << QStringLiteral("40.4");
    QTest::newRow("empty male") << QByteArray("") << QStringLiteral("36.4");
  }
  void everyCallerTakesTheSexAndMarksByOneRule() {
    QFETCH(QByteArray, code);
    QFETCH(QString, index);
    WriteFile("golfers.qmd", "Pat Golfer~PAT~" + code.toStdString() + "~\r\n");
    // Three rounds: the Maximum Index of the golfer's sex.
    WriteFile("PAT.qmg", Rounds(3));
    const TRosterEntry golfer = OnlyGolfer();
    TScoreTable scores;
    LoadSortedScores(scores, "PAT.qmg", false);

    Program().GolferForm->OpenFor(golfer);
    QCOMPARE(Control<QLineEdit>(Program().GolferForm, "IndexField")->text(), index);
    Collected history;
    GolferHistoryLines(golfer, scores, true, history);
    QVERIFY(history.All.contains(QStringLiteral("The current index for Pat Golfer is ") + index));
    Collected list;
    HandicapListLines("12/08/2026", {"OAK HILL", "70.0", "113", "72"}, {golfer}, true, list);
    QVERIFY(list.All.last().contains(QStringLiteral("   ") + index + QStringLiteral("   ")));

    // The marks: the same on screen and on paper, a cut-short line too.
    std::string file = kMarkedRounds + ScoreLine("20010107", "80", "80", "");
    const char* totals[] = {"95", "94", "93", "92", "85", "90"};
    for (int i = 0; i < 6; ++i)
      file += ScoreLine("2001010" + std::to_string(6 - i), totals[i], totals[i]);
    WriteFile("PAT.qmg", file);
    LoadSortedScores(scores, "PAT.qmg", false);
    Program().GolferForm->close();
    Program().GolferForm->OpenFor(golfer);
    QStringList shown;
    for (int row = 0; row < Control<QListWidget>(Program().GolferForm, "ScoresListBox")->count();
         ++row)
      shown << Control<QListWidget>(Program().GolferForm, "ScoresListBox")->item(row)->text();
    QCOMPARE(MarksOf(shown), kMarks);
    Collected rows;
    GolferHistoryLines(golfer, scores, true, rows);
    QCOMPARE(MarksOf(rows.All.filter(QRegularExpression(QStringLiteral("^. +[0-9]+ - ")))), kMarks);
  }

  void aRoundStoredMeanwhileSurvivesTheScoresWindowsSave() {
    WriteFile("golfers.qmd", "Pat Golfer~PAT~0~\r\n");
    WriteFile("PAT.qmg", Rounds(3));
    TGolferForm* scores = Program().GolferForm;
    scores->OpenFor(OnlyGolfer());
    // The user deletes the oldest round here, then adds one from the golfer
    // list before saving.
    Control<QListWidget>(scores, "ScoresListBox")->setCurrentRow(2);
    Click(Control<QPushButton>(scores, "DeleteButton"));
    auto* list = new TGPickForm;
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->show();
    Activate(list);
    Control<QListWidget>(list, "GolferListBox")->setCurrentRow(0);
    Click(Control<QPushButton>(list, "AddAScoreButton"));
    PickCourse(Program().ScoreForm, 1);
    ConfirmTotal(Program().ScoreForm, QStringLiteral("77"));
    QCOMPARE(QApplication::activeWindow(), list);
    list->close();
    // Meanwhile another program drops the newest of the three from the file.
    std::string file = ReadFile("PAT.qmg");
    const std::string newest = ScoreLine("20010103", "90", "90");
    file.erase(file.find(newest), newest.size());
    WriteFile("PAT.qmg", file);

    Activate(scores);
    prompts_->ClearShown();
    Click(Control<QPushButton>(scores, "SaveButton"));
    TScoreTable saved;
    LoadScores(saved, "PAT.qmg", false);
    QCOMPARE(saved.Count(), 3);
    QCOMPARE(saved.At(1).ScoreTotal, std::string("77"));
    QCOMPARE(saved.At(2).Date, std::string("20010103"));
    QCOMPARE(saved.At(3).Date, std::string("20010102"));
    QCOMPARE(Control<QListWidget>(scores, "ScoresListBox")->count(), 3);
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
    QVERIFY(prompts_->Shown.front().Text.startsWith(QStringLiteral("1 round that another window")));
    // Told once: the next save finds nothing new.
    scores->SaveButtonClick();
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
  }

  void aListFileChangedSinceReadingIsReplacedOnlyOnYes() {
    WriteFile("golfers.qmd", "Pat Golfer~PAT~0~\r\nSam Player~SAM~1~\r\n");
    TGMaintForm* roster = TGMaintForm::Open();
    QVERIFY(roster != nullptr);
    roster->show();
    // Unchanged: saved without a question.
    roster->SaveButtonClick();
    QVERIFY(prompts_->Shown.empty());
    const std::string other = "Pat Golfer~PAT~0~\r\nSam Player~SAM~1~\r\nAnn Lee~LEE~1~\r\n";
    WriteFile("golfers.qmd", other);
    Click(Control<QPushButton>(roster, "DeleteButton"));  // Pat, whose score file does not exist
    // Yes to saving at Exit, No to replacing the file.
    prompts_->Answers = {Answer::Yes, Answer::No};
    prompts_->ClearShown();
    // Exit, Yes to saving, No to replacing: nothing written, nothing lost.
    Click(Control<QPushButton>(roster, "ExitButton"));
    QCOMPARE(ReadFile("golfers.qmd"), other);
    QVERIFY(roster->isVisible() && roster->Modified());
    QCOMPARE(prompts_->Shown.back().Text,
             QStringLiteral("The file \"golfers.qmd\" has been changed by another window or "
                            "program since this window read it.  Replace it with the list "
                            "shown here?"));
    Click(Control<QPushButton>(roster, "SaveButton"));
    QCOMPARE(ReadFile("golfers.qmd"), std::string("Sam Player~SAM~1~\r\n"));
    delete roster;
  }

  void aSecondProgramCannotTakeTheFolderButADeadOnesLockIsTaken() {
    QString refusal;
    std::unique_ptr<QLockFile> first = LockDataFolder(QDir::currentPath(), refusal);
    QVERIFY(first != nullptr);
    QVERIFY(LockDataFolder(QDir::currentPath(), refusal) == nullptr);
    QVERIFY(refusal.contains(QDir::toNativeSeparators(QDir::currentPath())));
    QVERIFY(
        refusal.contains(QStringLiteral("(process %1").arg(QCoreApplication::applicationPid())));
    first.reset();

    // A lock file left by a process that no longer runs.
    QProcess gone;
    gone.start(QStringLiteral("true"));
    QVERIFY(gone.waitForStarted());
    const qint64 pid = gone.processId();
    QVERIFY(gone.waitForFinished());
    WriteFile(DataFolderLockName, QStringLiteral("%1\nquillmor\n%2\n")
                                      .arg(pid)
                                      .arg(QSysInfo::machineHostName())
                                      .toStdString());
    QVERIFY(LockDataFolder(QDir::currentPath(), refusal) != nullptr);
  }
};

QTEST_MAIN(KeptTest)
#include "kept_test.moc"
