// The index history window: where a golfer's index has been (the history
// table and the chart), what the next round can do to it at each course of
// the list, and the golfer's statistics. Everything comes from the golfer
// insight rules (engine/insight.h) over one score table and the course list.
// Below them, the World Handicap System estimate (engine/whs.h) of the same
// rounds, with its working round by round, from the course list and the
// stroke indexes.
//
//   // golfer list: the golfer's score file, read now
//   TIndexHistoryForm::OpenFor(golfer, Program().UseMaxIndex);
//   // golfer scores window: its table as it stands, saved or not
//   TIndexHistoryForm::Open(longName, shortName, scores_, request);
//
// Each opening makes a new window, shown without blocking, no Qt child of
// its opener (the main window destroys it at the end at the latest); it
// deletes itself when closed and keeps its placement under
// "IndexHistoryForm". Everything is computed before the window is made:
// a score file that cannot be read, or a round whose figures are not numbers,
// throws (the opener's guard reports it) and no window appears. The estimate
// alone never keeps the window from opening: when it cannot be made (a date
// that is no calendar date, a stroke index file that cannot be read), its
// summary line says why.
#pragma once

#include <QMainWindow>
#include <string>

#include "engine/insight.h"
#include "engine/whsview.h"
#include "store/records.h"

class QAction;
class QLabel;
class QMenu;
class QTableView;

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

namespace qm {

class TIndexHistoryForm : public QMainWindow {
  Q_OBJECT

 public:
  // Reads the golfer's score file (sorted newest first) and the course list,
  // computes with the golfer list's index request and shows the window.
  static TIndexHistoryForm* OpenFor(const TRosterEntry& golfer, bool useMaxIndex);
  // Computes from scores (sorted newest first) with request, reads the
  // course list, and shows the window.
  static TIndexHistoryForm* Open(const QString& longName, const std::string& shortName,
                                 const TScoreTable& scores, const IndexRequest& request);

  TIndexHistoryForm(const QString& longName, std::string shortName, GolferInsight insight,
                    const IndexRequest& request, whs::View whs, QWidget* parent = nullptr);

  // File > Print: the chart, the three tables and the estimate on US Letter.
  void Print1Click();
  void Exit1Click();

  const GolferInsight& Insight() const { return insight_; }
  const whs::View& Whs() const { return whs_; }

 protected:
  // A change of colour scheme gives the chart the matching theme.
  void changeEvent(QEvent* event) override;

 private:
  QMenu* File1;
  QAction* Print1;
  QAction* Exit1;
  QTableView* HistoryTable;
  QChartView* IndexChart;
  QTableView* ForecastTable;
  QLabel* DropOutLabel;
  QTableView* StatsTable;
  QLabel* HoleFiguresLabel;
  QLabel* WhsSummary;
  QTableView* WhsTable;
  QTableView* WhsCourseTable;
  QLabel* WhsNote;

  void BuildControls();
  void FillHistory();
  void FillForecast();
  void FillStatistics();
  void FillWhs();
  QChart* NewChart(bool dark) const;

  QString longName_;
  std::string shortName_;
  GolferInsight insight_;
  IndexRequest request_;
  whs::View whs_;
  bool darkChart_ = false;
};

}  // namespace qm
