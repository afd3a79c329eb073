// Data in and out through the real windows' menus: a golfer's rounds
// exported and imported again, an import that waits for the user's Yes, the
// golfer list's handicaps, and a backup restored through the main window.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <optional>

#include "app/backup.h"
#include "app/clock.h"
#include "app/dataexport.h"
#include "app/folderlock.h"
#include "store/csv.h"
#include "store/roster.h"
#include "store/scores.h"
#include "store/settings.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_rounds.h"
#include "support/workdir.h"
#include "windows/qmapp.h"
#include "windows/qmgolfer.h"
#include "windows/qmgpick.h"
#include "windows/qmmain.h"

using namespace qm;
using namespace qm::test;
namespace fs = std::filesystem;
using Rows = std::vector<csv::Row>;

namespace {

const TRosterEntry kPat{"Pat Golfer", "PAT", 0};

// The file's rows as a spreadsheet reads them, header first.
Rows CsvRows(const QString& path) {
  Rows rows;
  for (csv::LineRow& row : csv::ReadRows(ReadFile(path.toStdString()))) rows.push_back(row.Fields);
  return rows;
}

std::string Holes(const std::string& value) {
  std::string holes;
  for (int i = 0; i < 18; ++i) holes += value + "~";
  return holes;
}

}  // namespace

class DataInOutTest : public qm::test::WindowTest {
  Q_OBJECT

  QString InRoot(const char* name) const {
    return QString::fromStdString((Dir().Root() / name).string());
  }

 private slots:
  void init() {
    Begin();
    WriteFile("courses.qmd", kTwoCourses);
    WriteFile("golfers.qmd", "Pat Golfer~PAT~0~\r\nSam Player~SAM~1~\r\n");
    StartUp();
  }

  void exportThenImportGivesTheSameScoreFile() {
    // Hole by hole with putts, an entry index and a comment to quote; an
    // invalid date; a damaged date key; a score of 0 without an AGS; an
    // incomplete round; rounds the index averages.
    WriteFile("PAT.qmg", "20240506~PINE RIDGE~91~72.0~140~Windy, \"cold\" \xE9\x80~" + Holes("5") +
                             Holes("2") + "89~36.4~45~\r\n" + ScoreLine("99999999", "90", "88") +
                             ScoreLine("2002abcd", "77", "77", "69.0") +
                             ScoreLine("20020223", "85", "83", "70.5", "125", "Riverside") +
                             ScoreLine("20000101", "0", "") +
                             ScoreLine("19990101", "88", "88", "", "") + Rounds(3));
    TScoreTable table;  // the file as the window saves it
    LoadSortedScores(table, "PAT.qmg", true);
    SaveScores(table, "PAT.qmg");
    TGolferForm* form = Program().GolferForm;
    form->OpenFor(kPat);
    Control<QMenu>(form, "File1")->popup(form->mapToGlobal(QPoint(10, 20)));
    SaveScreen(Control<QMenu>(form, "File1"), QStringLiteral("golfer-file-menu"));
    Control<QMenu>(form, "File1")->hide();

    const QString csvPath = InRoot("pat.csv");
    // A data file and the folder's lock are refused.
    prompts_->FileChoices = {QStringLiteral("PAT.qmg"), QString::fromLatin1(DataFolderLockName),
                             csvPath};
    for (int i = 0; i < 3; ++i) Control<QAction>(form, "ExportScores1")->trigger();
    QCOMPARE(prompts_->Shown.at(0).Text, QDir(DataFolder()).filePath("PAT scores.csv"));
    QCOMPARE(prompts_->Shown.at(1).Kind, BoxKind::Warning);
    QCOMPARE(prompts_->Shown.at(3).Kind, BoxKind::Warning);
    QCOMPARE(prompts_->Texts().last(), "Wrote 9 rounds to " + csvPath + ".");
    // Newest first, with the list's mark and differential.
    const Rows rows = CsvRows(csvPath);
    QCOMPARE(rows.size(), std::size_t{10});
    for (int row = 0; row < 9; ++row) {
      const QString line = Control<QListWidget>(form, "ScoresListBox")->item(row)->text();
      const csv::Row& fields = rows[static_cast<std::size_t>(row) + 1];
      QCOMPARE(QString::fromStdString(fields.back()), line.left(1).trimmed());
      QVERIFY(line.contains(" " + QString::fromStdString(fields[fields.size() - 2]) + "   "));
    }

    WriteFile("NEW.qmg", "");
    form->OpenFor({"New Golfer", "NEW", 1});
    prompts_->ClearShown();
    prompts_->FileChoices = {csvPath};
    Control<QAction>(form, "ImportScores1")->trigger();
    QCOMPARE(prompts_->Texts().mid(1),
             QStringList{"9 rounds will be added.\n\nAdd 9 rounds to the scores of New Golfer?"});
    Click(Control<QPushButton>(form, "SaveButton"));
    QCOMPARE(ReadFile("NEW.qmg"), ReadFile("PAT.qmg"));
  }

  void importShowsOneSummaryAndAddsOnlyOnYes() {
    const std::string file = ScoreLine("20240501", "90", "90");
    WriteFile("PAT.qmg", file);
    TGolferForm* form = Program().GolferForm;
    form->OpenFor(kPat);
    QCOMPARE(Control<QLineEdit>(form, "IndexField")->text(), QStringLiteral("36.4"));
    // Columns in another order; no AGS: 36.4 gives 45 strokes at PINE RIDGE
    // (at most 10 a hole), 36 at a course not in the list with the row's
    // slope 113 (at most 9).
    WriteFile("in.csv",
              "Course,Date,Score,Rating,Slope,Hole1\r\nOAK HILL,2024-05-01,90,70.0,113\r\n"
              "PINE RIDGE,05/02/2024,97,72.0,140,12\r\nELM,2024-05-03,97,70.0,113,12\r\n"
              "OAK HILL,2024-05-04,8x,70.0,113\r\n");
    const QString summary = QStringLiteral(
        "2 rounds will be added.\n"
        "Already there (same date, course and score), not added: line 2.\n"
        "Not added:\nLine 5: Score \"8x\" is not a number.\n\n"
        "Add 2 rounds to the scores of Pat Golfer?");

    prompts_->FileChoices = {QStringLiteral("in.csv")};
    prompts_->Answers = {Answer::No};
    Control<QAction>(form, "ImportScores1")->trigger();
    QCOMPARE(prompts_->Texts().mid(1), QStringList{summary});
    QCOMPARE(form->Scores().Count(), 1);
    QVERIFY(!Control<QPushButton>(form, "SaveButton")->isEnabled());

    prompts_->FileChoices = {QStringLiteral("in.csv")};
    Control<QAction>(form, "ImportScores1")->trigger();
    QCOMPARE(form->Scores().Count(), 3);
    QCOMPARE(form->Scores().At(1).AdjScore, std::string("94"));  // ELM, the newest
    QCOMPARE(form->Scores().At(2).AdjScore, std::string("95"));
    QVERIFY(Control<QPushButton>(form, "SaveButton")->isEnabled());
    QCOMPARE(ReadFile("PAT.qmg"), file);  // unsaved until Save
  }

  void golferListExportsHandicapsByItsCheckBox() {
    WriteFile("PAT.qmg", ScoreLine("99999999", "90", "90") + Rounds(20, "120", "120"));
    WriteFile("SAM.qmg", ScoreLine("20240501", "90", "90"));
    auto list = std::make_unique<TGPickForm>();
    const QString path = InRoot("h.csv");
    prompts_->FileChoices = {path, path, path};
    Control<QCheckBox>(list.get(), "chkUseMaxIndex")->setChecked(false);
    Control<QAction>(list.get(), "ExportHandicaps1")->trigger();
    QCOMPARE(CsvRows(path),
             (Rows{{"LongName", "ShortName", "Sex", "Rounds", "CompleteRounds", "Index"},
                   {"Pat Golfer", "PAT", "M", "21", "20", "48.0"},
                   {"Sam Player", "SAM", "F", "1", "1", "40.4"}}));
    Control<QCheckBox>(list.get(), "chkUseMaxIndex")->setChecked(true);
    Control<QAction>(list.get(), "ExportHandicaps1")->trigger();
    QCOMPARE(CsvRows(path)[1][5], std::string("36.4"));
    Control<QAction>(list.get(), "ExportAllScores1")->trigger();
    QCOMPARE(CsvRows(path).size(), std::size_t{23});
    QCOMPARE(prompts_->Texts().last(), "Wrote 22 rounds of 2 golfers to " + path + ".");
  }

  void backupThenRestoreThroughTheMainWindow() {
    WriteFile("strokes.qmd", "OAK HILL~1~2~3~\r\n");
    WriteFile("PAT.qmg", Rounds(2));
    WriteFile(Dir().SettingsFile(), "[Settings]\r\nUseMaxIndex=0\r\n");
    Program().UseMaxIndex = false;  // as read at the start
    TMainForm* main = Program().MainForm;
    main->show();

    // Refused while another window is open: nothing is asked.
    Click(Control<QPushButton>(main, "EnterScoresButton"));
    Control<QAction>(main, "Restore1")->trigger();
    QCOMPARE(prompts_->Texts(),
             QStringList{"Please close the other windows of the program before you restore "
                         "data:\nGolfer List"});
    for (QWidget* window : main->OpenedWindows()) window->close();
    QApplication::processEvents();

    const QString zip = InRoot("backup.zip");
    prompts_->FileChoices = {zip};
    Control<QAction>(main, "BackUp1")->trigger();
    QCOMPARE(prompts_->Shown.at(1).Text, DefaultBackupPath(DataFolder(), Now(), false));
    QCOMPARE(prompts_->Texts().at(2), "The backup holds 5 files. It is " + zip + ".");
    const std::vector<fs::path> files = {"golfers.qmd", "courses.qmd", "strokes.qmd", "PAT.qmg",
                                         Dir().SettingsFile()};
    std::vector<std::string> before;
    for (const fs::path& file : files) before.push_back(ReadFile(file));

    // The user goes on: a round, a golfer, a course and the rule.
    WriteFile("PAT.qmg", Rounds(3));
    WriteFile("NEW.qmg", Rounds(1));
    WriteFile("courses.qmd", "ELM~70.0~113~72~\r\n");
    WriteSettingBool("Settings", "UseMaxIndex", true);
    Program().UseMaxIndex = true;
    Program().ScoreForm->ReloadCourses();

    prompts_->ClearShown();
    prompts_->FileChoices = {zip, zip};
    prompts_->Answers = {Answer::No, Answer::Yes};
    Control<QAction>(main, "Restore1")->trigger();
    QCOMPARE(prompts_->Shown.at(1).Kind, BoxKind::ConfirmYesNo);
    QVERIFY(prompts_->Shown.at(1).Text.contains(DataFolder()));
    QVERIFY(prompts_->Shown.at(1).Text.contains(zip));
    QCOMPARE(ReadFile("PAT.qmg"), Rounds(3));  // No: nothing written

    Control<QAction>(main, "Restore1")->trigger();
    for (std::size_t i = 0; i < files.size(); ++i) QCOMPARE(ReadFile(files[i]), before[i]);
    QVERIFY(!fs::exists("NEW.qmg"));
    QVERIFY(!Program().UseMaxIndex);
    QCOMPARE(Program().ScoreForm->Courses().At(1).CourseName, std::string("OAK HILL"));
    // The data the restore replaced are kept beside the folder.
    const QStringList kept =
        QDir(InRoot("")).entryList({QStringLiteral("Quillmor backup * *.zip")});
    QCOMPARE(kept.size(), 1);
    QVERIFY(prompts_->Texts().last().endsWith(kept.front() + "."));
    QCOMPARE(CheckBackup(InRoot("") + kept.front()).Files.size(), std::size_t{6});  // NEW.qmg too
  }
};

QTEST_MAIN(DataInOutTest)
#include "datainout_test.moc"
