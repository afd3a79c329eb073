// The real dialogs of "printer or file" on a machine without a printer: the
// print dialog offers a PDF file, and printing to it works.
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest>

#include "print/printorfile.h"
#include "support/qt_fixture.h"
#include "support/qt_support.h"
#include "ui/prompts.h"
#include "ui/qm2choic.h"
#include "ui/qmpreview.h"

using qm::test::Control;

namespace {

// The real dialogs, but the closing message is only recorded.
class RealDialogs : public qm::QtPrompts {
 public:
  QStringList Messages;
  void Message(const QString& text) override { Messages << text; }
};

}  // namespace

class PrintDialogTest : public qm::test::WindowTest {
  Q_OBJECT

 private slots:
  void printsToAPdfWithoutAPrinter() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("this machine has a printer");
    auto owned = std::make_unique<RealDialogs>();
    RealDialogs* prompts = owned.get();
    auto previous = qm::SetPrompts(std::move(owned));

    QString offered;
    int previewed = 0;
    qm::test::OnNextModal([&](QWidget* question) {
      qm::test::OnNextModal([&](QWidget* dialog) {
        // The preview of the pages, then its Print.
        qm::test::OnNextModal([&](QWidget* shown) {
          auto* preview = qobject_cast<qm::TPrintPreviewDlg*>(shown);
          QVERIFY(preview != nullptr);
          previewed = Control<QPrintPreviewWidget>(preview, "Preview")->pageCount();
          QTest::mouseClick(Control<QPushButton>(preview, "PrintButton"), Qt::LeftButton);
        });
        auto* print = qobject_cast<QPrintDialog*>(dialog);
        QVERIFY(print != nullptr);
        offered = print->printer()->outputFileName();
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr && buttons->button(QDialogButtonBox::Ok) != nullptr);
        // The dialog's own "Print" button, as the user presses it.
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
      });
      QTest::mouseClick(Control<QPushButton>(static_cast<qm::TTwoChoiceDlg*>(question), "Button1"),
                        Qt::LeftButton);
    });
    qm::PrinterOrFileJob job;
    job.Question = QStringLiteral("Output scores to the printer or to a file?");
    job.FileName = "PLAYER1.qmr";
    job.Lines = qm::LinesOf({"HELLO"});
    const qm::OutputResult result = qm::PrintOrWrite(job);
    const auto mine = qm::SetPrompts(std::move(previous));

    QCOMPARE(offered, QDir::current().absoluteFilePath(QStringLiteral("PLAYER1.qmr.pdf")));
    QCOMPARE(previewed, 1);
    QCOMPARE(int(result), int(qm::OutputResult::Printed));
    QCOMPARE(prompts->Messages, QStringList{"Printing completed."});
    QFile pdf(QStringLiteral("PLAYER1.qmr.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
  }
};

QTEST_MAIN(PrintDialogTest)
#include "printdialog_test.moc"
