// The hand-over between a long-lived dialog and the window that opened it,
// through real showing, hiding and activation.
#include "ui/handover.h"

#include <QDialog>
#include <QEvent>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "support/qt_support.h"
#include "support/workdir.h"

namespace {

// The shared dialog: OkPressed as its callers read it.
class Dialog : public QDialog {
 public:
  qm::HandOver Hand{this};
  QString OkPressed = QStringLiteral("0");
  void Ok() {
    OkPressed = QStringLiteral("1");
    Hand.Finish();
  }
};

// An opener whose activation handler takes a confirmed result over, but
// only one it asked for.
class Opener : public QWidget {
 public:
  explicit Opener(Dialog& dialog) : dialog_(dialog) {}
  int Activations = 0;
  int Taken = 0;

 protected:
  void changeEvent(QEvent* event) override {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    ++Activations;
    if (dialog_.OkPressed == "1" && dialog_.Hand.IsFor(this)) {
      dialog_.OkPressed = QStringLiteral("0");
      ++Taken;
    }
  }

 private:
  Dialog& dialog_;
};

}  // namespace

class HandOverTest : public QObject {
  Q_OBJECT

  std::unique_ptr<qm::test::WorkDir> dir_;

 private slots:
  void init() { dir_ = std::make_unique<qm::test::WorkDir>(); }
  void cleanup() { dir_.reset(); }

  void resultGoesBackToItsOpenerOnly() {
    Dialog dialog;
    Opener a(dialog), b(dialog);
    a.show();
    b.show();
    qm::test::Activate(&a);

    dialog.Hand.ShowFor(&a);
    QApplication::processEvents();
    QVERIFY(dialog.isVisible());
    QCOMPARE(QApplication::activeWindow(), &dialog);
    QCOMPARE(dialog.windowHandle()->transientParent(), a.windowHandle());
    QVERIFY(dialog.Hand.IsFor(&a));
    QVERIFY(!dialog.Hand.IsFor(&b));
    QVERIFY(!dialog.Hand.IsFor(nullptr));

    // The user makes the other window active while the dialog is open: it
    // must not take the result.
    qm::test::Activate(&b);
    const int aBefore = a.Activations;
    qm::test::Activate(&dialog);
    dialog.Ok();
    QApplication::processEvents();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(QApplication::activeWindow(), &a);
    QCOMPARE(a.Activations, aBefore + 1);
    QCOMPARE(a.Taken, 1);
    QCOMPARE(b.Taken, 0);

    // Shown next for B: A's activation no longer takes anything.
    dialog.Hand.ShowFor(&b);
    QCOMPARE(dialog.windowHandle()->transientParent(), b.windowHandle());
    dialog.OkPressed = QStringLiteral("1");
    qm::test::Activate(&a);
    QCOMPARE(a.Taken, 1);
    dialog.Hand.Finish();
    QCOMPARE(QApplication::activeWindow(), &b);
    QCOMPARE(b.Taken, 1);
  }

  void openerGoneWhileTheDialogIsOpen() {
    Dialog dialog;
    auto opener = std::make_unique<Opener>(dialog);
    opener->show();
    dialog.Hand.ShowFor(opener.get());
    opener.reset();
    QCOMPARE(dialog.Hand.Opener(), nullptr);
    dialog.Ok();
    QVERIFY(!dialog.isVisible());

    Opener other(dialog);
    other.show();
    dialog.Hand.ShowFor(&other);
    dialog.Hand.Forget();
    QVERIFY(!dialog.Hand.IsFor(&other));
  }
};

QTEST_MAIN(HandOverTest)
#include "handover_test.moc"
