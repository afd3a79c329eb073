#include "windows/qmindexhist.h"

#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/golfer.h"
#include "print/insightreport.h"
#include "print/printobject.h"
#include "print/printorfile.h"
#include "print/qtprintdevice.h"
#include "store/courses.h"
#include "store/errors.h"
#include "store/roster.h"
#include "store/scores.h"
#include "store/strokes.h"
#include "store/text.h"
#include "ui/access.h"
#include "app/clock.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/menus.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/textconv.h"
#include "windows/qmapp.h"
#include "windows/qmindexchart.h"
#include "windows/qmmain.h"

namespace qm {

namespace {

const QString kSection = QStringLiteral("IndexHistoryForm");

QTableWidget* MakeTable(const char* name, const QStringList& headings) {
  auto* table = new QTableWidget(0, static_cast<int>(headings.size()));
  table->setObjectName(QString::fromLatin1(name));
  table->setHorizontalHeaderLabels(headings);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->verticalHeader()->setVisible(false);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->setWordWrap(false);
  table->setAlternatingRowColors(true);
  return table;
}

// A cell of single-byte text; figures stand to the right.
void SetCell(QTableWidget* table, int row, int column, const std::string& text,
             bool figure = true) {
  auto* item = new QTableWidgetItem(FromBytes(text));
  item->setTextAlignment(Qt::AlignVCenter | (figure ? Qt::AlignRight : Qt::AlignLeft));
  table->setItem(row, column, item);
}

// Column widths from the widest text a column can hold (or its heading),
// measured once: sizing by the contents would measure every row at every
// layout. The column `stretch` takes the rest of the width.
void FitColumns(QTableWidget* table, std::initializer_list<const char*> widest, int stretch) {
  QHeaderView* header = table->horizontalHeader();
  const QFontMetrics cells(table->font()), headings(header->font());
  int column = 0;
  for (const char* text : widest) {
    const int width =
        std::max(cells.horizontalAdvance(QString::fromLatin1(text)),
                 headings.horizontalAdvance(table->horizontalHeaderItem(column)->text())) +
        14;
    header->setSectionResizeMode(column,
                                 column == stretch ? QHeaderView::Stretch : QHeaderView::Fixed);
    header->resizeSection(column++, width);
  }
}

QLabel* MakeNote(const char* name) {
  auto* label = new QLabel;
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(true);
  return label;
}

// A part of the window under a bold title (a plain widget: a group box's
// frame costs more to lay out and paint than the table inside it).
QWidget* Group(const char* name, const QString& title, std::initializer_list<QWidget*> parts) {
  auto* group = new QWidget;
  group->setObjectName(QString::fromLatin1(name));
  auto* layout = new QVBoxLayout(group);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(4);
  auto* heading = new QLabel(title);
  heading->setObjectName(group->objectName() + QStringLiteral("Title"));
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);
  for (QWidget* part : parts) layout->addWidget(part);
  return group;
}

TCourseTable SortedCourses() {
  TCourseTable courses;
  const LoadCoursesResult loaded = LoadCourses(courses);
  if (!loaded.Message.empty()) CurrentPrompts().Message(FromBytes(loaded.Message));
  SortCourses(courses);
  return courses;
}

// The estimate from the rounds, the course list and the stroke indexes; a
// stroke index file that cannot be read is, like a round the replay cannot
// read, a reason for no estimate rather than for no window.
whs::View EstimateWhs(const TScoreTable& scores, const TCourseTable& courses) {
  TStrokeTable strokes;
  try {
    LoadStrokes(strokes);
  } catch (const QmError& error) {
    whs::View view;
    view.Failure = error.what();
    return view;
  }
  return whs::ViewOf(scores, courses, strokes);
}

std::string TodayKey() { return ToBytes(Today().toString(QStringLiteral("yyyyMMdd"))); }

}  // namespace

TIndexHistoryForm* TIndexHistoryForm::OpenFor(const TRosterEntry& golfer, bool useMaxIndex) {
  TScoreTable scores;
  LoadSortedScores(scores, ScoreFileName(golfer), false);
  return Open(FromBytes(CutAtNul(golfer.LongName)), CutAtNul(golfer.ShortName), scores,
              GolferIndexRequest(golfer, useMaxIndex));
}

TIndexHistoryForm* TIndexHistoryForm::Open(const QString& longName, const std::string& shortName,
                                           const TScoreTable& scores, const IndexRequest& request) {
  const TCourseTable courses = SortedCourses();
  GolferInsight insight = BuildInsight(scores, courses, request, TodayKey());
  // No parent: the window outlives its opener and deletes itself.
  auto* form = new TIndexHistoryForm(longName, shortName, std::move(insight), request,
                                     EstimateWhs(scores, courses));
  if (TMainForm* main = Program().MainForm) main->KeepUntilEnd(form);
  BringToFront(form);
  return form;
}

TIndexHistoryForm::TIndexHistoryForm(const QString& longName, std::string shortName,
                                     GolferInsight insight, const IndexRequest& request,
                                     whs::View whs, QWidget* parent)
    : QMainWindow(parent),
      longName_(longName),
      shortName_(std::move(shortName)),
      insight_(std::move(insight)),
      request_(request),
      whs_(std::move(whs)) {
  setObjectName(kSection);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Index History - ") + longName_);
  resize(1180, 780);
  BuildControls();
  FillHistory();
  FillForecast();
  FillStatistics();
  FillWhs();
  new PlacementKeeper(this, kSection, [] { return Program().Closing; });
}

void TIndexHistoryForm::BuildControls() {
  menuBar()->setObjectName(QStringLiteral("IndexHistoryMenu"));
  File1 = MakeMenu(menuBar(), "File1", "&File");
  Print1 = MakeItem(File1, "Print1", "&Print");
  Exit1 = MakeItem(File1, "Exit1", "E&xit");
  connect(Print1, &QAction::triggered, this, Guarded([this] { Print1Click(); }));
  connect(Exit1, &QAction::triggered, this, Guarded([this] { Exit1Click(); }));

  HistoryTable = MakeTable("HistoryTable",
                           {"Date", "Course", "Score", "AGS", "Diff", "", "Index After", "Change"});
  HistoryTable->horizontalHeaderItem(5)->setToolTip(
      QStringLiteral("* = used in the current index   I = not counted (incomplete)"));
  ForecastTable = MakeTable(
      "ForecastTable", {"Course", "Course Hcp", "Predicted", "Rounds", "Best", "Keeps", "Lowers"});
  ForecastTable->horizontalHeaderItem(5)->setToolTip(
      QStringLiteral("The highest adjusted score today that keeps the index where it is"));
  ForecastTable->horizontalHeaderItem(6)->setToolTip(
      QStringLiteral("The highest adjusted score today that lowers the index"));
  StatsTable = MakeTable("StatsTable", {"Last 20 Rounds", "All Rounds"});
  StatsTable->verticalHeader()->setVisible(true);
  StatsTable->setAlternatingRowColors(false);
  DropOutLabel = MakeNote("DropOutLabel");
  HoleFiguresLabel = MakeNote("HoleFiguresLabel");

  IndexChart =
      new QChartView(MakeIndexChart(insight_.History, request_.Golfer, request_.UseMaxIndex));
  IndexChart->setObjectName(QStringLiteral("IndexChart"));
  IndexChart->setRenderHint(QPainter::Antialiasing);
  IndexChart->setMinimumSize(360, 240);

  auto* top = new QSplitter(Qt::Horizontal);
  top->setObjectName(QStringLiteral("TopSplitter"));
  top->addWidget(Group("ChartGroup", QStringLiteral("Index over Time"), {IndexChart}));
  top->addWidget(Group("StatsGroup", QStringLiteral("Statistics"), {StatsTable, HoleFiguresLabel}));
  top->setStretchFactor(0, 3);
  top->setStretchFactor(1, 2);
  auto* bottom = new QSplitter(Qt::Horizontal);
  bottom->setObjectName(QStringLiteral("BottomSplitter"));
  bottom->addWidget(Group("HistoryGroup", QStringLiteral("History"), {HistoryTable}));
  bottom->addWidget(
      Group("ForecastGroup", QStringLiteral("What to Shoot Next"), {ForecastTable, DropOutLabel}));
  bottom->setStretchFactor(0, 1);
  bottom->setStretchFactor(1, 1);

  WhsSummary = MakeNote("WhsSummary");
  WhsTable = MakeTable(
      "WhsTable", {"Date", "Course", "AGS", "Basis", "SD", "ESR", "Used", "Index After", "Cap"});
  WhsTable->horizontalHeaderItem(3)->setToolTip(
      QStringLiteral("holes = every hole at most its net double bogey   lowest = the lowest value "
                     "the holes allow (no stroke indexes)   stored = the round's own figures"));
  WhsTable->horizontalHeaderItem(5)->setToolTip(
      QStringLiteral("The exceptional score reduction the round has been given"));
  WhsTable->horizontalHeaderItem(6)->setToolTip(QStringLiteral("* = used in the estimate now"));
  WhsCourseTable = MakeTable("WhsCourseTable", {"Course", "Course Hcp", "Net Par Target"});
  WhsCourseTable->horizontalHeaderItem(2)->setToolTip(
      QStringLiteral("Par + the course handicap at the estimate now"));
  WhsNote = MakeNote("WhsNote");
  // Each table is named after the part it is in.
  SetSpokenName(HistoryTable, QStringLiteral("History"));
  SetSpokenName(ForecastTable, QStringLiteral("What to Shoot Next"));
  SetSpokenName(StatsTable, QStringLiteral("Statistics"));
  SetSpokenName(WhsTable, QStringLiteral("World Handicap System estimate, round by round"));
  SetSpokenName(WhsCourseTable, QStringLiteral("World Handicap System course handicaps"));
  auto* whsTables = new QSplitter(Qt::Horizontal);
  whsTables->setObjectName(QStringLiteral("WhsSplitter"));
  whsTables->addWidget(WhsTable);
  whsTables->addWidget(WhsCourseTable);
  whsTables->setStretchFactor(0, 3);
  whsTables->setStretchFactor(1, 2);

  auto* all = new QSplitter(Qt::Vertical);
  all->setObjectName(QStringLiteral("Client"));
  all->addWidget(top);
  all->addWidget(bottom);
  all->addWidget(Group("WhsGroup", QStringLiteral("World Handicap System (estimate)"),
                       {WhsSummary, whsTables, WhsNote}));
  for (int part = 0; part < 3; ++part) all->setStretchFactor(part, 1);
  setCentralWidget(all);
}

void TIndexHistoryForm::FillHistory() {
  const std::vector<IndexHistoryRow>& rows = insight_.History.Rows;
  HistoryTable->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < HistoryTable->rowCount(); ++r) {
    const IndexHistoryRow& row = rows[static_cast<std::size_t>(r)];
    SetCell(HistoryTable, r, 0, row.Date, false);
    SetCell(HistoryTable, r, 1, row.Course, false);
    SetCell(HistoryTable, r, 2, row.Score);
    SetCell(HistoryTable, r, 3, row.AdjScore);
    SetCell(HistoryTable, r, 4, TrimSpaces(FormatTenths(row.Differential)));
    SetCell(HistoryTable, r, 5, std::string(1, row.Mark), false);
    SetCell(HistoryTable, r, 6, IndexText(row.IndexAfter));
    SetCell(HistoryTable, r, 7, row.Change);
  }
  FitColumns(HistoryTable, {"00/00/0000", "", "000", "000", "-00.0", "*", "00.0", "-00.0"}, 1);
}

void TIndexHistoryForm::FillForecast() {
  const std::vector<CourseForecast>& rows = insight_.Forecast;
  ForecastTable->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < ForecastTable->rowCount(); ++r) {
    const CourseForecast& row = rows[static_cast<std::size_t>(r)];
    SetCell(ForecastTable, r, 0, row.Course, false);
    SetCell(ForecastTable, r, 1, row.CourseHandicap);
    SetCell(ForecastTable, r, 2, row.PredictedScore);
    SetCell(ForecastTable, r, 3, std::to_string(row.Rounds));
    SetCell(ForecastTable, r, 4, row.BestScore);
    SetCell(ForecastTable, r, 5, row.Keeps);
    SetCell(ForecastTable, r, 6, row.Lowers);
  }
  FitColumns(ForecastTable, {"", "000", "000", "000", "000", "000", "000"}, 0);
  DropOutLabel->setText(FromBytes(insight_.DropOut));
}

void TIndexHistoryForm::FillStatistics() {
  const std::vector<StatisticsLine> lines = StatisticsLines(insight_.Stats);
  StatsTable->setRowCount(static_cast<int>(lines.size()));
  QStringList labels;
  for (int r = 0; r < StatsTable->rowCount(); ++r) {
    const StatisticsLine& line = lines[static_cast<std::size_t>(r)];
    labels << FromBytes(line.Label);
    SetCell(StatsTable, r, 0, line.Recent);
    SetCell(StatsTable, r, 1, line.All);
  }
  StatsTable->setVerticalHeaderLabels(labels);
  StatsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  HoleFiguresLabel->setText(FromBytes(HoleFiguresNote(insight_.Stats)));
}

void TIndexHistoryForm::FillWhs() {
  WhsSummary->setText(FromBytes(whs::SummaryText(whs_)));
  const std::vector<whs::Row> none;
  const std::vector<whs::Row>& rows = whs_.Result ? whs_.Result->Rows : none;
  WhsTable->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < WhsTable->rowCount(); ++r) {
    const auto cells = whs::RowCells(rows[static_cast<std::size_t>(r)]);
    for (int c = 0; c < static_cast<int>(cells.size()); ++c)
      SetCell(WhsTable, r, c, cells[static_cast<std::size_t>(c)],
              c == 2 || c == 4 || c == 5 || c == 7);
  }
  FitColumns(WhsTable, {"00/00/0000", "", "000", "lowest", "-00.0", "0.0", "*", "00.0", "soft"}, 1);
  WhsCourseTable->setRowCount(static_cast<int>(whs_.Courses.size()));
  for (int r = 0; r < WhsCourseTable->rowCount(); ++r) {
    const auto cells = whs::CourseCells(whs_.Courses[static_cast<std::size_t>(r)]);
    for (int c = 0; c < static_cast<int>(cells.size()); ++c)
      SetCell(WhsCourseTable, r, c, cells[static_cast<std::size_t>(c)], c != 0);
  }
  FitColumns(WhsCourseTable, {"", "000", "000"}, 0);
  WhsNote->setText(FromBytes(whs::NoteText(whs_)));
}

void TIndexHistoryForm::Print1Click() {
  const std::vector<std::string> heading = InsightHeading(
      ToBytes(longName_), insight_, ToBytes(Today().toString(QStringLiteral("MM/dd/yyyy"))));
  std::vector<std::string> lines = InsightTableLines(insight_);
  lines.push_back("");
  for (std::string& line : WhsLines(whs_)) lines.push_back(std::move(line));
  // The chart takes the width of the text below the heading, as high as the
  // window shows it in proportion (at most 4 inches); the tables follow it
  // and go on over as many pages as they need.
  constexpr float kChartTop = 1.05f, kLeft = 0.75f, kWidth = 7.0f;
  const float chartHeight =
      std::min(4.0f, kWidth * static_cast<float>(IndexChart->height()) /
                         static_cast<float>(std::max(IndexChart->width(), 1)));
  QChartView* chart = IndexChart;
  PrintWithPreview(
      shortName_ + "-index",
      [&](PrintDevice& device) {
        TPrintObject page(device);
        page.Start();
        page.SetMargins(0.5f, 0.5f, kLeft, 0.75f);
        page.SetTextArea(0.75f, 10.25f);
        page.SetFontInformation("Courier", 12, FontStyle{true});
        page.WriteLine(heading[0], -1, 0.5f);
        page.SetFontInformation("Courier", 9, {});
        page.WriteLine(heading[1], -1, 0.75f);
        const int dpiX = device.PixelsPerInchX(), dpiY = device.PixelsPerInchY();
        const QRectF target(kLeft * dpiX, kChartTop * dpiY, kWidth * dpiX, chartHeight * dpiY);
        // Run again at every drawing of the pages (the preview and the
        // print), while this window and its chart are there.
        device.Paint([chart, target](QPainter& painter) {
          painter.save();
          chart->render(&painter, target, QRect(), Qt::KeepAspectRatio);
          painter.restore();
        });
        page.WriteLine(lines.front(), -1, kChartTop + chartHeight + 0.25f);
        for (std::size_t i = 1; i < lines.size(); ++i)
          page.WriteLine(lines[i], -1, TPrintObject::NextLine);
        page.Quit();
      },
      QStringLiteral("Printing completed."));
}

void TIndexHistoryForm::Exit1Click() { close(); }

}  // namespace qm
