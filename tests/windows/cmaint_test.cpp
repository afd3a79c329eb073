// The course list maintenance window and the course editor as the user
// meets them: entering pars and totals, the checks of OK, and what reaches
// courses.qmd; the editor's result going only to the window that opened
// it; and the stroke index dialog with what reaches strokes.qmd.
#include <QtTest>
#include <filesystem>
#include <functional>
#include <optional>

#include "store/settings.h"
#include "support/qt_maint.h"
#include "support/qt_opener.h"
#include "windows/qmapp.h"
#include "windows/qmcmaint.h"
#include "windows/qmcourse.h"
#include "windows/qmstrokes.h"

using namespace qm;
using namespace qm::test;
namespace fs = std::filesystem;

namespace {

const std::string kElm = "ELM~71.0~120~70~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n";

// A score card's stroke indexes, hole 1 first.
const QStringList kCard = {"7", "3",  "15", "11", "1", "13", "17", "5", "9",
                           "8", "16", "2",  "12", "4", "18", "10", "6", "14"};

std::string StrokeLine(const std::string& name, const QStringList& strokes) {
  std::string line = name + "~";
  for (const QString& stroke : strokes) line += stroke.toStdString() + "~";
  return line + "\r\n";
}

}  // namespace

class CMaintTest : public QObject {
  Q_OBJECT

  std::optional<qm::test::MaintFixture<TCMaintForm, TCourseForm>> fixture_;
  qm::test::ScriptedPrompts* prompts_ = nullptr;

  TCourseForm* Editor() { return Program().CourseForm; }
  TCMaintForm* OpenWindow() { return fixture_->Open(); }

  void TypePar(int hole, const QString& par) {
    TypeInto(Control<QLineEdit>(Editor(), "Par", hole), par);
    LeaveField(Control<QLineEdit>(Editor(), "Par", hole));
  }

  static std::string Line(const std::string& head, const std::string& pars) {
    std::string line = head;
    for (char par : pars) line += std::string(1, par) + "~";
    return line + "\r\n";
  }

  // Edit > Stroke Index... for the selected course; act runs with the modal
  // dialog (which is cancelled when act leaves it open).
  void InStrokeDialog(TCMaintForm* window, const std::function<void(qm::TStrokeIndexDlg*)>& act) {
    bool seen = false;
    qm::test::OnNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<qm::TStrokeIndexDlg*>(modal);
      QVERIFY(dialog != nullptr);
      seen = true;
      QTRY_VERIFY(dialog->isActiveWindow());
      act(dialog);
    });
    Control<QAction>(window, "StrokeIndex1")->trigger();
    QVERIFY(seen);
  }

 private slots:
  void init() { prompts_ = &fixture_.emplace(&QmProgram::CourseForm).Prompts(); }
  void cleanup() { fixture_.reset(); }

  void aZeroInHoleOneLeadsToTheTotal() {
    WriteFile("courses.qmd", "");
    TCMaintForm* window = OpenWindow();
    window->move(0, 0);
    Click(Control<QPushButton>(window, "AddButton"));
    QVERIFY(Editor()->isVisible());
    // The editor opens at the screen's centre, not over its opener.
    QCOMPARE(Editor()->frameGeometry().center(), Editor()->screen()->availableGeometry().center());
    QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(Editor(), "CourseName"));
    // Every letter with a single-byte capital is turned, one for one (a
    // pasted text as a typed one).
    Control<QLineEdit>(Editor(), "CourseName")
        ->insert(QStringLiteral("\u00e9t\u00e9 \u00b5\u00df"));
    QCOMPARE(Control<QLineEdit>(Editor(), "CourseName")->text(),
             QStringLiteral("\u00c9T\u00c9 \u00b5\u00df"));
    TypeInto(Control<QLineEdit>(Editor(), "CourseName"), QStringLiteral("Oak Hollow"));
    QCOMPARE(Control<QLineEdit>(Editor(), "CourseName")->text(), QStringLiteral("OAK HOLLOW"));
    TypePar(1, QStringLiteral("0"));
    // The jump selects the total, so typing replaces it (not "072").
    QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(Editor(), "ParTotal"));
    QCOMPARE(Control<QLineEdit>(Editor(), "ParTotal")->selectedText(), QStringLiteral("0"));
    Click(Control<QPushButton>(Editor(), "OKButton"));
    QCOMPARE(prompts_->Texts(),
             QStringList{
                 QStringLiteral("You must enter a value of greater than zero for the Total Par.")});
    QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(Editor(), "ParTotal"));
    QCOMPARE(Control<QLineEdit>(Editor(), "ParTotal")->selectedText(), QStringLiteral("0"));
    QTest::keyClicks(Control<QLineEdit>(Editor(), "ParTotal"), QStringLiteral("72"));
    Click(Control<QPushButton>(Editor(), "OKButton"));
    QVERIFY(!Editor()->isVisible());
    QVERIFY(QApplication::activeWindow() == window);
    QCOMPARE(Control<QListWidget>(window, "CourseListBox")->item(0)->text(),
             QStringLiteral("OAK HOLLOW"));

    Click(Control<QPushButton>(window, "SaveButton"));
    QCOMPARE(ReadFile("courses.qmd"), Line("OAK HOLLOW~0.0~0~72~", "000000000000000000"));
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
  }

  void theFrontNineAndATypedTotal() {
    WriteFile("courses.qmd", "");
    TCMaintForm* window = OpenWindow();
    Click(Control<QPushButton>(window, "AddButton"));
    TypeInto(Control<QLineEdit>(Editor(), "CourseName"), QStringLiteral("PINES"));
    TypeInto(Control<QLineEdit>(Editor(), "RatingField"), QStringLiteral("70.5"));
    TypeInto(Control<QLineEdit>(Editor(), "SlopeField"), QStringLiteral("125"));
    const QString front = QStringLiteral("443544354");
    for (int hole = 1; hole <= 9; ++hole) TypePar(hole, front.mid(hole - 1, 1));
    QCOMPARE(Control<QLineEdit>(Editor(), "ParOut")->text(), QStringLiteral("36"));
    QCOMPARE(Control<QLineEdit>(Editor(), "ParIn")->text(), QStringLiteral("0"));
    QCOMPARE(Control<QLineEdit>(Editor(), "ParTotal")->text(), QStringLiteral("36"));
    TypeInto(Control<QLineEdit>(Editor(), "ParTotal"), QStringLiteral("35"));
    Click(Control<QPushButton>(Editor(), "OKButton"));
    Control<QAction>(window, "Save1")->trigger();
    QCOMPARE(ReadFile("courses.qmd"), Line("PINES~70.5~125~35~", "443544354000000000"));
  }

  void aStoredTotalStaysUntilAHoleIsLeft() {
    WriteFile("courses.qmd", kElm);
    TCMaintForm* window = OpenWindow();
    QVERIFY(!qm::test::SaveScreen(window, QStringLiteral("cmaint")).isEmpty());
    Control<QAction>(window, "ModifyCourse1")->trigger();
    QVERIFY(!qm::test::SaveScreen(Editor(), QStringLiteral("course")).isEmpty());
    QCOMPARE(Control<QLineEdit>(Editor(), "ParTotal")->text(), QStringLiteral("70"));
    QCOMPARE(Control<QLineEdit>(Editor(), "ParOut")->text(), QStringLiteral("36"));
    QCOMPARE(Control<QLineEdit>(Editor(), "ParIn")->text(), QStringLiteral("36"));
    TypePar(10, QStringLiteral("5"));
    QCOMPARE(Control<QLineEdit>(Editor(), "ParIn")->text(), QStringLiteral("37"));
    QCOMPARE(Control<QLineEdit>(Editor(), "ParTotal")->text(), QStringLiteral("73"));
    Click(Control<QPushButton>(Editor(), "CancelButton"));
    QVERIFY(!Editor()->isVisible());
    QVERIFY(!window->Modified());
    QCOMPARE(window->Courses().At(1).ParTotal, std::string("70"));
  }

  void okKeepsTheEditorOpenForWhatCannotBeStored() {
    WriteFile("courses.qmd", "");
    TCMaintForm* window = OpenWindow();
    Click(Control<QPushButton>(window, "AddButton"));
    TypeInto(Control<QLineEdit>(Editor(), "CourseName"), QStringLiteral("BIRCH"));
    TypeInto(Control<QLineEdit>(Editor(), "RatingField"), QStringLiteral("71.2"));
    const QString totalMessage =
        QStringLiteral("You must enter a value of greater than zero for the Total Par.");
    for (const QString& total : {QStringLiteral("0"), QString()}) {
      TypeInto(Control<QLineEdit>(Editor(), "ParTotal"), total);
      Click(Control<QPushButton>(Editor(), "OKButton"));
      QCOMPARE(prompts_->Texts(), QStringList{totalMessage});
      QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(Editor(), "ParTotal"));
      prompts_->ClearShown();
    }
    QCOMPARE(Control<QLineEdit>(Editor(), "RatingField")->text(), QStringLiteral("71.2"));
    QCOMPARE(Control<QLineEdit>(Editor(), "SlopeField")->text(), QStringLiteral("0"));

    // A hole par that is no number: reported on leaving, and again at OK.
    TypePar(5, QStringLiteral("x"));
    QCOMPARE(prompts_->Texts(), QStringList{QStringLiteral("'x' is not a valid integer value")});
    TypeInto(Control<QLineEdit>(Editor(), "ParTotal"), QStringLiteral("72"));
    Click(Control<QPushButton>(Editor(), "OKButton"));
    QCOMPARE(prompts_->Texts().size(), 2);
    QCOMPARE(prompts_->Texts().last(), QStringLiteral("'x' is not a valid integer value"));
    QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(Editor(), "Par", 5));
    TypePar(5, QStringLiteral("4"));

    prompts_->ClearShown();
    qm::test::Focus(Control<QLineEdit>(Editor(), "CourseName"));
    Control<QLineEdit>(Editor(), "CourseName")->insert(QStringLiteral("\u0141"));  // pasted
    Click(Control<QPushButton>(Editor(), "OKButton"));
    QCOMPARE(prompts_->Texts(),
             QStringList{QStringLiteral("The course name can only contain characters of the "
                                        "Western European character set.")});
    QVERIFY(Editor()->isVisible());
    QCOMPARE(window->Courses().Count(), 0);
  }

  void theResultGoesToTheWindowThatOpenedTheEditor() {
    WriteFile("courses.qmd", "");
    TCMaintForm* window = OpenWindow();
    // Another window that adds courses through the editor, as the score
    // entry window does.
    QStringList taken;
    qm::test::ScriptedOpener other(qm::test::ScriptedOpener::From(
        Editor()->Result, [&] { taken << Control<QLineEdit>(Editor(), "CourseName")->text(); }));
    other.show();

    // Opened by the other window: the maintenance window takes nothing,
    // even when it becomes active first, and its Add leaves what was typed
    // alone.
    Control<QLineEdit>(Editor(), "CourseName")->clear();
    Editor()->Hand.ShowFor(&other);
    TypeInto(Control<QLineEdit>(Editor(), "CourseName"), QStringLiteral("FOR OTHER"));
    TypeInto(Control<QLineEdit>(Editor(), "ParTotal"), QStringLiteral("72"));
    qm::test::Activate(window);
    Click(Control<QPushButton>(window, "AddButton"));
    QCOMPARE(Control<QLineEdit>(Editor(), "CourseName")->text(), QStringLiteral("FOR OTHER"));
    Control<QLineEdit>(Editor(), "OkPressed")->setText(QStringLiteral("1"));
    Editor()->hide();
    qm::test::Activate(window);
    QCOMPARE(window->Courses().Count(), 0);
    qm::test::Activate(&other);
    QCOMPARE(taken, QStringList{QStringLiteral("FOR OTHER")});

    // OK gives the activation back to the other window itself.
    Editor()->Hand.ShowFor(&other);
    TypeInto(Control<QLineEdit>(Editor(), "CourseName"), QStringLiteral("AGAIN"));
    Click(Control<QPushButton>(Editor(), "OKButton"));
    QVERIFY(QApplication::activeWindow() == &other);
    QCOMPARE(other.Taken, 2);

    // Opened by the maintenance window: the other window takes nothing,
    // even when it becomes active first.
    Click(Control<QPushButton>(window, "AddButton"));
    TypeInto(Control<QLineEdit>(Editor(), "CourseName"), QStringLiteral("FOR MAINTENANCE"));
    TypeInto(Control<QLineEdit>(Editor(), "ParTotal"), QStringLiteral("70"));
    Control<QLineEdit>(Editor(), "OkPressed")->setText(QStringLiteral("1"));
    Editor()->hide();
    qm::test::Activate(&other);
    qm::test::Activate(window);
    QCOMPARE(other.Taken, 2);
    QCOMPARE(window->Courses().Count(), 1);
    QCOMPARE(window->Courses().At(1).CourseName, std::string("FOR MAINTENANCE"));
    QCOMPARE(Control<QLineEdit>(Editor(), "OkPressed")->text(), QStringLiteral("0"));
  }

  void theCourseLimitAndAddAfterADeletion() {
    std::string courses;
    for (int i = 0; i < 200; ++i)
      courses += "COURSE " + std::to_string(1000 + i) + "~70.0~113~72~\r\n";
    WriteFile("courses.qmd", courses);
    TCMaintForm* window = OpenWindow();
    Click(Control<QPushButton>(window, "AddButton"));
    QCOMPARE(prompts_->Texts(),
             QStringList{QStringLiteral(
                 "You have reached the maximum allowed number of courses.  If possible, delete "
                 "some courses that you do not use.  Then, you can enter more new ones.")});
    QCOMPARE(prompts_->Shown.front().Kind, qm::test::BoxKind::Warning);
    QVERIFY(!Editor()->isVisible());

    Control<QListWidget>(window, "CourseListBox")->setCurrentRow(199);
    prompts_->Answers = {qm::Answer::Yes};
    Click(Control<QPushButton>(window, "DeleteButton"));
    QCOMPARE(prompts_->Texts().last(),
             QStringLiteral("Are you sure you want to delete this course?"));
    QCOMPARE(Control<QListWidget>(window, "CourseListBox")->currentRow(), 198);
    prompts_->ClearShown();
    Control<QAction>(window, "AddCourse1")->trigger();
    QVERIFY(prompts_->Shown.empty());
    QVERIFY(Editor()->isVisible());
  }

  void withoutACourseFileTheSampleOrAnEmptyList() {
    TCMaintForm* window = OpenWindow();
    QCOMPARE(prompts_->Texts(), QStringList{QStringLiteral("Error renaming sample courses file!")});
    QCOMPARE(prompts_->Shown.front().Kind, qm::test::BoxKind::Message);
    QCOMPARE(Control<QListWidget>(window, "CourseListBox")->count(), 0);
    Click(Control<QPushButton>(window, "ModifyButton"));
    Click(Control<QPushButton>(window, "DeleteButton"));
    QVERIFY(!Editor()->isVisible());
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});

    // The first save makes the course file.
    Click(Control<QPushButton>(window, "AddButton"));
    TypeInto(Control<QLineEdit>(Editor(), "CourseName"), QStringLiteral("ASH"));
    TypeInto(Control<QLineEdit>(Editor(), "ParTotal"), QStringLiteral("71"));
    Click(Control<QPushButton>(Editor(), "OKButton"));
    prompts_->Answers = {qm::Answer::Yes};
    Click(Control<QPushButton>(window, "ExitButton"));
    QCOMPARE(prompts_->Texts().last(), QStringLiteral("Save changes made to courses?"));
    DeleteClosedWindows();
    QVERIFY(fixture_->Window() == nullptr);
    QCOMPARE(ReadFile("courses.qmd"), Line("ASH~0.0~0~71~", "000000000000000000"));

    fs::remove("courses.qmd");
    WriteFile("sample.qmd", kElm);
    prompts_->ClearShown();
    window = OpenWindow();
    QVERIFY(prompts_->Shown.empty());
    QVERIFY(!fs::exists("sample.qmd"));
    QCOMPARE(Control<QListWidget>(window, "CourseListBox")->item(0)->text(), QStringLiteral("ELM"));
  }

  void deletingAndLeavingWithoutSaving() {
    WriteFile("courses.qmd", kElm + Line("ASH~70.0~113~72~", "444444444444444444"));
    TCMaintForm* window = OpenWindow();
    QCOMPARE(Control<QListWidget>(window, "CourseListBox")->item(0)->text(), QStringLiteral("ASH"));
    prompts_->Answers = {qm::Answer::No, qm::Answer::Yes};
    Click(Control<QPushButton>(window, "DeleteButton"));
    QCOMPARE(window->Courses().Count(), 2);
    Click(Control<QPushButton>(window, "DeleteButton"));
    QCOMPARE(Control<QListWidget>(window, "CourseListBox")->count(), 1);
    QCOMPARE(Control<QListWidget>(window, "CourseListBox")->currentRow(), 0);

    prompts_->Answers = {qm::Answer::No};
    Control<QAction>(window, "Exit1")->trigger();
    DeleteClosedWindows();
    QVERIFY(fixture_->Window() == nullptr);
    QCOMPARE(ReadFile("courses.qmd"), kElm + Line("ASH~70.0~113~72~", "444444444444444444"));
  }

  // A deleted course, a changed one and a stroke index brought back; the
  // stroke index is written again at once, the list waits for Save.
  void undoBringsCoursesAndStrokeIndexesBack() {
    const std::string ash = Line("ASH~70.0~113~72~", "444444444444444444");
    WriteFile("courses.qmd", kElm + ash);
    WriteFile("strokes.qmd", StrokeLine("ELM", kCard));
    TCMaintForm* window = OpenWindow();
    auto* list = Control<QListWidget>(window, "CourseListBox");
    auto* undo = Control<QAction>(window, "Undo1");
    auto* redo = Control<QAction>(window, "Redo1");

    prompts_->Answers = {qm::Answer::Yes};
    Click(Control<QPushButton>(window, "DeleteButton"));  // ASH, the first line
    QCOMPARE(undo->text(), QStringLiteral("Undo Delete Course"));
    undo->trigger();
    QCOMPARE(Lines(list), (QStringList{"ASH", "ELM"}));
    QVERIFY(!window->Modified());

    list->setCurrentRow(1);
    InStrokeDialog(window, [&](qm::TStrokeIndexDlg* dialog) {
      for (int i = 0; i < 18; ++i) TypeInto(Control<QLineEdit>(dialog, "SI", i + 1), QString());
      Click(Control<QPushButton>(dialog, "OKButton"));
    });
    QCOMPARE(ReadFile("strokes.qmd"), std::string());
    QCOMPARE(undo->text(), QStringLiteral("Undo Change Stroke Index"));
    QVERIFY(!window->Modified());
    undo->trigger();
    QCOMPARE(ReadFile("strokes.qmd"), StrokeLine("ELM", kCard));
    redo->trigger();
    QCOMPARE(ReadFile("strokes.qmd"), std::string());
    QVERIFY(!window->Modified());

    list->setCurrentRow(1);
    Click(Control<QPushButton>(window, "ModifyButton"));
    TypeInto(Control<QLineEdit>(Editor(), "CourseName"), QStringLiteral("BIRCH"));
    Click(Control<QPushButton>(Editor(), "OKButton"));
    QCOMPARE(Lines(list), (QStringList{"ASH", "BIRCH"}));
    QCOMPARE(undo->text(), QStringLiteral("Undo Modify Course"));
    undo->trigger();
    QCOMPARE(Lines(list), (QStringList{"ASH", "ELM"}));
    QVERIFY(!window->Modified());
    redo->trigger();
    QVERIFY(window->Modified());

    Click(Control<QPushButton>(window, "SaveButton"));
    QCOMPARE(ReadFile("courses.qmd"), ash + Line("BIRCH~71.0~120~70~", "444444444444444444"));
    QVERIFY(!undo->isEnabled());
  }

  void theWindowAndItsCommandsByName() {
    WriteFile("courses.qmd", "");
    TCMaintForm* window = OpenWindow();
    QCOMPARE(window->objectName(), QStringLiteral("CMaintForm"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Course Maintenance"));
    QVERIFY(Control<QListWidget>(window, "CourseListBox") != nullptr);
    QCOMPARE(
        qm::test::NamesAndCaptions(
            {Control<QAction>(window, "Save1"), Control<QAction>(window, "Exit1"),
             Control<QAction>(window, "AddCourse1"), Control<QAction>(window, "ModifyCourse1"),
             Control<QAction>(window, "DeleteCourse1"), Control<QAction>(window, "StrokeIndex1")}),
        (QStringList{"Save1 &Save", "Exit1 &Exit", "AddCourse1 &Add Course",
                     "ModifyCourse1 &Modify Course", "DeleteCourse1 &Delete Course",
                     "StrokeIndex1 &Stroke Index..."}));
  }

  void theStrokeIndexDialogRefusesWhatIsNoStrokeIndex_data() {
    QTest::addColumn<QStringList>("strokes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");  // the hole
    auto card = [](std::initializer_list<std::pair<int, const char*>> changes) {
      QStringList strokes = kCard;
      for (auto [hole, text] : changes) strokes[hole - 1] = QString::fromLatin1(text);
      return strokes;
    };
    const QString notANumber =
        QStringLiteral("The stroke index of hole %1 must be a whole number from 1 to 18.");
    QTest::newRow("letters") << card({{4, "x"}}) << notANumber.arg(4) << 4;
    QTest::newRow("nineteen") << card({{2, "19"}}) << notANumber.arg(2) << 2;
    QTest::newRow("one left empty")
        << card({{18, ""}})
        << QStringLiteral(
               "Hole 18 has no stroke index.  Give every hole one of 1 to 18, or leave "
               "all 18 fields empty to remove the course's stroke indexes.")
        << 18;
    QTest::newRow("repeats")
        << card({{12, "15"}, {10, "15"}})
        << QStringLiteral(
               "Stroke index 15 is given to hole 3 and to hole 10; stroke indexes 2 "
               "and 8 are given to no hole.  Each of 1 to 18 belongs to one hole.")
        << 10;
    QTest::newRow("the first field at fault")
        << card({{10, "15"}, {6, "1x"}}) << notANumber.arg(6) << 6;
  }

  void theStrokeIndexDialogRefusesWhatIsNoStrokeIndex() {
    QFETCH(QStringList, strokes);
    QFETCH(QString, message);
    QFETCH(int, focus);
    WriteFile("courses.qmd", kElm);
    InStrokeDialog(OpenWindow(), [&](qm::TStrokeIndexDlg* dialog) {
      for (int i = 0; i < 18; ++i) TypeInto(Control<QLineEdit>(dialog, "SI", i + 1), strokes[i]);
      QTest::keyClick(Control<QLineEdit>(dialog, "SI", 18), Qt::Key_Return);
      QCOMPARE(prompts_->Texts(), QStringList{message});
      QVERIFY(dialog->isVisible());
      QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(dialog, "SI", focus));
      QCOMPARE(Control<QLineEdit>(dialog, "SI", focus)->selectedText(),
               Control<QLineEdit>(dialog, "SI", focus)->text());
    });
    QVERIFY(!fs::exists("strokes.qmd"));
  }

  void theStrokeIndexDialogWritesAtOnceOrNothing() {
    WriteFile("courses.qmd", kElm);
    // A renamed course's line stays, unused; ELM's is found whatever its case.
    const std::string old = StrokeLine("OLD NAME", kCard);
    WriteFile("strokes.qmd", old + StrokeLine("elm", kCard));
    TCMaintForm* window = OpenWindow();
    QStringList swapped = kCard;
    swapped.swapItemsAt(0, 1);
    InStrokeDialog(window, [&](qm::TStrokeIndexDlg* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Stroke Index - ELM"));
      for (int i = 0; i < 18; ++i)
        QCOMPARE(Control<QLineEdit>(dialog, "SI", i + 1)->text(), kCard[i]);
      QCOMPARE(Control<QLineEdit>(dialog, "SI", 1)->selectedText(), QStringLiteral("7"));
      QVERIFY(!qm::test::SaveScreen(dialog, QStringLiteral("strokes")).isEmpty());
      TypeInto(Control<QLineEdit>(dialog, "SI", 1), QStringLiteral("3"));
      QTest::keyClick(dialog, Qt::Key_Escape);
      QVERIFY(!dialog->isVisible());
    });
    QCOMPARE(ReadFile("strokes.qmd"), old + StrokeLine("elm", kCard));

    // OK writes at once, under the course's name; all empty takes it away.
    for (const QStringList& typed : {swapped, QStringList(18, QString())}) {
      InStrokeDialog(window, [&](qm::TStrokeIndexDlg* dialog) {
        for (int i = 0; i < 18; ++i) TypeInto(Control<QLineEdit>(dialog, "SI", i + 1), typed[i]);
        Click(Control<QPushButton>(dialog, "OKButton"));
        QVERIFY(!dialog->isVisible());
      });
      QCOMPARE(ReadFile("strokes.qmd"), old + (typed[0].isEmpty() ? "" : StrokeLine("ELM", typed)));
    }
    QVERIFY(prompts_->Shown.empty());
    QVERIFY(!window->Modified());

    // Not while the course editor is open for the window.
    Click(Control<QPushButton>(window, "ModifyButton"));
    QVERIFY(!Control<QAction>(window, "StrokeIndex1")->isEnabled());
  }

  void oneWindowAtATimeAndItsPlacement() {
    WriteFile("courses.qmd", "");
    TCMaintForm* window = OpenWindow();
    QVERIFY(TCMaintForm::Open() == nullptr);
    QCOMPARE(TCMaintForm::Instance(), window);
    window->resize(580, 450);
    QApplication::processEvents();
    QCOMPARE(Control<QListWidget>(window, "CourseListBox")->height(),
             window->centralWidget()->height() - 30);
    QCOMPARE(qm::ReadSettingInt("CMaintForm", "Height", 0), 450);
  }
};

QTEST_MAIN(CMaintTest)
#include "cmaint_test.moc"
