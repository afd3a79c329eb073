// The roster maintenance window and the golfer name dialog as the user
// meets them: adding, changing and deleting golfers, the score files that
// follow the roster when it is saved, and what reaches golfers.qmd.
#include <QtTest>
#include <filesystem>
#include <optional>

#include "store/fileio.h"
#include "store/settings.h"
#include "support/qt_maint.h"
#include "windows/qmapp.h"
#include "windows/qmgmaint.h"
#include "windows/qmgname.h"

using namespace qm;
using namespace qm::test;
namespace fs = std::filesystem;

class GMaintTest : public QObject {
  Q_OBJECT

  std::optional<qm::test::MaintFixture<TGMaintForm, TGNameForm>> fixture_;
  qm::test::ScriptedPrompts* prompts_ = nullptr;

  TGNameForm* Form() { return Program().GNameForm; }
  TGMaintForm* OpenWindow() { return fixture_->Open(); }

  // Add, type the long name and leave it (the short name is proposed).
  void StartAdding(TGMaintForm* window, const QString& longName) {
    Click(Control<QPushButton>(window, "AddButton"));
    TypeInto(Control<QLineEdit>(Form(), "LongName"), longName);
    LeaveField(Control<QLineEdit>(Form(), "LongName"));
  }

  static void CloseNow(QWidget* window) {
    window->close();
    DeleteClosedWindows();
  }

 private slots:
  void init() { prompts_ = &fixture_.emplace(&QmProgram::GNameForm).Prompts(); }
  void cleanup() { fixture_.reset(); }

  void addingProposesAFreeShortNameAndCreatesItsFile() {
    WriteFile("golfers.qmd", "");
    WriteFile("MARY_JON.qmg", "");
    TGMaintForm* window = OpenWindow();
    QVERIFY(window != nullptr);
    StartAdding(window, QStringLiteral("Mary Jones"));
    QVERIFY(Form()->isVisible());
    QCOMPARE(Control<QLineEdit>(Form(), "ShortName")->text(), QStringLiteral("MARY_JO1"));
    QVERIFY(!fs::exists("MARY_JO1.qmg"));
    QVERIFY(
        !Control<QPushButton>(window, "AddButton")->isEnabled());  // the list waits for the dialog

    Click(Control<QPushButton>(Form(), "OKButton"));
    QVERIFY(!Form()->isVisible());
    QVERIFY(fs::exists("MARY_JO1.qmg"));
    QCOMPARE(fs::file_size("MARY_JO1.qmg"), std::uintmax_t{0});
    QCOMPARE(Lines(Control<QListWidget>(window, "GolferListBox")),
             QStringList{QStringLiteral("Mary Jones")});
    QVERIFY(Control<QPushButton>(window, "SaveButton")->isEnabled());
    QCOMPARE(ReadFile("golfers.qmd"), std::string());  // the roster waits for Save

    Click(Control<QPushButton>(window, "SaveButton"));
    QCOMPARE(ReadFile("golfers.qmd"), std::string("Mary Jones~MARY_JO1~0~\r\n"));
    QVERIFY(!Control<QPushButton>(window, "SaveButton")->isEnabled());

    // Past nine retries the number takes two places; Enter confirms and
    // still proposes the short name first.
    for (int k = 2; k <= 9; ++k) WriteFile("MARY_JO" + std::to_string(k) + ".qmg", "");
    Click(Control<QPushButton>(window, "AddButton"));
    TypeInto(Control<QLineEdit>(Form(), "LongName"), QStringLiteral("MARY JONES"));
    QTest::keyClick(Control<QLineEdit>(Form(), "LongName"), Qt::Key_Return);
    QVERIFY(!Form()->isVisible());
    QCOMPARE(window->Roster().At(1).ShortName, std::string("MARY_J10"));  // "MARY" before "Mary"
    QVERIFY(fs::exists("MARY_J10.qmg"));
    QVERIFY(prompts_->Shown.empty());
  }

  void anExistingScoreFileIsUsedOnlyWhenConfirmed() {
    WriteFile("golfers.qmd", "");
    WriteFile("SMITH.qmg", "20020101~OAK~90~\r\n");
    TGMaintForm* window = OpenWindow();
    StartAdding(window, QStringLiteral("JOHN SMITH"));
    QCOMPARE(Control<QLineEdit>(Form(), "ShortName")->text(), QStringLiteral("JOHN_SMI"));
    Control<QLineEdit>(Form(), "ShortName")->selectAll();
    Control<QLineEdit>(Form(), "ShortName")
        ->insert(QStringLiteral("\u00e9t\u00e9"));  // only a-z are turned
    QCOMPARE(Control<QLineEdit>(Form(), "ShortName")->text(), QStringLiteral("\u00e9T\u00e9"));
    TypeInto(Control<QLineEdit>(Form(), "ShortName"), QStringLiteral("smith"));
    QCOMPARE(Control<QLineEdit>(Form(), "ShortName")->text(), QStringLiteral("SMITH"));

    prompts_->Answers = {qm::Answer::No};
    Click(Control<QPushButton>(Form(), "OKButton"));
    QCOMPARE(prompts_->Texts(),
             QStringList{QStringLiteral("A golfer score file with the same name \"SMITH.qmg\" "
                                        "already exists.  Use it for this golfer?")});
    QCOMPARE(prompts_->Shown.front().Kind, qm::test::BoxKind::WarningYesNo);
    QVERIFY(Form()->isVisible());
    QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(Form(), "ShortName"));
    QCOMPARE(window->Roster().Count(), 0);

    prompts_->Answers = {qm::Answer::Yes};
    Click(Control<QPushButton>(Form(), "OKButton"));
    QVERIFY(!Form()->isVisible());
    QCOMPARE(window->Roster().At(1).ShortName, std::string("SMITH"));
    QCOMPARE(ReadFile("SMITH.qmg"), std::string("20020101~OAK~90~\r\n"));
  }

  void theDialogIsPrimedByTheRosterRuleAndKeepsAnUntouchedCode() {
    // A hand-edited roster: 2 is female by the rule every window follows.
    WriteFile("golfers.qmd", "PAT LEE~PAT~2~\r\n");
    TGMaintForm* window = OpenWindow();
    Click(Control<QPushButton>(window, "ModifyButton"));
    QCOMPARE(Form()->SexIndex(), 1);
    QCOMPARE(Control<QLineEdit>(Form(), "EditMode")->text(), QStringLiteral("E"));
    Click(Control<QPushButton>(Form(), "OKButton"));
    QCOMPARE(window->Roster().At(1).Sex, 2);
    Click(Control<QPushButton>(window, "ModifyButton"));
    Control<QRadioButton>(Form(), "SexRadioMale")->click();
    Click(Control<QPushButton>(Form(), "OKButton"));
    QCOMPARE(window->Roster().At(1).Sex, 0);
    Click(Control<QPushButton>(window, "AddButton"));
    QVERIFY(Control<QLineEdit>(Form(), "LongName")->text().isEmpty() && Form()->SexIndex() == 0);
    QCOMPARE(Control<QLineEdit>(Form(), "EditMode")->text(), QStringLiteral("A"));
  }

  void okRefusesNamesThatCannotBeStored_data() {
    QTest::addColumn<QString>("longName");
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field");
    QTest::newRow("no short name")
        << QString() << QString() << "You must enter a value in the short name field."
        << "ShortName";
    QTest::newRow("dot in short name")
        << "ANN LEE"
        << "ANN.LEE"
        << "The short golfer name can only contain the letters A - Z, numbers, dashes and "
           "underlines."
        << "ShortName";
    QTest::newRow("letter outside the character set")
        << QStringLiteral("Ann \u0141ee") << "ANNLEE"
        << "The long name can only contain characters of the Western European character set."
        << "LongName";
    QTest::newRow("field separator") << "ANN~LEE"
                                     << "ANNLEE"
                                     << "The long name cannot contain the character \"~\"."
                                     << "LongName";
  }

  void okRefusesNamesThatCannotBeStored() {
    QFETCH(QString, longName);
    QFETCH(QString, shortName);
    QFETCH(QString, message);
    QFETCH(QString, field);
    TGMaintForm* window = OpenWindow();
    Click(Control<QPushButton>(window, "AddButton"));
    // Pasted, as a character without a key would come in.
    for (auto [field, text] : {std::pair{Control<QLineEdit>(Form(), "LongName"), longName},
                               {Control<QLineEdit>(Form(), "ShortName"), shortName}}) {
      qm::test::Focus(field);
      field->selectAll();
      field->insert(text);
    }
    Click(Control<QPushButton>(Form(), "OKButton"));
    QCOMPARE(prompts_->Texts(), QStringList{message});
    QVERIFY(Form()->isVisible());
    QCOMPARE(QApplication::focusWidget()->objectName(), field);
    // Sent back with the text selected, so typing replaces it.
    auto* refused = static_cast<QLineEdit*>(QApplication::focusWidget());
    QCOMPARE(refused->selectedText(), refused->text());
    QCOMPARE(Control<QLineEdit>(Form(), "OkPressed")->text(), QStringLiteral("0"));
    QVERIFY(fs::is_empty(fixture_->Dir().Work()));  // no score file made
  }

  void changingAShortNameRenamesTheScoreFileWhenSaved() {
    WriteFile("golfers.qmd", "TOM TAYLOR~TOM~0~\r\nMARY JONES~MARY~1~\r\n");
    WriteFile("MARY.qmg", "mary's rounds\r\n");
    WriteFile("TOM.qmg", "tom's rounds\r\n");
    TGMaintForm* window = OpenWindow();
    QCOMPARE(Lines(Control<QListWidget>(window, "GolferListBox")),
             (QStringList{QStringLiteral("MARY JONES"), QStringLiteral("TOM TAYLOR")}));
    QVERIFY(!qm::test::SaveScreen(window, QStringLiteral("gmaint")).isEmpty());

    // Another golfer's file is in the way: the other changes are taken,
    // the short name is not.
    Control<QListWidget>(window, "GolferListBox")->setCurrentRow(0);
    Click(Control<QPushButton>(window, "ModifyButton"));
    QVERIFY(!qm::test::SaveScreen(Form(), QStringLiteral("gname")).isEmpty());
    // The dialog opens with the long name selected: typing replaces it.
    QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(Form(), "LongName"));
    QCOMPARE(Control<QLineEdit>(Form(), "LongName")->selectedText(), QStringLiteral("MARY JONES"));
    QCOMPARE(Control<QLineEdit>(Form(), "ShortName")->text(), QStringLiteral("MARY"));
    QCOMPARE(Form()->SexIndex(), 1);
    TypeInto(Control<QLineEdit>(Form(), "LongName"), QStringLiteral("MARY ANN JONES"));
    LeaveField(Control<QLineEdit>(Form(), "LongName"));
    QCOMPARE(Control<QLineEdit>(Form(), "ShortName")->text(), QStringLiteral("MARY"));
    TypeInto(Control<QLineEdit>(Form(), "ShortName"), QStringLiteral("TOM"));
    Click(Control<QPushButton>(Form(), "OKButton"));
    QCOMPARE(
        prompts_->Texts(),
        QStringList{QStringLiteral("ERROR: Unable to rename golfer file!  Try a different name.")});
    QCOMPARE(Control<QLineEdit>(Form(), "ShortName")->text(), QStringLiteral("MARY"));
    QCOMPARE(window->Roster().At(1).LongName, std::string("MARY ANN JONES"));
    QCOMPARE(window->Roster().At(1).ShortName, std::string("MARY"));
    QCOMPARE(ReadFile("TOM.qmg"), std::string("tom's rounds\r\n"));
    QCOMPARE(ReadFile("MARY.qmg"), std::string("mary's rounds\r\n"));

    Control<QListWidget>(window, "GolferListBox")->setCurrentRow(0);
    Click(Control<QPushButton>(window, "ModifyButton"));
    TypeInto(Control<QLineEdit>(Form(), "ShortName"), QStringLiteral("MJONES"));
    Click(Control<QPushButton>(Form(), "OKButton"));
    QCOMPARE(ReadFile("MARY.qmg"), std::string("mary's rounds\r\n"));
    QVERIFY(!fs::exists("MJONES.qmg"));
    // The name waits for the file: a new golfer may not take either.
    StartAdding(window, QStringLiteral("MJONES"));
    QCOMPARE(Control<QLineEdit>(Form(), "ShortName")->text(), QStringLiteral("MJONES1"));
    TypeInto(Control<QLineEdit>(Form(), "ShortName"), QStringLiteral("MARY"));
    prompts_->ClearShown();
    Click(Control<QPushButton>(Form(), "OKButton"));
    QCOMPARE(prompts_->Texts(),
             QStringList{QStringLiteral("The score file \"MARY.qmg\" waits to be renamed when the "
                                        "golfers are saved. Choose another short name, or save "
                                        "first.")});
    Click(Control<QPushButton>(Form(), "CancelButton"));

    // Leaving without saving keeps the old short name and its file.
    prompts_->ClearShown();
    prompts_->Answers = {qm::Answer::No};
    Click(Control<QPushButton>(window, "ExitButton"));
    QCOMPARE(prompts_->Texts(), QStringList{QStringLiteral("Save changes made to golfers?")});
    DeleteClosedWindows();
    QVERIFY(fixture_->Window() == nullptr);
    QCOMPARE(ReadFile("golfers.qmd"), std::string("TOM TAYLOR~TOM~0~\r\nMARY JONES~MARY~1~\r\n"));
    QCOMPARE(ReadFile("MARY.qmg"), std::string("mary's rounds\r\n"));
    QVERIFY(!fs::exists("MJONES.qmg"));

    // Saved, the file follows; there and back again moves nothing. A roster
    // that cannot be written moves nothing either.
    window = OpenWindow();
    const auto rename = [&](int row, const QString& shortName) {
      Control<QListWidget>(window, "GolferListBox")->setCurrentRow(row);
      Click(Control<QPushButton>(window, "ModifyButton"));
      TypeInto(Control<QLineEdit>(Form(), "ShortName"), shortName);
      Click(Control<QPushButton>(Form(), "OKButton"));
    };
    rename(1, QStringLiteral("TT"));
    rename(1, QStringLiteral("TOM"));
    rename(0, QStringLiteral("MJ"));
    rename(0, QStringLiteral("MJONES"));
    qm::fileio::FailSaveStepForTesting(1, ENOSPC);
    Control<QAction>(window, "Save1")->trigger();
    qm::fileio::FailSaveStepForTesting(0, 0);
    QCOMPARE(ReadFile("golfers.qmd"), std::string("TOM TAYLOR~TOM~0~\r\nMARY JONES~MARY~1~\r\n"));
    QCOMPARE(ReadFile("MARY.qmg"), std::string("mary's rounds\r\n"));
    QVERIFY(!fs::exists("MJONES.qmg"));
    Control<QAction>(window, "Save1")->trigger();
    QCOMPARE(ReadFile("golfers.qmd"), std::string("MARY JONES~MJONES~1~\r\nTOM TAYLOR~TOM~0~\r\n"));
    QVERIFY(!fs::exists("MARY.qmg") && !fs::exists("MJ.qmg") && !fs::exists("TT.qmg"));
    QCOMPARE(ReadFile("MJONES.qmg"), std::string("mary's rounds\r\n"));
    QCOMPARE(ReadFile("TOM.qmg"), std::string("tom's rounds\r\n"));
  }

  void deletingAGolferAndLeavingWithoutSaving() {
    WriteFile("golfers.qmd", "ANN~ANN~1~\r\nBOB~BOB~0~\r\nCAT~CAT~1~\r\n");
    for (const char* name : {"ANN.qmg", "BOB.qmg", "CAT.qmg"}) WriteFile(name, "x");
    TGMaintForm* window = OpenWindow();

    Control<QListWidget>(window, "GolferListBox")->setCurrentRow(2);
    prompts_->Answers = {qm::Answer::Yes};
    Click(Control<QPushButton>(window, "DeleteButton"));
    QCOMPARE(
        prompts_->Texts(),
        QStringList{QStringLiteral(
            "Are you sure you want to delete this golfer along with score file \"CAT.qmg\"?")});
    QCOMPARE(prompts_->Shown.front().Kind, qm::test::BoxKind::ConfirmYesNo);
    QCOMPARE(ReadFile("CAT.qmg"), std::string("x"));
    QCOMPARE(Lines(Control<QListWidget>(window, "GolferListBox")), (QStringList{"ANN", "BOB"}));
    QCOMPARE(Control<QListWidget>(window, "GolferListBox")->currentRow(), 1);  // the new last line
    QVERIFY(Control<QPushButton>(window, "SaveButton")->isEnabled());

    Control<QListWidget>(window, "GolferListBox")->setCurrentRow(0);
    prompts_->Answers = {qm::Answer::No};
    Control<QAction>(window, "DeleteGolfer1")->trigger();
    QCOMPARE(window->Roster().Count(), 2);
    QVERIFY(fs::exists("ANN.qmg"));

    prompts_->Answers = {qm::Answer::No};
    Control<QAction>(window, "Exit1")->trigger();
    DeleteClosedWindows();
    QVERIFY(fixture_->Window() == nullptr);
    QCOMPARE(ReadFile("golfers.qmd"), std::string("ANN~ANN~1~\r\nBOB~BOB~0~\r\nCAT~CAT~1~\r\n"));
    QCOMPARE(ReadFile("CAT.qmg"), std::string("x"));

    // Saved, the file goes with the golfer; a renamed golfer deleted takes
    // the file from under its old name.
    window = OpenWindow();
    QCOMPARE(window->Roster().Count(), 3);
    Control<QListWidget>(window, "GolferListBox")->setCurrentRow(1);
    Click(Control<QPushButton>(window, "ModifyButton"));
    TypeInto(Control<QLineEdit>(Form(), "ShortName"), QStringLiteral("ROBERT"));
    Click(Control<QPushButton>(Form(), "OKButton"));
    for (int row : {2, 1}) {
      Control<QListWidget>(window, "GolferListBox")->setCurrentRow(row);
      prompts_->Answers = {qm::Answer::Yes};
      Click(Control<QPushButton>(window, "DeleteButton"));
    }
    QVERIFY(fs::exists("CAT.qmg") && fs::exists("BOB.qmg"));
    Control<QAction>(window, "Save1")->trigger();
    QCOMPARE(ReadFile("golfers.qmd"), std::string("ANN~ANN~1~\r\n"));
    QVERIFY(!fs::exists("CAT.qmg") && !fs::exists("BOB.qmg") && !fs::exists("ROBERT.qmg"));
    QVERIFY(fs::exists("ANN.qmg"));
  }

  // Undo brings a deleted golfer back with the rounds, a changed short name
  // back with its file, and takes an added golfer back with its new file;
  // back where it was read, the window has nothing to save.
  void undoAndRedoWorkOnTheRosterUntilItIsSaved() {
    const std::string roster = "ANN~ANN~1~\r\nBOB~BOB~0~\r\n";
    WriteFile("golfers.qmd", roster);
    WriteFile("ANN.qmg", "rounds of Ann");
    TGMaintForm* window = OpenWindow();
    auto* list = Control<QListWidget>(window, "GolferListBox");
    auto* undo = Control<QAction>(window, "Undo1");
    auto* redo = Control<QAction>(window, "Redo1");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));

    list->setCurrentRow(0);
    prompts_->Answers = {qm::Answer::Yes};
    Click(Control<QPushButton>(window, "DeleteButton"));
    QCOMPARE(undo->text(), QStringLiteral("Undo Delete Golfer"));
    undo->trigger();
    QCOMPARE(Lines(list), (QStringList{"ANN", "BOB"}));
    QVERIFY(!window->Modified());
    QCOMPARE(redo->text(), QStringLiteral("Redo Delete Golfer"));
    redo->trigger();
    QCOMPARE(Lines(list), QStringList{"BOB"});
    undo->trigger();
    // A short name changed, and that undone too.
    list->setCurrentRow(0);
    Click(Control<QPushButton>(window, "ModifyButton"));
    TypeInto(Control<QLineEdit>(Form(), "ShortName"), QStringLiteral("ANNA"));
    Click(Control<QPushButton>(Form(), "OKButton"));
    QCOMPARE(undo->text(), QStringLiteral("Undo Modify Golfer"));
    undo->trigger();
    QVERIFY(!window->Modified());
    // Added, undone: the file made for the golfer goes at the save.
    StartAdding(window, QStringLiteral("CAT"));
    Click(Control<QPushButton>(Form(), "OKButton"));
    QVERIFY(fs::exists("CAT.qmg"));
    undo->trigger();
    QVERIFY(!window->Modified());
    // The dialog open for the window: its row must stay, nothing is undone.
    redo->trigger();
    Click(Control<QPushButton>(window, "ModifyButton"));
    QVERIFY(!undo->isEnabled());
    Click(Control<QPushButton>(Form(), "CancelButton"));
    undo->trigger();

    Control<QAction>(window, "Save1")->trigger();
    QCOMPARE(ReadFile("golfers.qmd"), roster);
    QCOMPARE(ReadFile("ANN.qmg"), std::string("rounds of Ann"));
    QVERIFY(!fs::exists("ANNA.qmg") && !fs::exists("CAT.qmg"));
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());  // the file holds what was saved
  }

  void aSharedScoreFileStaysWithTheOtherGolfer() {
    WriteFile("golfers.qmd", "ANN LEE~LEE~1~\r\nBEN LEE~LEE~0~\r\n");
    WriteFile("LEE.qmg", "rounds");
    TGMaintForm* window = OpenWindow();
    Control<QListWidget>(window, "GolferListBox")->setCurrentRow(1);
    Click(Control<QPushButton>(window, "DeleteButton"));
    QCOMPARE(prompts_->Texts(),
             QStringList{QStringLiteral("Are you sure you want to delete this golfer?  The score "
                                        "file \"LEE.qmg\" stays, since another golfer uses it.")});
    QCOMPARE(Lines(Control<QListWidget>(window, "GolferListBox")), QStringList{"ANN LEE"});
    QCOMPARE(ReadFile("LEE.qmg"), std::string("rounds"));
  }

  void selectionAfterAddingAndAfterCancel() {
    WriteFile("golfers.qmd", "BOB~BOB~0~\r\nCAROL~CAROL~1~\r\n");
    TGMaintForm* window = OpenWindow();
    QCOMPARE(Control<QListWidget>(window, "GolferListBox")->currentRow(), 0);
    StartAdding(window, QStringLiteral("AARON"));
    Form()->SetSexIndex(0);
    Click(Control<QPushButton>(Form(), "OKButton"));
    QCOMPARE(Lines(Control<QListWidget>(window, "GolferListBox")),
             (QStringList{"AARON", "BOB", "CAROL"}));
    // The line the new golfer held before the sort: the last one.
    QCOMPARE(Control<QListWidget>(window, "GolferListBox")->currentRow(), 2);

    // A double-click on a line: as Modify.
    const QPoint at = Control<QListWidget>(window, "GolferListBox")
                          ->visualItemRect(Control<QListWidget>(window, "GolferListBox")->item(1))
                          .center();
    QTest::mouseClick(Control<QListWidget>(window, "GolferListBox")->viewport(), Qt::LeftButton, {},
                      at);
    QTest::mouseDClick(Control<QListWidget>(window, "GolferListBox")->viewport(), Qt::LeftButton,
                       {}, at);
    QVERIFY(Form()->isVisible());
    QCOMPARE(Control<QLineEdit>(Form(), "LongName")->text(), QStringLiteral("BOB"));
    QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(Form(), "LongName"));
    Form()->close();  // through the frame: as Cancel
    QVERIFY(!Form()->isVisible());
    QCOMPARE(Control<QLineEdit>(Form(), "OkPressed")->text(), QStringLiteral("0"));
    QVERIFY(window->isActiveWindow());
    QVERIFY(Control<QPushButton>(window, "AddButton")->isEnabled());
    QCOMPARE(Control<QListWidget>(window, "GolferListBox")->currentRow(), 1);
    QCOMPARE(window->Roster().At(2).LongName, std::string("BOB"));
  }

  void theRosterLimitAndAddAfterADeletion() {
    std::string roster;
    for (int i = 0; i < 300; ++i) roster += "GOLFER " + std::to_string(1000 + i) + "~G~0~\r\n";
    WriteFile("golfers.qmd", roster);
    TGMaintForm* window = OpenWindow();
    Control<QAction>(window, "AddGolfer1")->trigger();
    QCOMPARE(prompts_->Texts(),
             QStringList{QStringLiteral(
                 "You have reached the maximum allowed number of golfers.  If possible, delete "
                 "some golfers that are inactive.  Then, you can enter more new ones.")});
    QCOMPARE(prompts_->Shown.front().Kind, qm::test::BoxKind::Warning);
    QVERIFY(!Form()->isVisible());

    Control<QListWidget>(window, "GolferListBox")->setCurrentRow(5);
    prompts_->Answers = {qm::Answer::Yes};
    Click(Control<QPushButton>(window, "DeleteButton"));
    prompts_->ClearShown();
    Click(Control<QPushButton>(window, "AddButton"));
    QVERIFY(prompts_->Shown.empty());
    QVERIFY(Form()->isVisible());
  }

  void anEmptyRosterLetsModifyAndDeleteDoNothing() {
    TGMaintForm* window = OpenWindow();
    QCOMPARE(Control<QListWidget>(window, "GolferListBox")->count(), 0);
    Click(Control<QPushButton>(window, "ModifyButton"));
    Control<QAction>(window, "ModifyGolfer1")->trigger();
    Click(Control<QPushButton>(window, "DeleteButton"));
    QVERIFY(prompts_->Shown.empty());
    QVERIFY(!Form()->isVisible());
  }

  void leavingTheWindow() {
    TGMaintForm* window = OpenWindow();
    StartAdding(window, QStringLiteral("ANN"));
    Click(Control<QPushButton>(Form(), "OKButton"));
    prompts_->Answers = {qm::Answer::Cancel};
    Click(Control<QPushButton>(window, "ExitButton"));
    QVERIFY(window->isVisible());

    // A save that fails through Exit keeps the window and its changes.
    fs::create_directories("golfers.qmd/in-the-way");
    prompts_->ClearShown();
    prompts_->Answers = {qm::Answer::Yes};
    Click(Control<QPushButton>(window, "ExitButton"));
    QCOMPARE(prompts_->Shown.size(), std::size_t{2});
    QCOMPARE(prompts_->Shown.back().Kind, qm::test::BoxKind::Message);
    QVERIFY(window->isVisible());
    QVERIFY(window->Modified());

    // Through the frame: nothing is asked and nothing saved.
    fs::remove_all("golfers.qmd");
    prompts_->ClearShown();
    Click(Control<QPushButton>(window, "AddButton"));  // an open dialog goes with its window
    CloseNow(window);
    QVERIFY(fixture_->Window() == nullptr);
    QVERIFY(prompts_->Shown.empty());
    QVERIFY(!Form()->isVisible());
    QVERIFY(!fs::exists("golfers.qmd"));
  }

  void theWindowAndItsCommandsByName() {
    TGMaintForm* window = OpenWindow();
    QCOMPARE(window->objectName(), QStringLiteral("GMaintForm"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Golfer Maintenance"));
    QVERIFY(Control<QListWidget>(window, "GolferListBox") != nullptr);
    QCOMPARE(qm::test::NamesAndCaptions(
                 {Control<QAction>(window, "Save1"), Control<QAction>(window, "Exit1"),
                  Control<QAction>(window, "AddGolfer1"), Control<QAction>(window, "ModifyGolfer1"),
                  Control<QAction>(window, "DeleteGolfer1")}),
             (QStringList{"Save1 &Save", "Exit1 &Exit", "AddGolfer1 &Add Golfer",
                          "ModifyGolfer1 &Modify Golfer", "DeleteGolfer1 &Delete Golfer"}));
  }

  void oneWindowAtATime() {
    TGMaintForm* window = OpenWindow();
    QVERIFY(TGMaintForm::Open() == nullptr);
    QCOMPARE(TGMaintForm::Instance(), window);
    CloseNow(window);
    QVERIFY(TGMaintForm::Instance() == nullptr);
  }

  void resizingLaysOutAndSavesThePlacement() {
    TGMaintForm* window = OpenWindow();
    window->resize(600, 500);
    QApplication::processEvents();
    QCOMPARE(Control<QListWidget>(window, "GolferListBox")->height(),
             window->centralWidget()->height() - 30);
    QCOMPARE(qm::ReadSettingInt("GMaintForm", "Height", 0), 500);
    QCOMPARE(qm::ReadSettingInt("GMaintForm", "Width", 0), 600);

    Program().Closing = true;
    window->resize(640, 420);
    QApplication::processEvents();
    QCOMPARE(qm::ReadSettingInt("GMaintForm", "Height", 0), 500);
  }
};

QTEST_MAIN(GMaintTest)
#include "gmaint_test.moc"
