// The two-choice dialog: each way of answering, asked the way the report
// commands ask it (through the real prompts).
#include <QCloseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QtTest>
#include <functional>
#include <memory>

#include "support/qt_fixture.h"
#include "support/qt_support.h"
#include "support/workdir.h"
#include "ui/prompts.h"
#include "ui/qm2choic.h"

using qm::TTwoChoiceDlg;
using qm::test::Control;

class TwoChoiceTest : public qm::test::WindowTest {
  Q_OBJECT

  std::unique_ptr<qm::Prompts> previous_;

 private slots:
  void init() {
    Begin();
    previous_ = qm::SetPrompts(std::make_unique<qm::QtPrompts>());
  }
  void cleanup() {
    qm::SetPrompts(std::move(previous_));
    End();
  }

  void answers_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("first button") << "Button1" << 1;
    QTest::newRow("second button") << "Button2" << 2;
    QTest::newRow("Cancel") << "CancelButton" << -1;
    QTest::newRow("Escape means Cancel") << "escape" << -1;
    QTest::newRow("the frame gives the second answer") << "frame" << 2;
    QTest::newRow("Enter takes the focused first answer") << "enter" << 1;
  }

  void answers() {
    QFETCH(QString, how);
    QFETCH(int, result);
    bool seen = false;
    qm::test::OnNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<TTwoChoiceDlg*>(modal);
      QVERIFY(dialog != nullptr);
      seen = true;
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Printer or File"));
      QCOMPARE(Control<QTextEdit>(dialog, "MemoField")->toPlainText(),
               QStringLiteral("Output scores to the printer or to a file?"));
      QCOMPARE(Control<QPushButton>(dialog, "Button1")->text(), QStringLiteral("Printer"));
      QCOMPARE(Control<QPushButton>(dialog, "Button2")->text(), QStringLiteral("File"));
      QCOMPARE(Control<QPushButton>(dialog, "CancelButton")->text(), QStringLiteral("Cancel"));
      // The keys go where the user's keys go: to the focus of the active dialog.
      QTRY_VERIFY(dialog->isActiveWindow());
      QCOMPARE(QApplication::focusWidget(), Control<QPushButton>(dialog, "Button1"));
      if (how == "escape")
        QTest::keyClick(Control<QPushButton>(dialog, "Button1"), Qt::Key_Escape);
      else if (how == "enter")
        QTest::keyClick(Control<QPushButton>(dialog, "Button1"), Qt::Key_Return);
      else if (how == "frame")
        dialog->close();
      else
        QTest::mouseClick(dialog->findChild<QPushButton*>(how), Qt::LeftButton);
    });
    const int answer = qm::CurrentPrompts().TwoChoice(
        "Printer or File", "Output scores to the printer or to a file?", "Printer", "File");
    QVERIFY(seen);
    QCOMPARE(answer, result);
  }

  void looksAsLaidOut() {
    TTwoChoiceDlg dialog;
    dialog.Prime("Printer or File", "Output handicap list to the printer or to a file?", "Printer",
                 "File");
    dialog.show();
    QApplication::processEvents();

    QCOMPARE(dialog.size(), QSize(349, 147));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.frameGeometry().center(), dialog.screen()->availableGeometry().center());
    QCOMPARE(Control<QPushButton>(&dialog, "Button1")->mapTo(&dialog, QPoint(0, 0)),
             QPoint(26, 102));
    // The whole question is visible in its area.
    QVERIFY(Control<QTextEdit>(&dialog, "MemoField")->document()->size().height() <=
            Control<QTextEdit>(&dialog, "MemoField")->height());
    QCOMPARE(Control<QTextEdit>(&dialog, "MemoField")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(Control<QPushButton>(&dialog, "Button1")->nextInFocusChain(),
             Control<QPushButton>(&dialog, "Button2"));
    QCOMPARE(Control<QPushButton>(&dialog, "Button2")->nextInFocusChain(),
             Control<QPushButton>(&dialog, "CancelButton"));
    qm::test::SaveScreen(&dialog, QStringLiteral("twochoice"));
  }
};

QTEST_MAIN(TwoChoiceTest)
#include "twochoice_test.moc"
