// The hand-over between a long-lived dialog and the window that opened it,
// through real showing, hiding and activation.
#include "ui/handover.h"

#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "support/qt_fixture.h"
#include "support/qt_opener.h"
#include "support/qt_support.h"

namespace {

using qm::test::ScriptedOpener;

// The shared dialog, with its result as the program's dialogs keep it.
class Dialog : public QDialog {
 public:
  qm::HandOver Hand{this};
  qm::HandOverResult Result{this, Hand};
  void Ok() { Result.Finish(true); }

 protected:
  void showEvent(QShowEvent* event) override {
    Result.Reset();
    QDialog::showEvent(event);
  }
};

// An opener whose activation handler takes a confirmed result over, but
// only one it asked for.
class Opener : public ScriptedOpener {
 public:
  explicit Opener(Dialog& dialog) : ScriptedOpener(From(dialog.Result)) {}
};

bool Confirmed(const Dialog& dialog) { return dialog.Result.Field()->text() == "1"; }

}  // namespace

class HandOverTest : public qm::test::WindowTest {
  Q_OBJECT

 private slots:
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
    QVERIFY(dialog.Result.OpenFor(&b) && !dialog.Result.OpenFor(&a));
    dialog.Result.Field()->setText(QStringLiteral("1"));
    qm::test::Activate(&a);
    QCOMPARE(a.Taken, 1);
    dialog.Hand.Finish();
    QCOMPARE(QApplication::activeWindow(), &b);
    QCOMPARE(b.Taken, 1);
    // Taken once: later activations take nothing.
    qm::test::Activate(&a);
    qm::test::Activate(&b);
    QCOMPARE(b.Taken, 1);
    QVERIFY(!Confirmed(dialog));
  }

  void aResultNobodyTookIsGoneAtTheNextShowing() {
    Dialog dialog;
    Opener a(dialog), b(dialog);
    a.show();
    b.show();
    dialog.Hand.ShowFor(&a);
    a.hide();  // no activation comes back to it
    dialog.Ok();
    QVERIFY(Confirmed(dialog));
    dialog.Hand.ShowFor(&b);
    QVERIFY(!Confirmed(dialog));
    // Cancel gives nothing either.
    dialog.Result.Finish(false);
    QCOMPARE(b.Taken, 0);
    QVERIFY(!dialog.Result.Take(&b));

    // An opener that closes releases the dialog it holds, and only that.
    dialog.Hand.ShowFor(&b);
    dialog.Result.Release(&a);
    QVERIFY(dialog.isVisible());
    dialog.Result.Field()->setText(QStringLiteral("1"));
    dialog.Result.Release(&b);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!Confirmed(dialog));
    QVERIFY(!dialog.Hand.IsFor(&b));
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
    QVERIFY(!dialog.Result.Take(nullptr));

    Opener other(dialog);
    other.show();
    dialog.Hand.ShowFor(&other);
    dialog.Hand.Forget();
    QVERIFY(!dialog.Hand.IsFor(&other));
  }
};

QTEST_MAIN(HandOverTest)
#include "handover_test.moc"
