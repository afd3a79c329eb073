// The activation handler of a window: which activations run it, and the
// focus it puts into the window's first field.
#include "ui/activation.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

#include "support/qt_fixture.h"
#include "support/qt_support.h"

using qm::ActivationHandler;
using qm::test::Activate;

namespace {

class Window : public QWidget {
 public:
  explicit Window(ActivationHandler::Runs runs) : activation_(this, runs, [this] { ++Runs; }) {
    First->setText(QStringLiteral("first"));
    Second->move(0, 30);
    activation_.FocusAtShowing(First);
  }
  int Runs = 0;
  QLineEdit* First = new QLineEdit(this);
  QLineEdit* Second = new QLineEdit(this);

 private:
  ActivationHandler activation_;
};

}  // namespace

class ActivationTest : public qm::test::WindowTest {
  Q_OBJECT

 private slots:
  void whichActivationsRunTheHandler_data() {
    QTest::addColumn<bool>("oncePerShowing");
    QTest::newRow("every time") << false;
    QTest::newRow("once per showing") << true;
  }

  void whichActivationsRunTheHandler() {
    QFETCH(bool, oncePerShowing);
    Window window(oncePerShowing ? ActivationHandler::Runs::OncePerShowing
                                 : ActivationHandler::Runs::EveryTime);
    QWidget other;
    other.show();
    Activate(&other);
    window.show();
    Activate(&window);
    QVERIFY(window.Runs >= 1);
    const int shown = window.Runs;
    if (oncePerShowing) QCOMPARE(shown, 1);
    // The first field has the focus, its text selected.
    QCOMPARE(QApplication::focusWidget(), window.First);
    QCOMPARE(window.First->selectedText(), QStringLiteral("first"));

    // Another window of the program, then back: a new activation, but the
    // focus is the user's now.
    window.Second->setFocus();
    Activate(&other);
    Activate(&window);
    QCOMPARE(window.Runs, oncePerShowing ? shown : shown + 1);
    QCOMPARE(QApplication::focusWidget(), window.Second);

    // Another program and back: none.
    QApplication::setActiveWindow(nullptr);
    QApplication::processEvents();
    Activate(&window);
    QCOMPARE(window.Runs, oncePerShowing ? shown : shown + 1);

    // One of the window's own message boxes closing: none.
    {
      QMessageBox box(QMessageBox::NoIcon, QString(), QStringLiteral("box"), QMessageBox::Ok,
                      &window);
      box.show();
      QApplication::setActiveWindow(&box);
      box.hide();
    }
    Activate(&window);
    QCOMPARE(window.Runs, oncePerShowing ? shown : shown + 1);

    // Shown anew: it runs, and the focus goes to the first field again.
    window.hide();
    Activate(&other);
    window.show();
    Activate(&window);
    QCOMPARE(window.Runs, oncePerShowing ? shown + 1 : shown + 2);
    QCOMPARE(QApplication::focusWidget(), window.First);
  }
};

QTEST_MAIN(ActivationTest)
#include "activation_test.moc"
