// The print preview through the real windows and the real Qt dialogs, on a
// machine without a printer (the print dialog offers a PDF file): the
// preview shows the pages the PDF then holds, Cancel prints and says
// nothing, and the pages are the ones laid out before the preview opened.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "print/qmprthdp.h"
#include "print/qtprintdevice.h"
#include "support/pdf_text.h"
#include "support/qt_prompts.h"
#include "support/qt_rounds.h"
#include "support/report_files.h"
#include "support/workdir.h"
#include "ui/qmpreview.h"
#include "windows/qmgolfer.h"
#include "windows/qmgpick.h"

using namespace qm;
using namespace qm::test;

namespace {

// What the open preview showed: its page count, and its pages drawn once
// more by the preview's own painting into shown.pdf.
struct Shown {
  int Pages = 0;
  QString PageLabel;
  QString Pdf;
};

// Confirms the real print dialog as offered (a PDF file in the working
// directory), then runs inPreview with the open preview and answers it with
// Print or Cancel.
void DrivePrint(Shown& shown, bool print, std::function<void(TPrintPreviewDlg*)> inPreview = {}) {
  OnNextModal([=, &shown](QWidget* modal) {
    auto* dialog = qobject_cast<QPrintDialog*>(modal);
    QVERIFY(dialog != nullptr);
    OnNextModal([=, &shown](QWidget* modal) {
      auto* preview = qobject_cast<TPrintPreviewDlg*>(modal);
      QVERIFY(preview != nullptr);
      QCOMPARE(preview->windowTitle(), QStringLiteral("Print Preview"));
      QVERIFY(preview->PrintButton->isDefault());
      shown.Pages = preview->Preview->pageCount();
      shown.PageLabel = preview->PageCountLabel->text();
      QPrinter again(QPrinter::HighResolution);
      PrepareLetterPrinter(again);
      again.setOutputFormat(QPrinter::PdfFormat);
      shown.Pdf = QDir::current().filePath(QStringLiteral("shown.pdf"));
      again.setOutputFileName(shown.Pdf);
      emit preview->Preview->paintRequested(&again);
      if (inPreview) inPreview(preview);
      QTest::mouseClick(print ? preview->PrintButton : preview->CancelButton, Qt::LeftButton);
    });
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
  });
}

QStringList PdfFiles() { return QDir::current().entryList({QStringLiteral("*.pdf")}, QDir::Files); }

}  // namespace

class PreviewTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WorkDir> dir_;
  ScriptedPrompts* prompts_ = nullptr;

  TPrintHandicapsDlg* OpenPrintHandicaps(const QList<int>& rows) {
    auto* dialog = new TPrintHandicapsDlg([] { return true; });
    dialog->show();
    Focus(dialog->CourseField);
    QTest::qWait(QApplication::keyboardInputInterval() + 1);
    QTest::keyClicks(dialog->CourseField, QStringLiteral("P"));
    for (int row : rows) dialog->GolferListBox->item(row)->setSelected(true);
    QTest::mouseClick(dialog->IncludeBtn, Qt::LeftButton);
    return dialog;
  }

 private slots:
  void initTestCase() { QApplication::setKeyboardInputInterval(5); }
  void init() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("this machine has a printer");
    dir_ = std::make_unique<WorkDir>();
    prompts_ = &InstallScriptedPrompts();
    prompts_->RealPrintDialogs = true;
    WriteFile("courses.qmd", CourseLine("Pine Ridge", "71.4", "130", "72"));
    WriteFile("golfers.qmd", "Ann Adams~ANN~0~\r\nBob Brown~BOB~0~\r\nCarl Cole~CARL~0~\r\n");
    WriteScores("ANN", PlainScores({100, 100, 100, 100, 82}));
    WriteScores("BOB", PlainScores({81, 90, 90, 90, 90}));
    WriteScores("CARL", PlainScores({100, 100, 100, 100, 85}));
  }
  void cleanup() {
    QList<QPointer<QWidget>> opened;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (qobject_cast<TPrintHandicapsDlg*>(window) || qobject_cast<TGPickForm*>(window))
        opened << window;
    qDeleteAll(opened);
    delete Program().GolferForm;
    delete Program().ScoreForm;
    Program() = QmProgram{};
    dir_.reset();
  }

  void theHistoryPreviewShowsThePagesThatPrint() {
    WriteFile("golfers.qmd", "Ann Lee~LEE~1~\r\n");
    WriteFile("LEE.qmg", Rounds(70));  // a row each: two pages
    Program().ScoreForm = new TScoreForm;
    Program().GolferForm = new TGolferForm;
    auto* list = new TGPickForm;
    list->show();
    Activate(list);
    list->GolferListBox->setCurrentRow(0);
    prompts_->Choices = {1};
    Shown shown;
    DrivePrint(shown, true, [](TPrintPreviewDlg* preview) {
      QVERIFY(!SaveScreen(preview, QStringLiteral("print-preview")).isEmpty());
    });
    QTest::mouseClick(list->PrintScoresButton, Qt::LeftButton);

    const QString printed = QDir::current().filePath(QStringLiteral("LEE.qmr.pdf"));
    QCOMPARE(shown.Pages, 2);
    QCOMPARE(shown.PageLabel, QStringLiteral("of 2"));
    QCOMPARE(PdfPageCount(printed), 2);
    const QStringList words = PdfWords(printed);
    QVERIFY2(words.join(' ').contains(QStringLiteral("Ann Lee")), qPrintable(words.join('\n')));
    QCOMPARE(PdfWords(shown.Pdf), words);
    QCOMPARE(prompts_->Texts().last(), QStringLiteral("Printing completed."));
  }

  void cancelInThePreviewPrintsNothingAndSaysNothing() {
    TPrintHandicapsDlg* dialog = OpenPrintHandicaps({0, 1});
    prompts_->Choices = {1};
    Shown shown;
    DrivePrint(shown, false);
    QTest::mouseClick(dialog->PrintListButton, Qt::LeftButton);
    QCOMPARE(shown.Pages, 1);
    QVERIFY(PdfWords(shown.Pdf).join(' ').contains(QStringLiteral("Ann Adams 9.6")));
    QCOMPARE(PdfFiles(), QStringList{"shown.pdf"});
    QCOMPARE(prompts_->Shown.size(), std::size_t{3});
    QCOMPARE(prompts_->Shown.back().Kind, BoxKind::PrintPreview);
  }

  // Seven cards left: the first card goes into the fourth slot, the second
  // row's right column; scores saved while the preview is open do not reach
  // the cards.
  void theCardsPrintAsPreviewedFromTheSlotOfTheCardsLeft() {
    TPrintHandicapsDlg* dialog = OpenPrintHandicaps({1});
    prompts_->CardCounts = {7};
    Shown shown;
    DrivePrint(shown, true, [](TPrintPreviewDlg*) {
      WriteScores("BOB", PlainScores({120, 120, 120, 120, 120}));
    });
    QTest::mouseClick(dialog->PrintCardsButton, Qt::LeftButton);

    const QRectF name = PdfWordBox(shown.Pdf, QStringLiteral("Name:"));
    QVERIFY(name.isValid());
    QCOMPARE(qRound(name.left()), qRound(4.6 * 72));          // the right column
    QVERIFY2(name.top() > 2.5 * 72 && name.top() < 3.0 * 72,  // the second row
             qPrintable(QString::number(name.top() / 72)));
    const QString printed = QDir::current().filePath(QStringLiteral("hdcpcards.pdf"));
    QCOMPARE(PdfWords(printed), PdfWords(shown.Pdf));
    QVERIFY(PdfWords(printed).join(' ').contains(QStringLiteral("INDEX: 8.6")));
    SavePdfPicture(printed, QStringLiteral("cards-fourth-slot"));
    QCOMPARE(prompts_->Texts().last(),
             QStringLiteral("Handicap cards have been sent to the printer."));
  }
};

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
