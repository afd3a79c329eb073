// Every text field, list and drop-down of every window and dialog has a name
// a screen reader says: the words of the label beside it (the label's
// buddy) or a name of its own. The hidden fields that carry a window's state
// are never shown, so no screen reader meets them; they are not checked.
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

#include "engine/golfer.h"
#include "print/qmprthdp.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_support.h"
#include "ui/qm2choic.h"
#include "ui/qmcrddet.h"
#include "ui/qmpreview.h"
#include "windows/qmabout.h"
#include "windows/qmapp.h"
#include "windows/qmcmaint.h"
#include "windows/qmgname.h"
#include "windows/qmgolfer.h"
#include "windows/qmhndicp.h"
#include "windows/qmindex.h"
#include "windows/qmindexhist.h"
#include "windows/qmmain.h"
#include "windows/qmscore.h"
#include "windows/qmsgroup.h"
#include "windows/qmstrokes.h"

using qm::test::Control;
using namespace qm;

namespace {

// A combo box's own field and list, a spin box's field and a table's
// headers are parts of that control, which is checked itself.
bool IsPartOfAControl(const QWidget* control, const QWidget* window) {
  for (const QWidget* up = control->parentWidget(); up && up != window; up = up->parentWidget())
    if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractSpinBox*>(up) ||
        qobject_cast<const QAbstractItemView*>(up))
      return true;
  return false;
}

bool IsInput(QObject* control) {
  return qobject_cast<QLineEdit*>(control) || qobject_cast<QTextEdit*>(control) ||
         qobject_cast<QPlainTextEdit*>(control) || qobject_cast<QAbstractItemView*>(control) ||
         qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSpinBox*>(control);
}

}  // namespace

class AccessibleTest : public test::WindowTest {
  Q_OBJECT

  QPrinter printer_;

 private slots:
  void everyInputControlOfEveryWindowHasAName() {
    AddSampleCourses();
    test::WriteFile("golfers.qmd", "Mary Jones~MARY~1~\r\n");
    StartUp();
    TMainForm* main = Program().MainForm;
    main->show();
    Control<QPushButton>(main, "EditCoursesButton")->click();
    TCMaintForm::Instance()->findChild<QPushButton*>(QStringLiteral("ModifyButton"))->click();
    Control<QPushButton>(main, "EditGolferButton")->click();
    Control<QPushButton>(main, "EnterScoresButton")->click();
    Program().GNameForm->show();
    Program().ScoreForm->show();
    Program().GolferForm->OpenFor({"Mary Jones", "MARY", 1});
    THandicapForm::Open({"Mary Jones", "MARY", 1}, "12.4");
    TIndexHistoryForm::Open(QStringLiteral("Mary Jones"), "MARY", {},
                            GolferIndexRequest({"Mary Jones", "MARY", 1}, false));
    const QList<QPointer<QWidget>> made = {new TIndexForm(main),
                                           new TGroupOfScoresForm,
                                           new TPrintHandicapsDlg({}),
                                           new TAboutBox(main),
                                           new TTwoChoiceDlg(main),
                                           new TPrintHdcpDetails(main),
                                           new TPrintPreviewDlg(printer_, {}, main),
                                           new TStrokeIndexDlg("ELM", std::nullopt, main)};
    for (QWidget* window : made) window->show();
    QApplication::processEvents();

    QStringList windows;
    QStringList unnamed;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible()) continue;
      windows << window->objectName();
      for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!IsInput(control) || !control->isVisibleTo(window) || IsPartOfAControl(control, window))
          continue;
        const QString name = control->accessibleName();
        if (name.trimmed().isEmpty() || name.contains(u'&') || name.endsWith(u':'))
          unnamed << window->objectName() + '.' + control->objectName() + " \"" + name + '"';
      }
      // A label beside a field names it with its own words.
      for (QLabel* label : window->findChildren<QLabel*>()) {
        QString words = label->text().remove(u'&');
        if (words.endsWith(u':')) words.chop(1);
        if (label->buddy() && !label->buddy()->accessibleName().contains(words.trimmed()))
          unnamed << label->buddy()->objectName() + " \"" + label->buddy()->accessibleName() + '"';
      }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    windows.sort();
    QCOMPARE(windows, (QStringList{"AboutBox", "CMaintForm", "CourseForm", "GMaintForm",
                                   "GNameForm", "GPickForm", "GolferForm", "GroupOfScoresForm",
                                   "HandicapForm", "IndexForm", "IndexHistoryForm", "MainForm",
                                   "PrintHandicapsDlg", "PrintHdcpDetails", "PrintPreviewDlg",
                                   "ScoreForm", "StrokeIndexDlg", "TwoChoiceDlg"}));
    qDeleteAll(made);
  }
};

QTEST_MAIN(AccessibleTest)
#include "accessible_test.moc"
