// The index history window as the user opens it: from the golfer list and
// from the golfer scores window, with the figures in its cells, its chart,
// its failures, and its print; and its World Handicap System estimate.
#include <QAbstractSeries>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QXYSeries>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "app/clock.h"
#include "store/scores.h"
#include "store/settings.h"
#include "support/pdf_text.h"
#include "support/qt_fixture.h"
#include "support/qt_maint.h"
#include "support/qt_prompts.h"
#include "support/qt_rounds.h"
#include "support/qt_support.h"
#include "ui/textconv.h"
#include "windows/qmapp.h"
#include "windows/qmgolfer.h"
#include "windows/qmgpick.h"
#include "windows/qmindexchart.h"
#include "windows/qmindexhist.h"

using namespace qm;
using namespace qm::test;

namespace {

const char* kCourses =
    "CEDAR~0.0~~~4~4~3~5~4~4~3~5~4~4~4~3~5~4~4~3~5~4~\r\n"
    "OAK HILL~70.0~113~72~4~4~3~5~4~4~3~5~4~4~4~3~5~4~4~3~5~4~\r\n"
    "PINE RIDGE~72.0~113~72~4~4~3~5~4~4~3~5~4~4~4~3~5~4~4~3~5~4~\r\n";

// Sorted: Ann Lee (row 0), Bob Ray (row 1).
const char* kRoster = "Bob Ray~RAY~0~\r\nAnn Lee~LEE~1~\r\n";

// Six complete rounds (differentials 8, 12, 10, 16, 14, 16), one without a
// slope and one cut short: the index is 7.7, used round 1.
std::string WorkedRounds() {
  return ScoreLine("20240610", "80", "80", "72.0", "113", "PINE RIDGE") +
         ScoreLine("20240601", "95", "95", "70.0", "", "OAK HILL") +
         ScoreLine("20240525", "82", "82", "70.0", "113", "oak hill") +
         "20240515~PINE RIDGE~88~\r\n" +
         ScoreLine("20240505", "80", "80", "70.0", "113", "OAK HILL") +
         ScoreLine("20240425", "90", "88", "72.0", "113", "PINE RIDGE") +
         ScoreLine("20240415", "84", "84") + ScoreLine("20240405", "88", "86");
}

QStringList Row(QTableView* table, int row) {
  QStringList cells;
  for (int c = 0; c < table->model()->columnCount(); ++c)
    cells << table->model()->index(row, c).data().toString();
  return cells;
}

QMap<QString, int> PointCounts(QChartView* view) {
  QMap<QString, int> counts;
  for (QAbstractSeries* series : view->chart()->series())
    counts[series->name()] = static_cast<QXYSeries*>(series)->count();
  return counts;
}

QList<TIndexHistoryForm*> OpenHistories() {
  QList<TIndexHistoryForm*> found;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* form = qobject_cast<TIndexHistoryForm*>(window); form && form->isVisible())
      found << form;
  return found;
}

// count rounds a week apart from 2021 on, over 40 courses, with hole
// scores and putts, the scores falling a little over the years.
void WriteManyRounds(int count) {
  std::string courses;
  for (int c = 11; c <= 50; ++c)
    courses += "COURSE " + std::to_string(c) + "~70.4~" + std::to_string(100 + c) +
               "~72~4~4~3~5~4~4~3~5~4~4~4~3~5~4~4~3~5~4~\r\n";
  WriteFile("courses.qmd", courses);
  TScoreTable table;
  for (int i = 0; i < count; ++i) {
    TScoreRec round = PlaceholderScoreRec();
    round.Date = ToBytes(QDate(2021, 1, 4).addDays(7 * i).toString(QStringLiteral("yyyyMMdd")));
    const int c = 11 + (i * 7) % 40;
    round.Course = "COURSE " + std::to_string(c);
    round.Rating = "70.4";
    round.Slope = std::to_string(100 + c);
    int total = (count - i) / 25;
    for (int h = 0; h < HoleCount; ++h) {
      // A round's odd holes take 0 to 3 strokes more, spread by i.
      const int strokes = "443544354443544354"[h] - '0' + (i + h) % 3 % 2 -
                          ((i * 5 + h) % 11 == 0) + (h % 2 == 1 && (i * 37 + h) % 5 == 0) * (i % 4);
      total += strokes;
      round.HoleScore[h] = std::to_string(strokes);
      round.HolePutts[h] = std::to_string(1 + (i + h) % 3);
    }
    round.ScoreTotal = round.AdjScore = std::to_string(total);
    round.Comment = "";
    table.Entries.push_back(round);
  }
  SaveScores(table, "RAY.qmg");
}

// The hand-worked World Handicap System golfer of the engine's tests, oldest
// first: a date and a total at MAPLE (not in the list, 72.0/113), or a date,
// Oak (stroke indexes) or pine (none) and 18 hole scores, "X" for 10. The
// round of 09/01/2023 is unfinished.
void WriteWhsGolfer() {
  WriteFile("courses.qmd",
            "OAK~70.0~113~72~4~4~3~5~4~4~3~5~4~4~4~3~5~4~4~3~5~4~\r\n"
            "PINE~72.4~125~72~4~5~3~4~4~4~3~5~4~4~4~3~4~5~4~3~4~5~\r\n");
  WriteFile("strokes.qmd", "OAK~7~15~3~11~1~17~9~5~13~8~16~2~12~4~18~10~6~14~\r\n");
  const QStringList rounds =
      QStringLiteral(
          "20230304 90,20230318 88,20230401 Oak 5546X5465443654455,20230415 87,"
          "20230429 Oak 574685365453557365,20230513 pine 564754465546563558,20230527 89,"
          "20230610 86,20230624 91,20230708 88,20230722 85,20230805 90,20230819 87,20230901 0,"
          "20230902 92,20230916 86,20230930 89,20231014 78,20231028 88,20240406 90,20240420 87,"
          "20240504 Oak 556954365473855455,20240504 84,20240518 pine 453754654537764646,"
          "20240601 93,20240615 91")
          .split(u',');
  std::string file;
  for (const QString& round : rounds) {
    const QStringList part = round.split(u' ');
    const std::string date = ToBytes(part[0]);
    if (part.size() == 2) {
      file = ScoreLine(date, ToBytes(part[1]), "0", "72.0", "113", "MAPLE") + file;
      continue;
    }
    const bool oak = part[1] == "Oak";
    std::string holes;
    int total = 0;
    for (QChar c : part[2]) {
      total += c == u'X' ? 10 : c.digitValue();
      holes += (c == u'X' ? std::string("10") : std::string(1, c.toLatin1())) + "~";
    }
    std::string line = ScoreLine(date, std::to_string(total), "0", oak ? "70.0" : "72.4",
                                 oak ? "113" : "125", ToBytes(part[1]));
    file = line.replace(line.find("~~") + 2, 36, holes) + file;  // the 18 hole fields
  }
  WriteFile("RAY.qmg", file);
}

// A table's row as one line, "." for a blank cell.
QString Cells(QTableView* table, int row) {
  QStringList cells = Row(table, row);
  for (QString& cell : cells)
    if (cell.isEmpty()) cell = QStringLiteral(".");
  return cells.join(u' ');
}

}  // namespace

class IndexHistTest : public qm::test::WindowTest {
  Q_OBJECT
  QPointer<TGPickForm> list_;

  TIndexHistoryForm* OpenFromList(int row) {
    list_ = new TGPickForm;
    list_->show();
    Activate(list_);
    Control<QListWidget>(list_, "GolferListBox")->setCurrentRow(row);
    Control<QAction>(list_, "IndexHistory1")->trigger();
    const QList<TIndexHistoryForm*> open = OpenHistories();
    return open.size() == 1 ? open.front() : nullptr;
  }

 private slots:
  void init() {
    Begin();
    WriteFile("courses.qmd", kCourses);
    WriteFile("golfers.qmd", kRoster);
    WriteFile("RAY.qmg", WorkedRounds());
    SetTodayForTests(QDate(2024, 6, 14));
    Program().GolferForm = new TGolferForm;
  }
  void cleanup() {
    qDeleteAll(OpenHistories());
    delete list_.data();
    End();
  }

  void fromTheGolferListWithTheWorkedFigures() {
    QPointer<TIndexHistoryForm> form = OpenFromList(1);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Index History - Bob Ray"));
    QVERIFY(!form->isModal());
    QCOMPARE(Control<QAction>(list_, "IndexHistory1")->text(), QStringLiteral("Index His&tory..."));
    QCOMPARE(Control<QTableView>(form, "HistoryTable")->model()->rowCount(), 8);
    QCOMPARE(Row(Control<QTableView>(form, "HistoryTable"), 0),
             (QStringList{"06/10/2024", "PINE RIDGE", "80", "80", "8.0", "*", "7.7", "-1.9"}));
    QCOMPARE(Row(Control<QTableView>(form, "HistoryTable"), 2),
             (QStringList{"05/25/2024", "oak hill", "82", "82", "12.0", " ", "9.6", "-26.8"}));

    QCOMPARE(Control<QTableView>(form, "ForecastTable")->model()->rowCount(), 3);
    QCOMPARE(Row(Control<QTableView>(form, "ForecastTable"), 1),
             (QStringList{"OAK HILL", "8", "80", "4", "80", "78", "77"}));
    QCOMPARE(Control<QLabel>(form, "DropOutLabel")->text(),
             QStringLiteral("6 complete rounds on file: none drops out of the index yet."));
    QCOMPARE(Control<QTableView>(form, "StatsTable")->model()->columnCount(), 2);
    QCOMPARE(Row(Control<QTableView>(form, "StatsTable"), 0), (QStringList{"6", "6"}));
    QCOMPARE(Row(Control<QTableView>(form, "StatsTable"), 2), (QStringList{"80", "80"}));

    // Six complete rounds on the line and as points, one used, the
    // men's Maximum Index while the rule is on.
    const QMap<QString, int> counts = PointCounts(Control<QChartView>(form, "IndexChart"));
    QCOMPARE(counts.value(IndexSeriesName()), 6);
    QCOMPARE(counts.value(DifferentialSeriesName()), 6);
    QCOMPARE(counts.value(UsedSeriesName()), 1);
    QCOMPARE(counts.value(QStringLiteral("Maximum Index 36.4")), 2);
    QCOMPARE(Control<QChartView>(form, "IndexChart")->chart()->axes().size(), 2);

    // Its placement is kept; File > Exit deletes it.
    form->resize(1000, 700);
    QApplication::processEvents();
    QCOMPARE(ReadSettingInt("IndexHistoryForm", "Height", 0), 700);
    Control<QAction>(form, "Exit1")->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
  }

  void fromTheGolferScoresWindowWithItsUnsavedTable() {
    TGolferForm* scores = Program().GolferForm;
    TRosterEntry golfer{"Bob Ray", "RAY", 0};
    scores->OpenFor(golfer);
    // The newest round deleted and not saved: the history follows the
    // table, best 1 of 5 (10.0), index 9.6; the rule off, no maximum line.
    Control<QListWidget>(scores, "ScoresListBox")->setCurrentRow(0);
    Click(Control<QPushButton>(scores, "DeleteButton"));
    QVERIFY(scores->Modified());
    Program().UseMaxIndex = false;
    Control<QAction>(scores, "IndexHistory1")->trigger();
    const QList<TIndexHistoryForm*> open = OpenHistories();
    QCOMPARE(open.size(), 1);
    TIndexHistoryForm* form = open.front();
    QCOMPARE(Control<QTableView>(form, "HistoryTable")->model()->rowCount(), 7);
    QCOMPARE(Row(Control<QTableView>(form, "HistoryTable"), 0).mid(5),
             (QStringList{"I", "9.6", ""}));
    QCOMPARE(Row(Control<QTableView>(form, "ForecastTable"), 1).mid(1),
             (QStringList{"10", "82", "4", "80", "300", "79"}));
    const QMap<QString, int> counts = PointCounts(Control<QChartView>(form, "IndexChart"));
    QCOMPARE(counts.size(), 3);
    QCOMPARE(counts.value(IndexSeriesName()), 5);
    // Closing the opener leaves the history open.
    scores->Exit1Click();
    QCOMPARE(OpenHistories().size(), 1);
  }

  void aFileThatCannotBeReadGivesTheErrorAndNoWindowButAnEstimateOnlyAReason() {
    std::filesystem::remove("RAY.qmg");
    QVERIFY(OpenFromList(1) == nullptr);
    QCOMPARE(prompts_->Texts(), QStringList{"File not found"});
    WriteFile("RAY.qmg", WorkedRounds() + ScoreLine("20240101", "85", "85", "7O.1"));
    prompts_->ClearShown();
    Control<QAction>(list_, "IndexHistory1")->trigger();
    QVERIFY(OpenHistories().isEmpty());
    QCOMPARE(prompts_->Texts(), QStringList{"'7O.1' is not a valid floating point value"});
    // A date that is no calendar date leaves the window without an estimate.
    WriteFile("RAY.qmg", WorkedRounds() + ScoreLine("20230230", "85", "85"));
    Control<QAction>(list_, "IndexHistory1")->trigger();
    QCOMPARE(OpenHistories().size(), 1);
    QCOMPARE(Control<QLabel>(OpenHistories().front(), "WhsSummary")->text(),
             QStringLiteral("World Handicap System estimate: none, because '02/30/2023' is not a "
                            "valid date."));
  }

  void looksAndPrints() {
    WriteFile("RAY.qmg", ScoreLine("20240610", "80", "80", "72.0", "113", "PINE RIDGE") +
                             ScoreLine("20240525", "92", "90") + ScoreLine("20240505", "85", "85") +
                             ScoreLine("20240425", "90", "88", "72.0", "113", "PINE RIDGE") +
                             ScoreLine("20240415", "84", "84"));
    QPointer<TIndexHistoryForm> few = OpenFromList(1);
    QVERIFY(few);
    SaveScreen(few, QStringLiteral("indexhist-few"));
    few->close();

    WriteManyRounds(200);
    TIndexHistoryForm* form = OpenFromList(1);
    QVERIFY(form);
    QCOMPARE(Control<QTableView>(form, "HistoryTable")->model()->rowCount(), 200);
    QCOMPARE(Control<QTableView>(form, "ForecastTable")->model()->rowCount(), 40);
    QCOMPARE(Row(Control<QTableView>(form, "StatsTable"), 0), (QStringList{"20", "200"}));
    QCOMPARE(PointCounts(Control<QChartView>(form, "IndexChart")).value(UsedSeriesName()), 10);
    QVERIFY(Control<QLabel>(form, "DropOutLabel")
                ->text()
                .startsWith(QStringLiteral("Next to drop out: ")));
    SaveScreen(form, QStringLiteral("indexhist-200"));

    // Cancelled at the printer selection: nothing printed, nothing said.
    prompts_->ClearShown();
    prompts_->PrinterChoices = {false};
    Control<QAction>(form, "Print1")->trigger();
    QCOMPARE(prompts_->Texts(), QStringList{QString()});
    // An output file that cannot be written: the error, no success.
    prompts_->ClearShown();
    prompts_->PrinterChoices = {true};
    prompts_->SetUpPrinter = PrintToPdf(QDir::current().filePath("missing/x.pdf"));
    Control<QAction>(form, "Print1")->trigger();
    // Selection, preview, then the error of the print itself.
    QCOMPARE(prompts_->Texts().size(), 3);
    QVERIFY(prompts_->Texts().last().startsWith(QStringLiteral("Unable to write to ")));

    const QString pdf = QDir::current().filePath(QStringLiteral("history.pdf"));
    prompts_->ClearShown();
    prompts_->PrinterChoices = {true};
    prompts_->SetUpPrinter = PrintToPdf(pdf);
    Control<QAction>(form, "Print1")->trigger();
    QCOMPARE(prompts_->Texts(), (QStringList{QString(), QString(), "Printing completed."}));
    if (qEnvironmentVariableIsSet("QM_SCREENS_DIR"))
      QFile::copy(pdf, qEnvironmentVariable("QM_SCREENS_DIR") + QStringLiteral("/indexhist.pdf"));
    const QStringList words = PdfWords(pdf);
    QCOMPARE(words.front(), QStringLiteral("Index History - Bob Ray"));
    for (const QString& expected :
         {QStringLiteral("What to Shoot Next"), QStringLiteral("Statistics"),
          QStringLiteral("Course Hcp Pred Rnds Best Keep Lower"), IndexSeriesName()})
      QVERIFY2(words.contains(expected) ||
                   std::any_of(words.begin(), words.end(),
                               [&](const QString& w) { return w.contains(expected); }),
               qPrintable(expected));
    // A sentence longer than the page is broken, not cut at the edge.
    QVERIFY(words.contains(QStringLiteral("scored, course in the list); putts from 20 and 200.")));
    // Every round's line is printed, the oldest last before the estimate.
    const qsizetype whs = words.indexOf(QStringLiteral("World Handicap System (estimate)"));
    QVERIFY(whs > 0);
    QVERIFY(words[whs - 1].startsWith(QStringLiteral("01/04/2021 COURSE 11")));
    SavePdfPicture(pdf, QStringLiteral("indexhist-pdf"));
    if (const QString screens = qEnvironmentVariable("QM_SCREENS_DIR"); !screens.isEmpty()) {
      QFile::remove(screens + QStringLiteral("/indexhist.pdf"));
      QFile::copy(pdf, screens + QStringLiteral("/indexhist.pdf"));
    }
  }

  void theWorldHandicapSystemEstimateWorkedByHand() {
    WriteWhsGolfer();
    TIndexHistoryForm* form = OpenFromList(1);
    QVERIFY(form);
    QCOMPARE(Control<QLabel>(form, "WhsSummary")->text(),
             QStringLiteral("World Handicap System estimate: 12.0    Low Handicap Index: 11.8"));
    // The hand-worked rounds, newest first; the unfinished one is left out.
    const QStringList expected =
        QStringLiteral(
            "06/15/2024 MAPLE 91 stored 19.0 . . 12.0 .|06/01/2024 MAPLE 93 stored 21.0 . . 12.0 .|"
            "05/18/2024 pine 86 lowest 12.3 . * 11.9 .|05/04/2024 MAPLE 84 stored 12.0 . * 12.3 .|"
            "05/04/2024 Oak 91 holes 21.0 . . 12.6 .|04/20/2024 MAPLE 87 stored 15.0 . * 12.6 .|"
            "04/06/2024 MAPLE 90 stored 18.0 . . 12.3 .|10/28/2023 MAPLE 88 stored 16.0 . . 11.8 .|"
            "10/14/2023 MAPLE 78 stored 6.0 1.0 * 11.8 .|"
            "09/30/2023 MAPLE 89 stored 17.0 1.0 . 14.2 .|"
            "09/16/2023 MAPLE 86 stored 14.0 1.0 * 14.2 .|"
            "09/02/2023 MAPLE 92 stored 20.0 1.0 . 14.3 .|"
            "08/19/2023 MAPLE 87 stored 15.0 1.0 * 14.3 .|"
            "08/05/2023 MAPLE 90 stored 18.0 1.0 . 14.5 .|"
            "07/22/2023 MAPLE 85 stored 13.0 1.0 * 14.0 .|"
            "07/08/2023 MAPLE 88 stored 16.0 1.0 . 15.0 .|"
            "06/24/2023 MAPLE 91 stored 19.0 1.0 . 15.0 .|"
            "06/10/2023 MAPLE 86 stored 14.0 1.0 * 14.5 .|"
            "05/27/2023 MAPLE 89 stored 17.0 1.0 . 15.5 .|"
            "05/13/2023 pine 92 lowest 17.7 1.0 . 14.5 .|04/29/2023 Oak 89 holes 19.0 1.0 . 15.0 .|"
            "04/15/2023 MAPLE 87 stored 15.0 1.0 . 14.0 .|"
            "04/01/2023 Oak 89 holes 19.0 1.0 . 14.0 .|03/18/2023 MAPLE 88 stored 16.0 1.0 . . .|"
            "03/04/2023 MAPLE 90 stored 18.0 1.0 . . .")
            .split(u'|');
    QStringList shown;
    for (int r = 0; r < Control<QTableView>(form, "WhsTable")->model()->rowCount(); ++r)
      shown << Cells(Control<QTableView>(form, "WhsTable"), r);
    QCOMPARE(shown, expected);
    // At 12.0: OAK 12.0 + (70 - 72) = 10, PINE 12.0 x 125 / 113 + 0.4 = 13.67 -> 14.
    QCOMPARE(Cells(Control<QTableView>(form, "WhsCourseTable"), 0), QStringLiteral("OAK 10 82"));
    QCOMPARE(Cells(Control<QTableView>(form, "WhsCourseTable"), 1), QStringLiteral("PINE 14 86"));
    QVERIFY(Control<QLabel>(form, "WhsNote")
                ->text()
                .endsWith(QStringLiteral(
                    "the stroke indexes of pine (course list, Edit > Stroke Index...) would "
                    "make them exact.")));
    SaveScreen(form, QStringLiteral("indexhist-whs"));

    const QString pdf = QDir::current().filePath(QStringLiteral("whs.pdf"));
    prompts_->PrinterChoices = {true};
    prompts_->SetUpPrinter = PrintToPdf(pdf);
    Control<QAction>(form, "Print1")->trigger();
    if (const QString screens = qEnvironmentVariable("QM_SCREENS_DIR"); !screens.isEmpty()) {
      QFile::remove(screens + QStringLiteral("/indexhist-whs.pdf"));
      QFile::copy(pdf, screens + QStringLiteral("/indexhist-whs.pdf"));
    }
    const QStringList words = PdfWords(pdf);
    const qsizetype at = words.indexOf(QStringLiteral("World Handicap System (estimate)"));
    QVERIFY(at > 0);
    QCOMPARE(words.mid(at + 1, 5),
             (QStringList{"World Handicap System estimate: 12.0 Low Handicap Index: 11.8",
                          "Course Hcp Net Par", "OAK 10 82", "PINE 14 86",
                          "Date Course AGS Basis SD ESR Used After Cap"}));
    QCOMPARE(words.mid(at + 6, 1), QStringList{"06/15/2024 MAPLE 91 stored 19.0 12.0"});
    // The note as the window shows it, broken into lines.
    const qsizetype noteAt =
        words.indexOf(QRegularExpression(QStringLiteral("The estimate leaves.*")));
    QVERIFY(noteAt > at);
    QCOMPARE(words.mid(noteAt).join(u' '), Control<QLabel>(form, "WhsNote")->text());
  }
};

QTEST_MAIN(IndexHistTest)
#include "indexhist_test.moc"
