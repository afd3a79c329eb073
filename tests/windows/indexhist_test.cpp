// The index history window as the user opens it: from the golfer list and
// from the golfer scores window, with the figures in its cells, its chart,
// its failures, and its print.
#include <QAbstractSeries>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QXYSeries>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "store/scores.h"
#include "store/settings.h"
#include "support/pdf_text.h"
#include "support/qt_maint.h"
#include "support/qt_prompts.h"
#include "support/qt_rounds.h"
#include "support/qt_support.h"
#include "support/workdir.h"
#include "ui/clock.h"
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

QStringList Row(QTableWidget* table, int row) {
  QStringList cells;
  for (int c = 0; c < table->columnCount(); ++c)
    cells << (table->item(row, c) ? table->item(row, c)->text() : QString());
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

}  // namespace

class IndexHistTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WorkDir> dir_;
  ScriptedPrompts* prompts_ = nullptr;
  QPointer<TGPickForm> list_;

  TIndexHistoryForm* OpenFromList(int row) {
    list_ = new TGPickForm;
    list_->show();
    Activate(list_);
    list_->GolferListBox->setCurrentRow(row);
    list_->IndexHistory1->trigger();
    const QList<TIndexHistoryForm*> open = OpenHistories();
    return open.size() == 1 ? open.front() : nullptr;
  }

 private slots:
  void init() {
    dir_ = std::make_unique<WorkDir>();
    prompts_ = &InstallScriptedPrompts();
    WriteFile("courses.qmd", kCourses);
    WriteFile("golfers.qmd", kRoster);
    WriteFile("RAY.qmg", WorkedRounds());
    SetTodayForTests(QDate(2024, 6, 14));
    Program().GolferForm = new TGolferForm;
  }
  void cleanup() {
    qDeleteAll(OpenHistories());
    delete list_.data();
    delete Program().GolferForm;
    Program() = QmProgram{};
    SetTodayForTests(QDate());
    dir_.reset();
  }

  void fromTheGolferListWithTheWorkedFigures() {
    QPointer<TIndexHistoryForm> form = OpenFromList(1);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Index History - Bob Ray"));
    QVERIFY(!form->isModal());
    QCOMPARE(list_->IndexHistory1->text(), QStringLiteral("Index His&tory..."));
    QCOMPARE(form->HistoryTable->rowCount(), 8);
    QCOMPARE(Row(form->HistoryTable, 0),
             (QStringList{"06/10/2024", "PINE RIDGE", "80", "80", "8.0", "*", "7.7", "-1.9"}));
    QCOMPARE(Row(form->HistoryTable, 2),
             (QStringList{"05/25/2024", "oak hill", "82", "82", "12.0", " ", "9.6", "-26.8"}));

    QCOMPARE(form->ForecastTable->rowCount(), 3);
    QCOMPARE(Row(form->ForecastTable, 1),
             (QStringList{"OAK HILL", "8", "80", "4", "80", "78", "77"}));
    QCOMPARE(form->DropOutLabel->text(),
             QStringLiteral("6 complete rounds on file: none drops out of the index yet."));
    QCOMPARE(form->StatsTable->columnCount(), 2);
    QCOMPARE(Row(form->StatsTable, 0), (QStringList{"6", "6"}));
    QCOMPARE(Row(form->StatsTable, 2), (QStringList{"80", "80"}));

    // Six complete rounds on the line and as points, one used, the
    // men's Maximum Index while the rule is on.
    const QMap<QString, int> counts = PointCounts(form->IndexChart);
    QCOMPARE(counts.value(IndexSeriesName()), 6);
    QCOMPARE(counts.value(DifferentialSeriesName()), 6);
    QCOMPARE(counts.value(UsedSeriesName()), 1);
    QCOMPARE(counts.value(QStringLiteral("Maximum Index 36.4")), 2);
    QCOMPARE(form->IndexChart->chart()->axes().size(), 2);

    // Its placement is kept; File > Exit deletes it.
    form->resize(1000, 700);
    QApplication::processEvents();
    QCOMPARE(ReadSettingInt("IndexHistoryForm", "Height", 0), 700);
    form->Exit1->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
  }

  void fromTheGolferScoresWindowWithItsUnsavedTable() {
    TGolferForm* scores = Program().GolferForm;
    TRosterEntry golfer{"Bob Ray", "RAY", 0};
    scores->OpenFor(golfer);
    // The newest round deleted and not saved: the history follows the
    // table, best 1 of 5 (10.0), index 9.6; the rule off, no maximum line.
    scores->ScoresListBox->setCurrentRow(0);
    Click(scores->DeleteButton);
    QVERIFY(scores->Modified());
    Program().UseMaxIndex = false;
    scores->IndexHistory1->trigger();
    const QList<TIndexHistoryForm*> open = OpenHistories();
    QCOMPARE(open.size(), 1);
    TIndexHistoryForm* form = open.front();
    QCOMPARE(form->HistoryTable->rowCount(), 7);
    QCOMPARE(Row(form->HistoryTable, 0).mid(5), (QStringList{"I", "9.6", ""}));
    QCOMPARE(Row(form->ForecastTable, 1).mid(1), (QStringList{"10", "82", "4", "80", "300", "79"}));
    const QMap<QString, int> counts = PointCounts(form->IndexChart);
    QCOMPARE(counts.size(), 3);
    QCOMPARE(counts.value(IndexSeriesName()), 5);
    // Closing the opener leaves the history open.
    scores->Exit1Click();
    QCOMPARE(OpenHistories().size(), 1);
  }

  void aFileThatCannotBeReadGivesTheErrorAndNoWindow() {
    std::filesystem::remove("RAY.qmg");
    QVERIFY(OpenFromList(1) == nullptr);
    QCOMPARE(prompts_->Texts(), QStringList{"File not found"});
    WriteFile("RAY.qmg", WorkedRounds() + ScoreLine("20240101", "85", "85", "7O.1"));
    prompts_->ClearShown();
    list_->IndexHistory1->trigger();
    QVERIFY(OpenHistories().isEmpty());
    QCOMPARE(prompts_->Texts(), QStringList{"'7O.1' is not a valid floating point value"});
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
    QCOMPARE(form->HistoryTable->rowCount(), 200);
    QCOMPARE(form->ForecastTable->rowCount(), 40);
    QCOMPARE(Row(form->StatsTable, 0), (QStringList{"20", "200"}));
    QCOMPARE(PointCounts(form->IndexChart).value(UsedSeriesName()), 10);
    QVERIFY(form->DropOutLabel->text().startsWith(QStringLiteral("Next to drop out: ")));
    SaveScreen(form, QStringLiteral("indexhist-200"));

    // Cancelled at the printer selection: nothing printed, nothing said.
    prompts_->ClearShown();
    prompts_->PrinterChoices = {false};
    form->Print1->trigger();
    QCOMPARE(prompts_->Texts(), QStringList{QString()});
    // An output file that cannot be written: the error, no success.
    prompts_->ClearShown();
    prompts_->PrinterChoices = {true};
    prompts_->SetUpPrinter = PrintToPdf(QDir::current().filePath("missing/x.pdf"));
    form->Print1->trigger();
    // Selection, preview, then the error of the print itself.
    QCOMPARE(prompts_->Texts().size(), 3);
    QVERIFY(prompts_->Texts().last().startsWith(QStringLiteral("Unable to write to ")));

    const QString pdf = QDir::current().filePath(QStringLiteral("history.pdf"));
    prompts_->ClearShown();
    prompts_->PrinterChoices = {true};
    prompts_->SetUpPrinter = PrintToPdf(pdf);
    form->Print1->trigger();
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
    // Every round's line is printed, the oldest last.
    QVERIFY(words.last().startsWith(QStringLiteral("01/04/2021 COURSE 11")));
    SavePdfPicture(pdf, QStringLiteral("indexhist-pdf"));
    if (const QString screens = qEnvironmentVariable("QM_SCREENS_DIR"); !screens.isEmpty()) {
      QFile::remove(screens + QStringLiteral("/indexhist.pdf"));
      QFile::copy(pdf, screens + QStringLiteral("/indexhist.pdf"));
    }
  }
};

QTEST_MAIN(IndexHistTest)
#include "indexhist_test.moc"
