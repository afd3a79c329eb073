// The main window as the user meets it: the first start, the settings it
// reads, its placement, Help, the About box, and the three ways of ending.
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "store/roster.h"
#include "store/settings.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_support.h"
#include "ui/prompts.h"
#include "windows/qmabout.h"
#include "windows/qmapp.h"
#include "windows/qmcmaint.h"
#include "windows/qmcourse.h"
#include "windows/qmgmaint.h"
#include "windows/qmgname.h"
#include "windows/qmmain.h"
#include "windows/qmscore.h"

using qm::Program;
using qm::TMainForm;
using qm::test::Control;

namespace {

// A window that asks before it lets itself be closed (as a window with
// unsaved changes may): ending the program must not close it.
class AskingWindow : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override {
    qm::CurrentPrompts().ConfirmYesNoCancel(QStringLiteral("Save changes?"));
    event->ignore();
  }
};

QRect ScreenArea(QWidget* window) { return window->screen()->availableGeometry(); }

// The main window keeps its size, so the window system's resize events
// (its first showing, a change of screen) are sent as it sends them.
void Resized(QWidget* window) {
  QResizeEvent event(window->size(), window->size());
  QApplication::sendEvent(window, &event);
}

}  // namespace

class MainTest : public qm::test::WindowTest {
  Q_OBJECT

  TMainForm* StartAndShow() {
    qm::StartUp();
    TMainForm* main = Program().MainForm;
    main->show();
    QApplication::processEvents();
    return main;
  }

  void WriteSettings(const std::string& text) { qm::test::WriteFile(Dir().SettingsFile(), text); }

 private slots:
  void init() {
    Begin();
    AddSampleCourses();
  }

  void firstStartWithoutSettings() {
    TMainForm* main = StartAndShow();

    QCOMPARE(main->size(), QSize(472, 353));
    QCOMPARE(main->frameGeometry().center(), ScreenArea(main).center());
    QCOMPARE(main->windowTitle(), QStringLiteral("Quillmor for Windows"));
    // The title is the caption of the plain boxes. As a display name it
    // would be added by the window system to every other window's caption.
    QCOMPARE(qm::ProgramTitle(), QStringLiteral("Quillmor for Windows"));
    QVERIFY(QGuiApplication::applicationDisplayName() != qm::ProgramTitle());
    QVERIFY(!(main->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(main->windowFlags() & Qt::WindowMinimizeButtonHint);
    // Fixed in size: no window manager offers to maximize it.
    QCOMPARE(main->minimumSize(), main->maximumSize());

    QVERIFY(Program().UseMaxIndex);
    QVERIFY(!Program().Closing);
    static_assert(qm::MaxGolfers == 300 && qm::MaxScores == 200 && qm::MaxCourses == 200);
    QCOMPARE(Control<QLineEdit>(main, "VersionField")->text(), QStringLiteral("Version 2.8 r05"));
    QVERIFY(Control<QLineEdit>(main, "VersionField")->isReadOnly());
    QCOMPARE(Control<QLineEdit>(main, "VersionField")->font().families().value(0),
             QStringLiteral("Small Fonts"));
    QCOMPARE(Control<QLineEdit>(main, "VersionField")->font().pixelSize(), 9);
    QCOMPARE(Control<QLabel>(main, "Label1")->font().families().value(0),
             QStringLiteral("Times New Roman"));
    QCOMPARE(Control<QLineEdit>(main, "VersionField")->focusPolicy(), Qt::NoFocus);

    // Showing the window is its first resize: the placement is written then.
    QCOMPARE(qm::ReadSettingInt("MainForm", "Height", 0), 353);
    QCOMPARE(qm::ReadSettingInt("MainForm", "Width", 0), 472);
    const std::string file = qm::test::ReadFile(Dir().SettingsFile());
    const auto height = file.find("Height="), left = file.find("Left="), top = file.find("Top="),
               width = file.find("Width=");
    QVERIFY(height < left && left < top && top < width && width != std::string::npos);

    // Nothing is clipped and nothing overlaps at this size.
    QVERIFY(!Control<QLabel>(main, "Image1")->pixmap().isNull());
    QVERIFY(!Control<QLabel>(main, "Label1")
                 ->geometry()
                 .intersects(Control<QPushButton>(main, "EditGolferButton")->geometry()));
    QVERIFY(!Control<QLabel>(main, "Label1")
                 ->geometry()
                 .intersects(Control<QLabel>(main, "Image1")->geometry()));
    QVERIFY(main->centralWidget()->rect().contains(
        Control<QLineEdit>(main, "VersionField")->geometry()));
    QVERIFY(main->centralWidget()->rect().contains(
        Control<QPushButton>(main, "ExitButton")->geometry()));
    const QFontMetrics title(Control<QLabel>(main, "Label1")->font());
    QVERIFY(title.horizontalAdvance(Control<QLabel>(main, "Label1")->text()) <=
            Control<QLabel>(main, "Label1")->width());
    const QFontMetrics version(Control<QLineEdit>(main, "VersionField")->font());
    QVERIFY(version.horizontalAdvance(Control<QLineEdit>(main, "VersionField")->text()) <
            Control<QLineEdit>(main, "VersionField")->width());

    QVERIFY(prompts_->Shown.empty());
    qm::test::SaveScreen(main, QStringLiteral("main"));
  }

  void startUpWithoutAnyCourseFile() {
    // The long-lived windows are made before the main window appears, so
    // their start-up message comes first, and once.
    std::filesystem::remove(Dir().Work() / "sample.qmd");
    bool mainVisible = true;
    prompts_->OnShow = [&](const qm::test::ShownBox&) {
      mainVisible = Program().MainForm != nullptr && Program().MainForm->isVisible();
    };
    TMainForm* main = StartAndShow();
    QCOMPARE(prompts_->Texts(), QStringList{"Error renaming sample courses file!"});
    QVERIFY(!mainVisible);
    QVERIFY(main->isVisible());
    for (QWidget* kept : std::initializer_list<QWidget*>{Program().ScoreForm, Program().CourseForm,
                                                         Program().GNameForm}) {
      QVERIFY(kept != nullptr);
      QVERIFY(!kept->isVisible());
    }
  }

  void ruleSetting_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("rule");
    QTest::newRow("0 turns it off") << "0" << false;
    QTest::newRow("5 turns it on") << "5" << true;
    QTest::newRow("yes is unreadable: default on") << "yes" << true;
    QTest::newRow("hex zero") << "0x0" << false;
    QTest::newRow("empty: default on") << "" << true;
  }

  void ruleSetting() {
    QFETCH(QString, value);
    QFETCH(bool, rule);
    WriteSettings("[settings]\r\nusemaxindex=" + value.toStdString() + "\r\n");
    qm::StartUp();
    QCOMPARE(Program().UseMaxIndex, rule);
  }

  void storedPlacementDecidesNeitherSizeNorPosition() {
    // A size stored by a maximized or stretched window of an earlier
    // version gives way to the layout's size, and is replaced.
    WriteSettings("[MainForm]\r\nHeight=0x200\r\nLeft=3\r\nTop=4\r\nWidth=$258\r\n");
    TMainForm* main = StartAndShow();
    QCOMPARE(main->size(), QSize(472, 353));
    QCOMPARE(main->frameGeometry().center(), ScreenArea(main).center());
    QCOMPARE(qm::ReadSettingInt("MainForm", "Width", 0), 472);
  }

  void resizingWritesMovingDoesNot() {
    TMainForm* main = StartAndShow();
    std::filesystem::remove(Dir().SettingsFile());

    main->move(main->x() + 20, main->y() + 10);
    QApplication::processEvents();
    QVERIFY(!std::filesystem::exists(Dir().SettingsFile()));

    Resized(main);
    QCOMPARE(qm::ReadSettingInt("MainForm", "Height", 0), 353);
    QCOMPARE(qm::ReadSettingInt("MainForm", "Width", 0), 472);
    QCOMPARE(qm::ReadSettingInt("MainForm", "Left", -1), main->x());
    QCOMPARE(qm::ReadSettingInt("MainForm", "Top", -1), main->y());

    // The main window saves even while the program is closing.
    Program().Closing = true;
    std::filesystem::remove(Dir().SettingsFile());
    Resized(main);
    QCOMPARE(qm::ReadSettingInt("MainForm", "Width", 0), 472);
  }

  void theButtonsAnswerTheKeyboard() {
    TMainForm* main = StartAndShow();
    qm::test::Activate(main);
    QCOMPARE(QApplication::focusWidget(), Control<QPushButton>(main, "EditGolferButton"));
    for (QPushButton* next : {Control<QPushButton>(main, "EditCoursesButton"),
                              Control<QPushButton>(main, "EnterScoresButton"),
                              Control<QPushButton>(main, "ExitButton")}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(Control<QPushButton>(main, "ExitButton"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Control<QPushButton>(main, "EditGolferButton"));

    // Enter on the focused button does what a click does.
    Control<QPushButton>(main, "EditCoursesButton")->setFocus();
    QTest::keyClick(Control<QPushButton>(main, "EditCoursesButton"), Qt::Key_Return);
    QCOMPARE(main->OpenedWindows().size(), std::size_t{1});
    QVERIFY(dynamic_cast<qm::TCMaintForm*>(main->OpenedWindows().front()) != nullptr);
  }

  void helpShowsItsWarningOnly() {
    TMainForm* main = StartAndShow();
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    Control<QAction>(main, "Help2")->trigger();
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
    QCOMPARE(prompts_->Shown[0].Kind, qm::test::BoxKind::Warning);
    QCOMPARE(prompts_->Shown[0].Text, QStringLiteral("Help not implemented yet."));
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
  }

  void aboutBox_data() {
    QTest::addColumn<bool>("fromPicture");
    QTest::newRow("Help, About Quillmor") << false;
    QTest::newRow("the picture") << true;
  }

  void aboutBox() {
    QFETCH(bool, fromPicture);
    TMainForm* main = StartAndShow();
    bool seen = false;
    qm::test::OnNextModal([&](QWidget* modal) {
      auto* box = qobject_cast<qm::TAboutBox*>(modal);
      QVERIFY(box != nullptr);
      seen = true;
      QCOMPARE(box->windowTitle(), QStringLiteral("About"));
      QCOMPARE(Control<QLabel>(box, "ProductName")->text(), QStringLiteral("Quillmor for Windows"));
      QCOMPARE(Control<QLabel>(box, "Version")->text(), QStringLiteral("Version"));
      QCOMPARE(Control<QLineEdit>(box, "VersionField")->text(),
               QStringLiteral("2.8 r05 - 2/23/2002"));
      QVERIFY(!Control<QTextEdit>(box, "MemoField1")->toPlainText().isEmpty());
      QVERIFY(!Control<QLabel>(box, "ProgramIcon")->pixmap().isNull());
      QVERIFY(!(box->windowFlags() & Qt::WindowMaximizeButtonHint));
      QCOMPARE(box->minimumSize(), box->maximumSize());
      // The whole text is visible in its area, without a scroll bar.
      QVERIFY(Control<QTextEdit>(box, "MemoField1")->document()->size().height() <=
              Control<QTextEdit>(box, "MemoField1")->height());
      if (!fromPicture) qm::test::SaveScreen(box, QStringLiteral("about"));
      QTest::mouseClick(Control<QPushButton>(box, "OKButton"), Qt::LeftButton);
    });
    if (fromPicture)
      QTest::mouseClick(Control<QLabel>(main, "Image1"), Qt::LeftButton);
    else
      Control<QAction>(main, "AboutQuillmor1")->trigger();
    QVERIFY(seen);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The box is made anew for each opening and gone once closed.
    QVERIFY(main->findChildren<qm::TAboutBox*>().isEmpty());
    QVERIFY(prompts_->Shown.empty());
  }

  void endingTheProgram_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("closing");
    QTest::newRow("Exit button") << "button" << true;
    QTest::newRow("File, Exit") << "menu" << false;
    QTest::newRow("the frame") << "frame" << false;
  }

  void endingTheProgram() {
    QFETCH(QString, way);
    QFETCH(bool, closing);
    qm::TRosterTable roster;
    roster.Entries = {{"Ann Able", "ANN", 1}, {"Bob Baker", "BOB", 0}};
    qm::SaveRoster(roster);
    const std::string saved = qm::test::ReadFile(Dir().Work() / "golfers.qmd");
    TMainForm* main = StartAndShow();

    // The roster maintenance window holds an unsaved deletion.
    Control<QPushButton>(main, "EditGolferButton")->click();
    QCOMPARE(main->OpenedWindows().size(), std::size_t{1});
    auto* maintenance = dynamic_cast<qm::TGMaintForm*>(main->OpenedWindows().front());
    QVERIFY(maintenance != nullptr);
    prompts_->Answers.push_back(qm::Answer::Yes);
    maintenance->DeleteButtonClick();
    QVERIFY(maintenance->Modified());
    AskingWindow asking;
    asking.show();
    prompts_->ClearShown();

    QTimer act;
    act.setSingleShot(true);
    connect(&act, &QTimer::timeout, main, [&] {
      if (way == "button")
        QTest::mouseClick(Control<QPushButton>(main, "ExitButton"), Qt::LeftButton);
      else if (way == "menu")
        Control<QAction>(main, "Exit1")->trigger();
      else
        main->close();
    });
    QTimer safety;
    safety.setSingleShot(true);
    connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    act.start(0);
    safety.start(5000);

    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(Program().Closing, closing);
    // Nothing was asked, and the unsaved edit is lost.
    QVERIFY(prompts_->Shown.empty());
    qm::ShutDown();
    QVERIFY(prompts_->Shown.empty());
    QCOMPARE(qm::test::ReadFile(Dir().Work() / "golfers.qmd"), saved);
  }

  void failedSettingsWriteIsReportedAndTheProgramGoesOn() {
    // A folder where the settings file should be: it reads as missing and
    // cannot be written.
    std::filesystem::create_directory(Dir().SettingsFile());
    TMainForm* main = StartAndShow();
    QCOMPARE(main->size(), QSize(472, 353));
    QVERIFY(!prompts_->Shown.empty());
    QCOMPARE(prompts_->Shown[0].Kind, qm::test::BoxKind::Message);
    QCOMPARE(prompts_->Shown[0].Text, QStringLiteral("Unable to write to quillmor.ini"));

    // Dragging the frame brings no box for every step of the drag.
    prompts_->ClearShown();
    for (int step = 1; step <= 5; ++step) Resized(main);
    QVERIFY(prompts_->Shown.empty());

    // Once the file can be written again, its placement is saved, and a
    // new failure is reported again.
    std::filesystem::remove(Dir().SettingsFile());
    Resized(main);
    QCOMPARE(qm::ReadSettingInt("MainForm", "Width", 0), 472);
    std::filesystem::remove(Dir().SettingsFile());
    std::filesystem::create_directory(Dir().SettingsFile());
    Resized(main);
    QCOMPARE(prompts_->Texts(), QStringList{"Unable to write to quillmor.ini"});

    prompts_->ClearShown();
    Control<QAction>(main, "Help2")->trigger();
    QCOMPARE(prompts_->Texts(), QStringList{"Help not implemented yet."});
    QVERIFY(main->isVisible());
  }
};

QTEST_MAIN(MainTest)
#include "main_test.moc"
