// The print preview through the real windows and the real Qt dialogs, on a
// machine without a printer (the print dialog offers a PDF file): the
// preview shows the pages the PDF then holds, Cancel prints and says
// nothing, and the pages are those laid out before the preview opened.
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include "print/qmprthdp.h"
#include "print/qtprintdevice.h"
#include "support/pdf_text.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_rounds.h"
#include "support/report_files.h"
#include "ui/qmpreview.h"
#include "windows/qmgolfer.h"
#include "windows/qmgpick.h"

using namespace qm;
using namespace qm::test;

namespace {

const QString kShown = QStringLiteral("shown.pdf");

// Confirms the print dialog as offered, then in the preview: its page count
// into pages, its pages painted once more into kShown, inPreview, and Print
// or Cancel.
void DrivePrint(int& pages, bool print, std::function<void(TPrintPreviewDlg*)> inPreview = {}) {
  OnNextModal([=, &pages](QWidget* dialog) {
    QVERIFY(qobject_cast<QPrintDialog*>(dialog) != nullptr);
    OnNextModal([=, &pages](QWidget* modal) {
      auto* preview = qobject_cast<TPrintPreviewDlg*>(modal);
      QVERIFY(preview != nullptr && Control<QPushButton>(preview, "PrintButton")->isDefault());
      QCOMPARE(preview->windowTitle(), QStringLiteral("Print Preview"));
      pages = Control<QPrintPreviewWidget>(preview, "Preview")->pageCount();
      QPrinter again(QPrinter::HighResolution);
      PrepareLetterPrinter(again);
      again.setOutputFileName(kShown);
      emit Control<QPrintPreviewWidget>(preview, "Preview")->paintRequested(&again);
      if (inPreview) inPreview(preview);
      QTest::mouseClick(print ? Control<QPushButton>(preview, "PrintButton")
                              : Control<QPushButton>(preview, "CancelButton"),
                        Qt::LeftButton);
    });
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
  });
}

}  // namespace

class PreviewTest : public qm::test::WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("this machine has a printer");
    Begin();
    prompts_->RealPrintDialogs = true;
  }

  void theHistoryPrintsThePagesThePreviewShowed() {
    WriteFile("golfers.qmd", "Ann Lee~LEE~1~\r\n");
    WriteFile("LEE.qmg", Rounds(70));  // a row each: two pages
    Program().ScoreForm = new TScoreForm;
    Program().GolferForm = new TGolferForm;
    TGPickForm list;
    list.show();
    Control<QListWidget>(&list, "GolferListBox")->setCurrentRow(0);

    int pages = 0;
    prompts_->Choices = {1, 1};
    DrivePrint(pages, false);
    QTest::mouseClick(Control<QPushButton>(&list, "PrintScoresButton"), Qt::LeftButton);
    QCOMPARE(QDir::current().entryList({"*.pdf"}), QStringList{kShown});  // nothing printed
    QCOMPARE(prompts_->Shown.back().Kind, BoxKind::PrintPreview);         // nor said

    DrivePrint(pages, true, [](TPrintPreviewDlg* preview) {
      QVERIFY(!SaveScreen(preview, QStringLiteral("print-preview")).isEmpty());
      QTest::mouseClick(Control<QToolButton>(preview, "NextPageButton"), Qt::LeftButton);
      QCOMPARE(Control<QSpinBox>(preview, "PageField")->value(), 2);
      QCOMPARE(Control<QLabel>(preview, "PageCountLabel")->text(), QStringLiteral("of 2"));
      const qreal zoom = Control<QPrintPreviewWidget>(preview, "Preview")->zoomFactor();
      QTest::mouseClick(Control<QToolButton>(preview, "ZoomInButton"), Qt::LeftButton);
      QVERIFY(Control<QPrintPreviewWidget>(preview, "Preview")->zoomFactor() > zoom);
    });
    QTest::mouseClick(Control<QPushButton>(&list, "PrintScoresButton"), Qt::LeftButton);
    QCOMPARE(pages, 2);
    QCOMPARE(PdfPageCount(QStringLiteral("LEE.qmr.pdf")), 2);
    const QStringList words = PdfWords(QStringLiteral("LEE.qmr.pdf"));
    QVERIFY(words.join(' ').contains(QStringLiteral("70 scores on file for Ann Lee")));
    QCOMPARE(PdfWords(kShown), words);
    QCOMPARE(prompts_->Texts().last(), QStringLiteral("Printing completed."));
  }

  // Seven cards left: the first card goes into the fourth slot, the second
  // row's right column. Scores saved while the preview is open do not reach
  // the cards.
  void theCardsPrintAsPreviewedFromTheSlotOfTheCardsLeft() {
    WriteFile("courses.qmd", CourseLine("Pine Ridge", "71.4", "130", "72"));
    WriteFile("golfers.qmd", "Bob Brown~BOB~0~\r\n");
    WriteScores("BOB", PlainScores({81, 90, 90, 90, 90}));  // 8.6
    TPrintHandicapsDlg dialog([] { return true; });
    Control<QComboBox>(&dialog, "CourseField")->setCurrentIndex(0);
    dialog.CourseFieldClick();
    dialog.IncAllBtnClick();
    prompts_->CardCounts = {7};
    int pages = 0;
    DrivePrint(pages, true, [](TPrintPreviewDlg*) {
      WriteScores("BOB", PlainScores({120, 120, 120, 120, 120}));
    });
    QTest::mouseClick(Control<QPushButton>(&dialog, "PrintCardsButton"), Qt::LeftButton);

    // All that is drawn lies in the fourth slot: 4.5 inches from the left,
    // 2.5 from the top, 3.5 wide and 2 high (in points).
    const QStringList slot = {"-x", "324", "-y", "180", "-W", "252", "-H", "144"};
    QCOMPARE(PdfWords(kShown, slot), PdfWords(kShown));
    QCOMPARE(PdfWords(QStringLiteral("hdcpcards.pdf")), PdfWords(kShown));
    QVERIFY(PdfWords(kShown).join(' ').contains(QStringLiteral("INDEX: 8.6")));
    QCOMPARE(prompts_->Texts().last(),
             QStringLiteral("Handicap cards have been sent to the printer."));
  }
};

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
