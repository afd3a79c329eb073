// The card details dialog: the number of cards left on the first sheet,
// checked before the dialog lets go, and asked through the real prompts.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_support.h"
#include "ui/prompts.h"
#include "ui/qmcrddet.h"

using qm::TPrintHdcpDetails;
using qm::test::Control;

class CardDetailsTest : public qm::test::WindowTest {
  Q_OBJECT

 private slots:
  void printChecksTheNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("cards");
    const QString notANumber = QStringLiteral(
        "The number of cards on the first sheet value must be a number between 1 and 10.");
    const QString outside =
        QStringLiteral("The number of cards on the first sheet must be between 1 and 10.");
    QTest::newRow("not a number") << "3x" << notANumber << -1;
    QTest::newRow("empty") << "" << notANumber << -1;
    QTest::newRow("zero") << "0" << outside << -1;
    QTest::newRow("eleven") << "11" << outside << -1;
    QTest::newRow("one") << "1" << QString() << 1;
    QTest::newRow("ten") << "10" << QString() << 10;
  }

  void printChecksTheNumber() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(int, cards);
    auto& prompts = qm::test::InstallScriptedPrompts();
    TPrintHdcpDetails dialog;
    dialog.show();
    QCOMPARE(Control<QLineEdit>(&dialog, "NumOfCardsFld")->text(), QStringLiteral("10"));
    qm::test::TypeInto(Control<QLineEdit>(&dialog, "NumOfCardsFld"), typed);
    QTest::mouseClick(Control<QPushButton>(&dialog, "PrintBtn"), Qt::LeftButton);
    QCOMPARE(prompts.Texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(dialog.isVisible(), !message.isEmpty());
    QCOMPARE(dialog.CardsOnFirstSheet(), cards);
    if (!message.isEmpty()) {
      QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(&dialog, "NumOfCardsFld"));
      // Cancel after a refusal still cancels.
      QTest::mouseClick(Control<QPushButton>(&dialog, "CancelBtn"), Qt::LeftButton);
      QVERIFY(!dialog.isVisible());
      QCOMPARE(dialog.CardsOnFirstSheet(), TPrintHdcpDetails::Cancelled);
    }
  }

  void askedThroughThePrompts_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Print") << "print" << 4;
    QTest::newRow("Cancel") << "cancel" << -1;
    QTest::newRow("Escape") << "escape" << -1;
  }

  void askedThroughThePrompts() {
    QFETCH(QString, how);
    QFETCH(int, result);
    qm::SetPrompts(std::make_unique<qm::QtPrompts>());
    bool seen = false;
    qm::test::OnNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<TPrintHdcpDetails*>(modal);
      QVERIFY(dialog != nullptr);
      seen = true;
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Print Handicap Cards"));
      QVERIFY(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
      QCOMPARE(Control<QLabel>(dialog, "Label10")->text(),
               QStringLiteral("Specifications:  2\" x 3.5\"  (5,1 x 8,9 cm)"));
      QCOMPARE(
          Control<QLabel>(dialog, "Label4")->text() + Control<QLabel>(dialog, "Label5")->text(),
          QStringLiteral("5371, 5376, 5377, 5911, 8371, 8376, 8377, 8471, 8476, 8871"));
      QCOMPARE(dialog->frameGeometry().center(), dialog->screen()->availableGeometry().center());
      QTRY_VERIFY(dialog->isActiveWindow());
      QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(dialog, "NumOfCardsFld"));
      if (how == "print") {
        QTest::keyClicks(Control<QLineEdit>(dialog, "NumOfCardsFld"),
                         QStringLiteral("4"));  // replaces the selection
        qm::test::SaveScreen(dialog, QStringLiteral("crddet"));
        QTest::keyClick(Control<QLineEdit>(dialog, "NumOfCardsFld"), Qt::Key_Return);
      } else if (how == "cancel") {
        QTest::mouseClick(Control<QPushButton>(dialog, "CancelBtn"), Qt::LeftButton);
      } else {
        QTest::keyClick(dialog, Qt::Key_Escape);
      }
    });
    QCOMPARE(qm::CurrentPrompts().CardsOnFirstSheet(), result);
    QVERIFY(seen);
  }
};

QTEST_MAIN(CardDetailsTest)
#include "crddet_test.moc"
