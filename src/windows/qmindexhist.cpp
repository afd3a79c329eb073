#include "windows/qmindexhist.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QChartView>
#include <QGraphicsScene>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "app/clock.h"
#include "engine/golfer.h"
#include "print/insightcolumns.h"
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
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/look.h"
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

// The rows of an insight table as its view shows them. A model of the
// cells as the rules made them, turned into text only for the cells shown:
// a table of items would make thousands of them for the few on the screen.
class InsightModel : public QAbstractTableModel {
 public:
  // The columns of table from column first on; the cells before first stand
  // in the row headings.
  InsightModel(const InsightTable& table, int first, QObject* parent)
      : QAbstractTableModel(parent), table_(table), first_(first) {}

  void SetRows(std::vector<InsightCells> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(table_.Columns.size()) - first_;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const auto column = static_cast<std::size_t>(index.column() + first_);
    if (role == Qt::DisplayRole) {
      const InsightCells& cells = rows_[static_cast<std::size_t>(index.row())];
      return column < cells.size() ? FromBytes(cells[column]) : QString();
    }
    if (role == Qt::TextAlignmentRole)
      return QVariant::fromValue(Qt::AlignVCenter |
                                 (table_.Columns[column].Figure ? Qt::AlignRight : Qt::AlignLeft));
    return {};
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation == Qt::Vertical) {
      if (role != Qt::DisplayRole || first_ == 0)
        return QAbstractTableModel::headerData(section, orientation, role);
      return FromBytes(rows_[static_cast<std::size_t>(section)].front());
    }
    const InsightColumn& column = table_.Columns[static_cast<std::size_t>(section + first_)];
    if (role == Qt::DisplayRole) return QString::fromLatin1(column.Heading);
    if (role == Qt::ToolTipRole && *column.Tip) return QString::fromLatin1(column.Tip);
    return {};
  }

 private:
  const InsightTable& table_;
  int first_;
  std::vector<InsightCells> rows_;
};

// Draws a cell's text straight onto the row the style has painted: the
// style's own text drawing lays each cell out as a paragraph, which is most
// of the cost of showing the window's tables. One line, cut with an
// ellipsis when the column is too narrow, as the style would.
class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString text = cell.text;
    cell.text.clear();
    const QWidget* view = cell.widget;
    QStyle* style = view ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view)
                           .adjusted(kTextMargin, 0, -kTextMargin, 0);
    // Most texts fit: measured once, cut only when they do not.
    const int full = cell.fontMetrics.horizontalAdvance(text);
    const bool fits = full <= area.width();
    const QString shown =
        fits ? text : cell.fontMetrics.elidedText(text, Qt::ElideRight, area.width());
    const int width = fits ? full : cell.fontMetrics.horizontalAdvance(shown);
    const int x = cell.displayAlignment & Qt::AlignRight ? area.right() + 1 - width : area.left();
    const int y =
        area.top() + (area.height() - cell.fontMetrics.height()) / 2 + cell.fontMetrics.ascent();
    const bool selected = cell.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(
        cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
        selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QPoint(x, y), shown);
    painter->restore();
  }

 private:
  // The margin the style leaves on each side of an item's text.
  static constexpr int kTextMargin = 3;
};

// A read-only view of an insight table from column first on (see
// InsightModel).
QTableView* MakeTable(const char* name, const InsightTable& table, int first = 0) {
  auto* view = new QTableView;
  view->setObjectName(QString::fromLatin1(name));
  view->setModel(new InsightModel(table, first, view));
  view->setItemDelegate(new CellDelegate(view));
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->verticalHeader()->setVisible(false);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->setWordWrap(false);
  view->setAlternatingRowColors(true);
  return view;
}

// Column widths from the widest text a column can hold (or its heading),
// measured once: sizing by the contents would measure every row at every
// layout. The stretching column takes the rest of the width.
void FitColumns(QTableView* view, const InsightTable& table) {
  QHeaderView* header = view->horizontalHeader();
  const QFontMetrics cells(view->font()), headings(header->font());
  for (int c = 0; c < view->model()->columnCount(); ++c) {
    const InsightColumn& column = table.Columns[static_cast<std::size_t>(c)];
    const int width = std::max(cells.horizontalAdvance(QString::fromLatin1(column.Widest)),
                               headings.horizontalAdvance(QString::fromLatin1(column.Heading))) +
                      14;
    header->setSectionResizeMode(c, c == table.Stretch ? QHeaderView::Stretch : QHeaderView::Fixed);
    header->resizeSection(c, width);
  }
}

// The rows' cells into view, laid out by table's columns.
template <class Row, class Cells>
void FillTable(QTableView* view, const InsightTable& table, const std::vector<Row>& rows,
               Cells cellsOf) {
  std::vector<InsightCells> cells;
  cells.reserve(rows.size());
  for (const Row& row : rows) cells.push_back(cellsOf(row));
  static_cast<InsightModel*>(view->model())->SetRows(std::move(cells));
  if (table.Stretch >= 0) FitColumns(view, table);
}

// A word-wrapped note. While the window opens its layouts ask the note's
// height for a few widths many times over, and each answer lays the whole
// text out again: the answers are kept until the text or the font changes.
class NoteLabel : public QLabel {
 public:
  int heightForWidth(int width) const override {
    if (text() != text_) {
      text_ = text();
      heights_.clear();
    }
    for (const auto& [known, height] : heights_)
      if (known == width) return height;
    const int height = QLabel::heightForWidth(width);
    heights_.emplace_back(width, height);
    return height;
  }

  // QLabel finds these by laying the text out at several widths, each time
  // the text changes. A note asks for no width of its own (the tables
  // beside it set the widths); the layouts take its height from
  // heightForWidth.
  QSize minimumSizeHint() const override {
    return {fontMetrics().averageCharWidth() * 20, fontMetrics().height()};
  }
  QSize sizeHint() const override {
    const int width = minimumSizeHint().width();
    return {width, heightForWidth(width)};
  }

 protected:
  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
      heights_.clear();
    QLabel::changeEvent(event);
  }

 private:
  mutable QString text_;
  mutable std::vector<std::pair<int, int>> heights_;
};

QLabel* MakeNote(const char* name) {
  auto* label = new NoteLabel;
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
  File1 = MakeMenu(MakeMenuBar(this, QStringLiteral("IndexHistoryMenu")), "File1", "&File");
  Print1 = MakeItem(File1, "Print1", "&Print");
  Exit1 = MakeItem(File1, "Exit1", "E&xit");
  connect(Print1, &QAction::triggered, this, Guarded([this] { Print1Click(); }));
  connect(Exit1, &QAction::triggered, this, Guarded([this] { Exit1Click(); }));

  HistoryTable = MakeTable("HistoryTable", HistoryTableColumns());
  ForecastTable = MakeTable("ForecastTable", ForecastTableColumns());
  // The statistics' labels stand in the row headings.
  StatsTable = MakeTable("StatsTable", StatisticsTableColumns(), 1);
  StatsTable->verticalHeader()->setVisible(true);
  StatsTable->setAlternatingRowColors(false);
  DropOutLabel = MakeNote("DropOutLabel");
  HoleFiguresLabel = MakeNote("HoleFiguresLabel");

  darkChart_ = IsDark(palette());
  IndexChart = new QChartView(NewChart(darkChart_));
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
  WhsTable = MakeTable("WhsTable", WhsTableColumns());
  WhsCourseTable = MakeTable("WhsCourseTable", WhsCourseTableColumns());
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
  FillTable(HistoryTable, HistoryTableColumns(), insight_.History.Rows, HistoryCells);
}

void TIndexHistoryForm::FillForecast() {
  FillTable(ForecastTable, ForecastTableColumns(), insight_.Forecast, ForecastCells);
  DropOutLabel->setText(FromBytes(insight_.DropOut));
}

void TIndexHistoryForm::FillStatistics() {
  FillTable(StatsTable, StatisticsTableColumns(), StatisticsLines(insight_.Stats),
            [](const StatisticsLine& line) {
              return InsightCells{line.Label, line.Recent, line.All};
            });
  StatsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  HoleFiguresLabel->setText(FromBytes(HoleFiguresNote(insight_.Stats)));
}

void TIndexHistoryForm::FillWhs() {
  WhsSummary->setText(FromBytes(whs::SummaryText(whs_)));
  const std::vector<whs::Row> none;
  FillTable(WhsTable, WhsTableColumns(), whs_.Result ? whs_.Result->Rows : none,
            [](const whs::Row& row) {
              const auto cells = whs::RowCells(row);
              return InsightCells(cells.begin(), cells.end());
            });
  FillTable(WhsCourseTable, WhsCourseTableColumns(), whs_.Courses, [](const whs::CourseRow& row) {
    const auto cells = whs::CourseCells(row);
    return InsightCells(cells.begin(), cells.end());
  });
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
  // Paper is white in every scheme: a dark window prints a light copy of
  // its chart, drawn from a scene of its own at the window's size.
  QGraphicsScene* scene = nullptr;
  QChartView* chart = IndexChart;
  std::unique_ptr<QGraphicsScene> paperScene;
  if (darkChart_) {
    paperScene = std::make_unique<QGraphicsScene>();
    QChart* light = NewChart(false);
    paperScene->addItem(light);
    light->resize(IndexChart->size());
    paperScene->setSceneRect(QRectF(QPointF(0, 0), IndexChart->size()));
    scene = paperScene.get();
  }
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
        device.Paint([chart, scene, target](QPainter& painter) {
          painter.save();
          if (scene != nullptr)
            scene->render(&painter, target, scene->sceneRect(), Qt::KeepAspectRatio);
          else
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

QChart* TIndexHistoryForm::NewChart(bool dark) const {
  return MakeIndexChart(insight_.History, request_.Golfer, request_.UseMaxIndex, dark);
}

void TIndexHistoryForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::PaletteChange || IsDark(palette()) == darkChart_) return;
  darkChart_ = !darkChart_;
  QChart* old = IndexChart->chart();
  IndexChart->setChart(NewChart(darkChart_));
  delete old;
}

}  // namespace qm
