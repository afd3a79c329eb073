// The competition window as the group keeper uses it: opened from the golfer
// list on a small club's day, the results under each format and setting,
// the card behind a row, a course without stroke indexes, the sheet
// exported and printed, and no data file touched.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>
#include <map>
#include <memory>
#include <optional>

#include "app/clock.h"
#include "store/csv.h"
#include "store/settings.h"
#include "support/pdf_text.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_rounds.h"
#include "support/qt_support.h"
#include "support/workdir.h"
#include "windows/qmapp.h"
#include "windows/qmcompetition.h"
#include "windows/qmgpick.h"

using namespace qm;
using namespace qm::test;

namespace {

// A round at OAK HILL (par 4 everywhere, 70.0 / 113) with its 18 hole
// scores ("0" for none).
std::string HoleRound(const std::string& date, const std::vector<int>& holes) {
  int total = 0;
  std::string line = date + "~OAK HILL~";
  std::string fields;
  for (int h : holes) {
    total += h;
    fields += std::to_string(h) + "~";
  }
  line += std::to_string(total) + "~70.0~113~~" + fields;
  for (int i = 0; i < 18; ++i) line += "0~";
  return line + std::to_string(total) + "~0~0~\r\n";
}

std::vector<int> All(int score, int last = -1) {
  std::vector<int> holes(18, score);
  if (last >= 0) holes.back() = last;
  return holes;
}

QStringList Row(QTableWidget* table, int row) {
  QStringList cells;
  for (int c = 0; c < table->columnCount(); ++c)
    cells << (table->item(row, c) ? table->item(row, c)->text() : QString());
  return cells;
}

// Name, then the cells of the columns given, of every row.
QStringList Column(QTableWidget* table, std::initializer_list<int> columns) {
  QStringList lines;
  for (int r = 0; r < table->rowCount(); ++r) {
    QStringList cells;
    for (int c : columns) cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
    lines << cells.join(u' ');
  }
  return lines;
}

std::map<std::string, std::string> DataFiles() {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator("."))
    files[entry.path().string()] = ReadFile(entry.path().string());
  return files;
}

}  // namespace

class CompetitionTest : public qm::test::WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    Begin(QDate(2024, 6, 2));
    WriteFile("courses.qmd", kTwoCourses);
    std::string strokes = "OAK HILL~";
    for (int si = 1; si <= 18; ++si) strokes += std::to_string(si) + "~";
    WriteFile("strokes.qmd", strokes + "\r\n");
    WriteFile("golfers.qmd",
              "Ann Able~ANN~1~\r\nBob Best~BOB~0~\r\nCy Cole~CY~0~\r\nDee Dale~DEE~1~\r\n"
              "Eve East~EVE~1~\r\n");
    WriteFile("ANN.qmg", HoleRound("20240601", All(5)) + Rounds(5, "90", "90"));
    WriteFile("BOB.qmg", HoleRound("20240601", All(4, 0)) + Rounds(5, "80", "80"));
    WriteFile("CY.qmg", HoleRound("20240601", All(4)));
    WriteFile("DEE.qmg", ScoreLine("20240601", "85", "85") + Rounds(5, "80", "80"));
    WriteFile("EVE.qmg", ScoreLine("20240601", "85", "85", "72.0", "140", "PINE RIDGE"));
    StartUp();
  }

  void aClubsDayFromTheGolferList() {
    const auto before = DataFiles();
    auto* list = new TGPickForm;
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->show();
    Control<QAction>(list, "Competition1")->trigger();
    TCompetitionForm* form = Shown<TCompetitionForm>();
    QVERIFY(form != nullptr);
    QCOMPARE(form->windowTitle(), QStringLiteral("Competition Results"));
    QCOMPARE(Control<QDateEdit>(form, "DateField")->date(), QDate(2024, 6, 1));
    QCOMPARE(Control<QComboBox>(form, "CourseField")->currentText(), QStringLiteral("OAK HILL"));
    QCOMPARE(Control<QSpinBox>(form, "AllowanceField")->value(), 95);
    Control<QAction>(list, "Competition1")->trigger();  // the same window again
    QCOMPARE(Shown<TCompetitionForm>(), form);

    // Stroke play: Bob's card misses a hole, Cy has no index yet.
    auto* results = Control<QTableWidget>(form, "ResultsTable");
    QCOMPARE(Column(results, {0, 1, 8, 10}),
             (QStringList{"1 Ann Able 90 ", "2 Dee Dale 85 ", " Bob Best NR NR",
                          " Cy Cole 72 no index"}));
    // The card behind a row: its strokes add up to the row's PH, its net
    // total is the gross less them.
    results->selectRow(0);
    auto* card = Control<QTableWidget>(form, "CardTable");
    QCOMPARE(card->rowCount(), 5);
    const int ph = Row(results, 0)[5].toInt();
    QCOMPARE(card->item(2, 20)->text().toInt(), ph);
    QCOMPARE(card->item(4, 20)->text().toInt(), 90 - ph);
    QCOMPARE(Row(results, 0)[9].toInt(), 90 - ph);

    // Scratch: everybody plays off 0, and needs no index.
    Control<QCheckBox>(form, "ScratchField")->setChecked(true);
    QCOMPARE(Column(results, {0, 1, 5, 9}),
             (QStringList{"1 Cy Cole 0 72", "2 Dee Dale 0 85", "3 Ann Able 0 90", " Bob Best 0 "}));
    Control<QCheckBox>(form, "ScratchField")->setChecked(false);

    // Stableford: Bob's card counts, the missing hole scores 0; Dee's round
    // holds a total only.
    Control<QComboBox>(form, "FormatField")->setCurrentIndex(1);
    QCOMPARE(results->horizontalHeaderItem(9)->text(), QStringLiteral("Points"));
    QCOMPARE(
        Column(results, {1, 10}),
        (QStringList{"Bob Best ", "Ann Able ", "Dee Dale no hole scores", "Cy Cole no index"}));
    results->selectRow(0);
    QCOMPARE(card->item(5, 17)->text(), QStringLiteral("0"));
    QCOMPARE(ReadSettingInt("Competition", "Format", -1), 1);

    // Divisions that are no ascending numbers are said so; one division.
    Control<QLineEdit>(form, "DivisionsField")->setText(QStringLiteral("20, 12"));
    Control<QLineEdit>(form, "DivisionsField")->editingFinished();
    QVERIFY(!Control<QLabel>(form, "DivisionsMessage")->text().isEmpty());
    QCOMPARE(Row(results, 0)[2], QString());

    // A course without stroke indexes has no Stableford.
    Control<QComboBox>(form, "CourseField")->setCurrentIndex(1);
    QVERIFY(Control<QLabel>(form, "FieldSummary")->text().contains("Stroke Index"));
    QCOMPARE(results->rowCount(), 0);
    Control<QComboBox>(form, "CourseField")->setCurrentIndex(0);
    Control<QComboBox>(form, "FormatField")->setCurrentIndex(0);
    SaveScreen(form, QStringLiteral("competition"));

    // The sheet as a spreadsheet and on paper.
    const QString csvPath = QDir::current().filePath(QStringLiteral("results.csv"));
    prompts_->FileChoices = {csvPath};
    Control<QAction>(form, "ExportResults1")->trigger();
    const std::vector<csv::LineRow> rows = csv::ReadRows(ReadFile(csvPath.toStdString()));
    QCOMPARE(rows.size(), std::size_t{5});
    QCOMPARE(QString::fromStdString(rows[0].Fields[9]), QStringLiteral("Net"));
    QCOMPARE(QString::fromStdString(rows[1].Fields[1]), QStringLiteral("Ann Able"));
    std::filesystem::remove(csvPath.toStdString());

    const QString pdf = QDir::current().filePath(QStringLiteral("sheet.pdf"));
    prompts_->PrinterChoices = {true};
    prompts_->SetUpPrinter = PrintToPdf(pdf);
    Control<QAction>(form, "Print1")->trigger();
    const QStringList words = PdfWords(pdf);
    QCOMPARE(words.front(), QStringLiteral("Competition Results - OAK HILL, 06/01/2024"));
    QVERIFY(std::any_of(words.begin(), words.end(),
                        [](const QString& w) { return w.startsWith("1 Ann Able"); }));
    SavePdfPicture(pdf, QStringLiteral("competition-pdf"));
    std::filesystem::remove(pdf.toStdString());

    // No data file was written (the settings live elsewhere).
    QVERIFY(DataFiles() == before);
    list->close();
  }

  // A score file that cannot be read: the error once, the day without that
  // golfer, said so under the table; the settings are the next opening's.
  void anUnreadableFileAndTheSettingsKept() {
    std::filesystem::remove("CY.qmg");
    std::filesystem::create_directory("CY.qmg");
    TCompetitionForm* form = TCompetitionForm::Open();
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
    QCOMPARE(Column(Control<QTableWidget>(form, "ResultsTable"), {1}).size(), 3);
    QVERIFY(
        Control<QLabel>(form, "FieldSummary")
            ->text()
            .endsWith(QStringLiteral("Left out, their score files could not be read: Cy Cole.")));
    Control<QComboBox>(form, "FormatField")->setCurrentIndex(1);
    Control<QSpinBox>(form, "AllowanceField")->setValue(85);
    delete form;
    form = TCompetitionForm::Open();
    QCOMPARE(Control<QComboBox>(form, "FormatField")->currentText(), QStringLiteral("Stableford"));
    QCOMPARE(Control<QSpinBox>(form, "AllowanceField")->value(), 85);
    delete form;
  }
};

QTEST_MAIN(CompetitionTest)
#include "competition_test.moc"
