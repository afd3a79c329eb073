// Window placement as the windows use it: restored on creation, centred on
// the first showing, saved and read back.
#include "ui/placement.h"

#include <QScreen>
#include <QWidget>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "store/errors.h"
#include "store/settings.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"

class PlacementTest : public qm::test::WindowTest {
  Q_OBJECT

  QPoint ScreenCentre(QWidget* window) { return window->screen()->availableGeometry().center(); }

 private slots:
  void defaultsWithoutSettings_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("stored");
    QTest::newRow("MainForm") << "MainForm" << QSize(472, 353) << QPoint(146, 113);
    QTest::newRow("GPickForm") << "GPickForm" << QSize(572, 385) << QPoint(113, 103);
    QTest::newRow("GolferForm") << "GolferForm" << QSize(634, 422) << QPoint(83, 103);
    QTest::newRow("GroupOfScoresForm")
        << "GroupOfScoresForm" << QSize(547, 383) << QPoint(116, 112);
    QTest::newRow("GMaintForm") << "GMaintForm" << QSize(552, 383) << QPoint(122, 115);
    QTest::newRow("CMaintForm, other case") << "cmaintFORM" << QSize(568, 385) << QPoint(119, 98);
  }

  void defaultsWithoutSettings() {
    QFETCH(QString, section);
    QFETCH(QSize, size);
    QFETCH(QPoint, stored);
    QWidget window;
    qm::RestorePlacement(&window, section);
    // Until it is shown the window stands where the values put it...
    QCOMPARE(window.size(), size);
    QCOMPARE(window.pos(), stored);
    // ...and at its first showing it opens in the middle of the screen.
    window.show();
    QApplication::processEvents();
    QCOMPARE(window.size(), size);
    QCOMPARE(window.frameGeometry().center(), ScreenCentre(&window));
  }

  void storedValuesAndWhatTheyDecide() {
    qm::test::WriteFile(Dir().SettingsFile(),
                        "[GMaintForm]\r\nHeight=0x200\r\nLeft=2\r\nTop=3\r\nWidth=nonsense\r\n");
    QWidget window;
    qm::RestorePlacement(&window, QStringLiteral("GMaintForm"));
    QCOMPARE(window.size(), QSize(552, 512));
    window.show();
    QApplication::processEvents();
    QCOMPARE(window.frameGeometry().center(), ScreenCentre(&window));

    // Only the first showing centres: a window the user moved, hid and
    // showed again stays where the user put it.
    window.move(10, 20);
    window.hide();
    window.show();
    QApplication::processEvents();
    QCOMPARE(window.pos(), QPoint(10, 20));
  }

  void whatIsSavedIsRestored() {
    QWidget first;
    qm::RestorePlacement(&first, QStringLiteral("GPickForm"));
    first.show();
    first.resize(640, 480);
    first.move(30, 40);
    QApplication::processEvents();
    qm::SavePlacement(&first, QStringLiteral("GPickForm"));
    QCOMPARE(qm::test::ReadFile(Dir().SettingsFile()),
             "[GPickForm]\r\nHeight=480\r\nLeft=30\r\nTop=40\r\nWidth=640\r\n");

    QWidget second;
    qm::RestorePlacement(&second, QStringLiteral("GPickForm"));
    QCOMPARE(second.size(), QSize(640, 480));
    QCOMPARE(second.pos(), QPoint(30, 40));
  }

  void sectionWithoutDefaultsKeepsTheWindowsGeometry() {
    QCOMPARE(qm::DefaultPlacement(QStringLiteral("NoSuchForm")).Width, 0);
    QWidget window;
    window.setGeometry(50, 60, 300, 200);
    qm::RestorePlacement(&window, QStringLiteral("NoSuchForm"));
    QCOMPARE(window.geometry(), QRect(50, 60, 300, 200));
  }

  void unwritableSettingsFile() {
    std::filesystem::create_directory(Dir().SettingsFile());
    QWidget window;
    qm::RestorePlacement(&window, QStringLiteral("MainForm"));
    QCOMPARE(window.size(), QSize(472, 353));
    try {
      qm::SavePlacement(&window, QStringLiteral("MainForm"));
      QFAIL("saving into a folder succeeded");
    } catch (const qm::QmError& error) {
      QCOMPARE(QString::fromStdString(error.what()),
               QStringLiteral("Unable to write to quillmor.ini"));
    }
  }

  void centringAWindowLargerThanTheScreen() {
    QWidget window;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    window.resize(area.width() + 200, area.height() + 100);
    qm::CentreOnScreen(&window);
    // Its title bar stays on the screen.
    QCOMPARE(window.pos(), area.topLeft());
  }
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
