// Every input control of every window and dialog has a name a screen reader
// can say: its accessible name, which is the words of the label beside it
// when the label names it (as the label's buddy). Fields the user never sees
// (the hidden fields that carry a window's state) are not read out and are
// not checked.
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "print/qmprthdp.h"
#include "support/qt_prompts.h"
#include "support/qt_support.h"
#include "support/workdir.h"
#include "ui/qm2choic.h"
#include "ui/qmcrddet.h"
#include "ui/qmpreview.h"
#include "windows/qmabout.h"
#include "windows/qmapp.h"
#include "windows/qmcmaint.h"
#include "windows/qmcourse.h"
#include "windows/qmgmaint.h"
#include "windows/qmgname.h"
#include "windows/qmgolfer.h"
#include "windows/qmhndicp.h"
#include "windows/qmindex.h"
#include "windows/qmmain.h"
#include "windows/qmscore.h"
#include "windows/qmsgroup.h"

using qm::Program;

using Opener = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Opener)

namespace {

bool InsideOf(const QWidget* control, const QWidget* window, auto isPart) {
  for (const QWidget* up = control->parentWidget(); up && up != window; up = up->parentWidget())
    if (isPart(up)) return true;
  return false;
}

// The text fields, lists and drop-downs the user meets in window. A combo
// box's own edit field and list, and a spin box's field, are parts of that
// control, which is checked itself.
QList<QWidget*> InputControls(QWidget* window) {
  QList<QWidget*> controls;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    const bool input =
        qobject_cast<QLineEdit*>(control) || qobject_cast<QTextEdit*>(control) ||
        qobject_cast<QPlainTextEdit*>(control) || qobject_cast<QAbstractItemView*>(control) ||
        qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSpinBox*>(control);
    if (!input || !control->isVisibleTo(window)) continue;
    if (InsideOf(control, window, [](const QWidget* up) {
          return qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractSpinBox*>(up);
        }))
      continue;
    controls << control;
  }
  return controls;
}

}  // namespace

class AccessibleTest : public QObject {
  Q_OBJECT

  std::unique_ptr<qm::test::WorkDir> dir_;
  QPrinter printer_;

 private slots:
  void init() {
    dir_ = std::make_unique<qm::test::WorkDir>();
    qm::test::InstallScriptedPrompts();
    const QString sample = QFINDTESTDATA("../../data/sample.qmd");
    QVERIFY(!sample.isEmpty());
    std::filesystem::copy_file(sample.toStdString(), dir_->Work() / "sample.qmd");
    qm::test::WriteFile("golfers.qmd", "Mary Jones~MARY~1~\r\nTom Smith~TOM~0~\r\n");
    qm::test::WriteFile("MARY.qmg",
                        "20020223~Riverside~85~70.5~125~~~~~~~~~~~~~~~~~~~~~~~"
                        "~~~~~~~~~~~~~~~~83~0~0~\r\n");
    qm::StartUp();
    Program().MainForm->show();
    QApplication::processEvents();
  }

  void cleanup() {
    qm::ShutDown();
    dir_.reset();
  }

  void everyInputControlHasAName_data() {
    QTest::addColumn<Opener>("open");
    auto main = [] { return static_cast<QWidget*>(Program().MainForm); };
    auto courses = [] {
      Program().MainForm->EditCoursesButton->click();
      return static_cast<QWidget*>(qm::TCMaintForm::Instance());
    };
    auto editor = [courses] {
      courses()->findChild<QPushButton*>(QStringLiteral("ModifyButton"))->click();
      return static_cast<QWidget*>(Program().CourseForm);
    };
    auto roster = [] {
      Program().MainForm->EditGolferButton->click();
      return static_cast<QWidget*>(qm::TGMaintForm::Instance());
    };
    auto golfers = [] {
      Program().MainForm->EnterScoresButton->click();
      return Program().MainForm->OpenedWindows().back();
    };
    auto shown = [](QWidget* window) {
      window->show();
      return window;
    };
    auto name = [shown] { return shown(Program().GNameForm); };
    auto score = [shown] { return shown(Program().ScoreForm); };
    auto handicap = [] {
      return static_cast<QWidget*>(qm::THandicapForm::Open({"Mary Jones", "MARY", 1}, "12.4"));
    };
    auto index = [shown] { return shown(new qm::TIndexForm(Program().MainForm)); };
    auto golfer = [] {
      Program().GolferForm->OpenFor({"Mary Jones", "MARY", 1});
      return static_cast<QWidget*>(Program().GolferForm);
    };
    auto group = [shown] { return shown(new qm::TGroupOfScoresForm); };
    auto printHandicaps = [shown] {
      return shown(new qm::TPrintHandicapsDlg([] { return true; }));
    };
    auto about = [shown] { return shown(new qm::TAboutBox(Program().MainForm)); };
    auto twoChoice = [shown] { return shown(new qm::TTwoChoiceDlg(Program().MainForm)); };
    auto cards = [shown] { return shown(new qm::TPrintHdcpDetails(Program().MainForm)); };
    auto preview = [this, shown] {
      return shown(new qm::TPrintPreviewDlg(
          printer_, [](QPrinter&) {}, Program().MainForm));
    };
    QTest::newRow("main window") << Opener(main);
    QTest::newRow("course list") << Opener(courses);
    QTest::newRow("course editor") << Opener(editor);
    QTest::newRow("roster") << Opener(roster);
    QTest::newRow("golfer list") << Opener(golfers);
    QTest::newRow("golfer name") << Opener(name);
    QTest::newRow("score entry") << Opener(score);
    QTest::newRow("course handicap") << Opener(handicap);
    QTest::newRow("index") << Opener(index);
    QTest::newRow("golfer scores") << Opener(golfer);
    QTest::newRow("group of scores") << Opener(group);
    QTest::newRow("print handicaps") << Opener(printHandicaps);
    QTest::newRow("about") << Opener(about);
    QTest::newRow("two choices") << Opener(twoChoice);
    QTest::newRow("card details") << Opener(cards);
    QTest::newRow("print preview") << Opener(preview);
  }

  void everyInputControlHasAName() {
    QFETCH(Opener, open);
    QWidget* window = open();
    QVERIFY(window != nullptr);
    QApplication::processEvents();
    QVERIFY(window->isVisible());
    QStringList unnamed;
    const QList<QWidget*> controls = InputControls(window);
    QVERIFY(!controls.isEmpty());
    for (QWidget* control : controls) {
      const QString name = control->accessibleName();
      if (name.trimmed().isEmpty())
        unnamed << control->metaObject()->className() + QStringLiteral(" ") + control->objectName();
      QVERIFY2(!name.contains(u'&') && !name.endsWith(u':'), qPrintable(name));
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    // A label beside a field names it with its own words.
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (label->buddy() == nullptr) continue;
      QString words = label->text().remove(u'&').trimmed();
      if (words.endsWith(u':')) words.chop(1);
      QVERIFY2(label->buddy()->accessibleName().contains(words),
               qPrintable(label->buddy()->objectName() + ": " + words));
    }
  }
};

QTEST_MAIN(AccessibleTest)
#include "accessible_test.moc"
