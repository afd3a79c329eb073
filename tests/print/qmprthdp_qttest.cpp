// The print handicaps dialog, driven as a user drives it: moving golfers
// between the lists, picking a course, and the handicap list and cards that
// follow.
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "app/clock.h"
#include "print/qmprthdp.h"
#include "support/pdf_text.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_support.h"
#include "support/report_files.h"

using namespace qm;
using namespace qm::test;

namespace {

// In the roster's order, by bytes: Ann Adams, Bob Brown, Carl Cole, al Ames.
void WriteFiles() {
  qm::test::WriteFile("courses.qmd", CourseLine("Pine Ridge", "71.4", "130", "72") +
                                         CourseLine("Oak Hills", "69.8", "118", "70"));
  qm::test::WriteFile(
      "golfers.qmd",
      "Carl Cole~CARL~0~\r\nal Ames~AL~0~\r\nAnn Adams~ANN~0~\r\nBob Brown~BOB~0~\r\n");
  // Indexes 12.5, 9.6, 8.6 and 38.4 (36.4 under the Maximum Index Rule).
  using qm::test::PlainScores;
  qm::test::WriteScores("CARL", PlainScores({100, 100, 100, 100, 85}));  // 13 x .96 = 12.48
  qm::test::WriteScores("ANN", PlainScores({100, 100, 100, 100, 82}));   // 10 x .96 = 9.6
  qm::test::WriteScores("BOB", PlainScores({81, 90, 90, 90, 90}));       // 9 x .96 = 8.64
  qm::test::WriteScores("AL", PlainScores({112, 112, 112, 112, 112}));   // 40 x .96
}

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int row = 0; row < list->count(); ++row) items << list->item(row)->text();
  return items;
}

QList<int> Selected(const QListWidget* list) {
  QList<int> rows;
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->isSelected()) rows << row;
  return rows;
}

// Clicks the rows as the user does: the first plainly, the others with Ctrl.
void Select(QListWidget* list, const QList<int>& rows) {
  Qt::KeyboardModifiers modifiers;
  for (int row : rows) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(list->item(row)).center());
    modifiers = Qt::ControlModifier;
  }
}

// The enabled state of ">", ">>", "<", "<<".
QList<bool> Buttons(const TPrintHandicapsDlg* dialog) {
  return {Control<QPushButton>(dialog, "IncludeBtn")->isEnabled(),
          Control<QPushButton>(dialog, "IncAllBtn")->isEnabled(),
          Control<QPushButton>(dialog, "ExcludeBtn")->isEnabled(),
          Control<QPushButton>(dialog, "ExAllBtn")->isEnabled()};
}

}  // namespace

class PrintHandicapsTest : public qm::test::WindowTest {
  Q_OBJECT
  QPointer<TPrintHandicapsDlg> dialog_;
  bool useMaxIndex_ = true;

  TPrintHandicapsDlg* Open() {
    dialog_ = new TPrintHandicapsDlg([this] { return useMaxIndex_; });
    dialog_->show();
    qm::test::Activate(dialog_);
    return dialog_;
  }

  // Picks a course with the keys of the closed list, as a user may.
  void PickCourse(const QString& name) {
    qm::test::Focus(Control<QComboBox>(dialog_, "CourseField"));
    QTest::qWait(QApplication::keyboardInputInterval() + 1);
    QTest::keyClicks(Control<QComboBox>(dialog_, "CourseField"), name.left(1));
    QCOMPARE(Control<QComboBox>(dialog_, "CourseField")->currentText(), name);
  }

 private slots:
  void initTestCase() { QApplication::setKeyboardInputInterval(5); }
  void init() {
    Begin();
    WriteFiles();
  }
  void cleanup() {
    delete dialog_.data();
    End();
  }

  void opensWithEveryGolferAndNoCourse() {
    TPrintHandicapsDlg* dialog = Open();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Print Handicaps Dialog"));
    QCOMPARE(dialog->size(), QSize(342, 339));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->frameGeometry().center(), dialog->screen()->availableGeometry().center());
    QCOMPARE(Control<QComboBox>(dialog, "CourseField")->currentIndex(), -1);
    QCOMPARE(Control<QComboBox>(dialog, "CourseField")->count(), 2);
    QCOMPARE(Control<QComboBox>(dialog, "CourseField")->itemText(0), QStringLiteral("Oak Hills"));
    QCOMPARE(Items(Control<QListWidget>(dialog, "GolferListBox")),
             (QStringList{"Ann Adams", "Bob Brown", "Carl Cole", "al Ames"}));
    QVERIFY(Items(Control<QListWidget>(dialog, "PrintListBox")).isEmpty());
    QCOMPARE(Control<QComboBox>(dialog, "FontSize")->currentText(), QStringLiteral("10"));
    QCOMPARE(Control<QComboBox>(dialog, "FontSize")->count(), 5);
    QCOMPARE(Buttons(dialog), (QList<bool>{true, true, false, false}));
    qm::test::SaveScreen(dialog, QStringLiteral("prthdp"));
  }

  void movesKeepTheirOrderAndPlaces() {
    TPrintHandicapsDlg* dialog = Open();
    Select(Control<QListWidget>(dialog, "GolferListBox"), {0, 1, 2});
    QTest::mouseClick(Control<QPushButton>(dialog, "IncludeBtn"), Qt::LeftButton);
    QCOMPARE(Items(Control<QListWidget>(dialog, "PrintListBox")),
             (QStringList{"Carl Cole", "Bob Brown", "Ann Adams"}));
    QCOMPARE(Items(Control<QListWidget>(dialog, "GolferListBox")), QStringList{"al Ames"});
    QCOMPARE(Selected(Control<QListWidget>(dialog, "GolferListBox")), QList<int>{0});
    QCOMPARE(Buttons(dialog), (QList<bool>{true, true, true, true}));

    // "<" puts Bob back in his place; the print list selects the row he left.
    Select(Control<QListWidget>(dialog, "PrintListBox"), {1});
    QTest::mouseClick(Control<QPushButton>(dialog, "ExcludeBtn"), Qt::LeftButton);
    QCOMPARE(Items(Control<QListWidget>(dialog, "GolferListBox")),
             (QStringList{"Bob Brown", "al Ames"}));
    QCOMPARE(Items(Control<QListWidget>(dialog, "PrintListBox")),
             (QStringList{"Carl Cole", "Ann Adams"}));
    QCOMPARE(Selected(Control<QListWidget>(dialog, "PrintListBox")), QList<int>{1});

    // A double-click moves the golfer under the pointer.
    QListWidget* list = Control<QListWidget>(dialog, "GolferListBox");
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->item(1)).center());
    QCOMPARE(Items(Control<QListWidget>(dialog, "PrintListBox")),
             (QStringList{"Carl Cole", "Ann Adams", "al Ames"}));
    // The last row moved: the list selects its new last one.
    QCOMPARE(Selected(Control<QListWidget>(dialog, "GolferListBox")), QList<int>{0});

    // "<<" brings everyone back alphabetically; ">>" keeps that order.
    QTest::mouseClick(Control<QPushButton>(dialog, "ExAllBtn"), Qt::LeftButton);
    QCOMPARE(Items(Control<QListWidget>(dialog, "GolferListBox")),
             (QStringList{"Ann Adams", "Bob Brown", "Carl Cole", "al Ames"}));
    QCOMPARE(Buttons(dialog), (QList<bool>{true, true, false, false}));
    QTest::mouseClick(Control<QPushButton>(dialog, "IncAllBtn"), Qt::LeftButton);
    QCOMPARE(Items(Control<QListWidget>(dialog, "PrintListBox")),
             (QStringList{"Ann Adams", "Bob Brown", "Carl Cole", "al Ames"}));
    QCOMPARE(Buttons(dialog), (QList<bool>{false, false, true, true}));
    // A double-click in the empty list moves nothing and selects nothing.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(Control<QListWidget>(dialog, "PrintListBox")->count(), 4);
    QCOMPARE(Buttons(dialog), (QList<bool>{false, false, true, true}));
  }

  void reportsNeedACourseAndGolfers() {
    TPrintHandicapsDlg* dialog = Open();
    Select(Control<QListWidget>(dialog, "GolferListBox"), {0});
    QTest::mouseClick(Control<QPushButton>(dialog, "IncludeBtn"), Qt::LeftButton);
    // A course the program selected is no course the user chose.
    Control<QComboBox>(dialog, "CourseField")->setCurrentIndex(0);
    QTest::mouseClick(Control<QPushButton>(dialog, "PrintListButton"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(dialog, "PrintCardsButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Texts(),
             (QStringList{"You must select a course first.", "You must select a course first."}));
    prompts_->ClearShown();
    PickCourse(QStringLiteral("Pine Ridge"));
    QTest::mouseClick(Control<QPushButton>(dialog, "ExAllBtn"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(dialog, "PrintListButton"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(dialog, "PrintCardsButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Texts(), (QStringList{"You must select at least one golfer.",
                                             "You must select at least one golfer."}));
    QVERIFY(!QFile::exists(QStringLiteral("hdcplist.qmr")));
  }

  void listToAFileInPrintListOrder() {
    TPrintHandicapsDlg* dialog = Open();
    PickCourse(QStringLiteral("Pine Ridge"));
    Select(Control<QListWidget>(dialog, "GolferListBox"), {0, 1, 2});
    QTest::mouseClick(Control<QPushButton>(dialog, "IncludeBtn"), Qt::LeftButton);
    Control<QComboBox>(dialog, "FontSize")->setCurrentIndex(4);
    prompts_->Choices = {2, 2};
    QTest::mouseClick(Control<QPushButton>(dialog, "PrintListButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Shown.at(0).Caption, QStringLiteral("Printer or File"));
    QCOMPARE(prompts_->Texts(), (QStringList{"Output handicap list to the printer or to a file?",
                                             "Handicap file \"HDCPLIST.QMR\" created."}));
    const std::string heading =
        "QUILLMOR COURSE HANDICAPS AS OF:  " + qm::TodayDisplay().toStdString() +
        "\r\n\r\nCourse: Pine Ridge\r\nRating: 71.4  Slope: 130  Par: 72\r\n"
        "\r\n                                 Course   Predicted\r\n"
        "Golfer                 Index   Handicap       Score\r\n\r\n";
    // 12.5 x 130 / 113 = 14.4; 8.6 -> 9.9; 9.6 -> 11.0.
    QCOMPARE(qm::test::ReadFile("hdcplist.qmr"),
             heading +
                 "Carl Cole               12.5         14          86\r\n"
                 "Bob Brown                8.6         10          82\r\n"
                 "Ann Adams                9.6         11          83\r\n");

    // A second run replaces the first; the rule for the index is read now.
    useMaxIndex_ = false;
    QTest::mouseClick(Control<QPushButton>(dialog, "ExAllBtn"), Qt::LeftButton);
    Select(Control<QListWidget>(dialog, "GolferListBox"), {3});
    QTest::mouseClick(Control<QPushButton>(dialog, "IncludeBtn"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(dialog, "PrintListButton"), Qt::LeftButton);
    QCOMPARE(qm::test::ReadFile("hdcplist.qmr"),
             heading + "al Ames                 38.4         44         116\r\n");
  }

  void golfersWhoShareANameKeepTheirOwnValues() {
    qm::test::WriteFile("golfers.qmd", "Pat Golfer~PAT1~0~\r\nPat Golfer~PAT2~0~\r\n");
    qm::test::WriteScores("PAT1", qm::test::PlainScores({81, 90, 90, 90, 90}));
    qm::test::WriteScores("PAT2", qm::test::PlainScores({90}));
    TPrintHandicapsDlg* dialog = Open();
    PickCourse(QStringLiteral("Pine Ridge"));
    Select(Control<QListWidget>(dialog, "GolferListBox"), {1});
    QTest::mouseClick(Control<QPushButton>(dialog, "IncludeBtn"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(dialog, "IncludeBtn"), Qt::LeftButton);
    prompts_->Choices = {2};
    QTest::mouseClick(Control<QPushButton>(dialog, "PrintListButton"), Qt::LeftButton);
    std::string rows;
    for (const qm::TRosterEntry& golfer : dialog->PrintGolfers())
      rows += golfer.ShortName == "PAT1"
                  ? "Pat Golfer               8.6         10          82\r\n"
                  : "Pat Golfer              36.4         42         114\r\n";
    QCOMPARE(dialog->PrintGolfers().size(), std::size_t{2});
    QVERIFY(dialog->PrintGolfers()[0].ShortName != dialog->PrintGolfers()[1].ShortName);
    QVERIFY(qm::test::ReadFile("hdcplist.qmr").ends_with(rows));
  }

  void cardsGoToThePrinterInPrintListOrder() {
    TPrintHandicapsDlg* dialog = Open();
    PickCourse(QStringLiteral("Pine Ridge"));
    Select(Control<QListWidget>(dialog, "GolferListBox"), {0, 1, 2});
    QTest::mouseClick(Control<QPushButton>(dialog, "IncludeBtn"), Qt::LeftButton);

    // Cancel in the card details ends the printing there.
    prompts_->CardCounts = {-1};
    QTest::mouseClick(Control<QPushButton>(dialog, "PrintCardsButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
    QCOMPARE(prompts_->Shown.at(0).Kind, BoxKind::CardDetails);
    // So does Cancel in the printer selection, silently.
    prompts_->ClearShown();
    prompts_->CardCounts = {10};
    QTest::mouseClick(Control<QPushButton>(dialog, "PrintCardsButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Shown.size(), std::size_t{2});
    QCOMPARE(prompts_->Shown.at(1).Kind, BoxKind::SelectPrinter);

    prompts_->ClearShown();
    const QString pdf = QDir::current().filePath(QStringLiteral("cards.pdf"));
    prompts_->CardCounts = {10};
    prompts_->PrinterChoices = {true};
    prompts_->SetUpPrinter = qm::test::PrintToPdf(pdf);
    QTest::mouseClick(Control<QPushButton>(dialog, "PrintCardsButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Texts().last(),
             QStringLiteral("Handicap cards have been sent to the printer."));
    // Carl top left, Bob top right, Ann below Carl.
    const QString today = qm::TodayDisplay();
    const QStringList words = qm::test::PdfWords(pdf);
    const QStringList expected = {
        "Name: Carl Cole Name: Bob Brown",
        "Course: Pine Ridge Course: Pine Ridge",
        "Printed: " + today + " Printed: " + today,
        "Scores Posted: 5 Scores Posted: 5",
        "INDEX: 12.5 HCP: 14 INDEX: 8.6 HCP: 10",
        "NEWEST --> --> --> OLDEST *USED NEWEST --> --> --> OLDEST *USED",
        "100 100 100 100 85* 81* 90 90 90 90",
        "Name: Ann Adams",
        "Course: Pine Ridge",
        "Printed: " + today,
        "Scores Posted: 5",
        "INDEX: 9.6 HCP: 11",
        "NEWEST --> --> --> OLDEST *USED",
        "100 100 100 100 82*",
    };
    QCOMPARE(words, expected);
    qm::test::SavePdfPicture(pdf, QStringLiteral("cards_pdf"));
  }

  void listOnThePrinter() {
    TPrintHandicapsDlg* dialog = Open();
    PickCourse(QStringLiteral("Oak Hills"));
    Select(Control<QListWidget>(dialog, "GolferListBox"), {1});
    QTest::mouseClick(Control<QPushButton>(dialog, "IncludeBtn"), Qt::LeftButton);
    const QString pdf = QDir::current().filePath(QStringLiteral("list.pdf"));
    prompts_->Choices = {1};
    prompts_->PrinterChoices = {true};
    prompts_->SetUpPrinter = qm::test::PrintToPdf(pdf);
    QTest::mouseClick(Control<QPushButton>(dialog, "PrintListButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Texts().last(), QStringLiteral("Printing completed."));
    // 8.6 x 118 / 113 = 8.98.
    QCOMPARE(
        qm::test::PdfWords(pdf),
        (QStringList{"QUILLMOR COURSE HANDICAPS AS OF: " + qm::TodayDisplay(), "Course: Oak Hills",
                     "Rating: 69.8 Slope: 118 Par: 70", "Course Predicted",
                     "Golfer Index Handicap Score", "Bob Brown 8.6 9 79"}));
  }

  void outlivesItsOpenerAndGoesWhenClosed() {
    auto* opener = new QWidget;
    opener->show();
    dialog_ = new TPrintHandicapsDlg([] { return true; });
    dialog_->show();
    delete opener;
    QVERIFY(!dialog_.isNull() && dialog_->isVisible());
    QTest::mouseClick(Control<QPushButton>(dialog_, "ExitButton"), Qt::LeftButton);
    QVERIFY(!dialog_->isVisible());
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog_.isNull());
  }
};

QTEST_MAIN(PrintHandicapsTest)
#include "qmprthdp_qttest.moc"
