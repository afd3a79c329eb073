#include "print/insightreport.h"

#include "print/insightcolumns.h"
#include "store/text.h"

namespace qm {

namespace {

// The printed width of a line: 7 inches of 9-point Courier hold 93
// characters.
constexpr std::size_t kWidth = 90;

// A sentence as lines of at most kWidth characters, broken at spaces.
void AddWrapped(std::vector<std::string>& lines, const std::string& text) {
  std::string line;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (!line.empty() && line.size() + 1 + word.size() > kWidth) {
      lines.push_back(line);
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    start = end + 1;
  }
  lines.push_back(line);
}

}  // namespace

std::vector<std::string> InsightHeading(const std::string& longName, const GolferInsight& insight,
                                        const std::string& date) {
  return {"Index History - " + longName,
          "Current index " + IndexText(insight.History.Current.Index) + "    Printed " + date};
}

std::vector<std::string> InsightTableLines(const GolferInsight& insight) {
  std::vector<std::string> lines;
  lines.push_back("What to Shoot Next");
  lines.push_back(PrintedHeadings(ForecastTableColumns()));
  for (const CourseForecast& row : insight.Forecast)
    lines.push_back(PrintedCells(ForecastTableColumns(), ForecastCells(row)));
  if (insight.Forecast.empty()) lines.push_back("No courses in the course list.");
  AddWrapped(lines, insight.DropOut);
  lines.push_back("");

  lines.push_back("Statistics");
  lines.push_back(PrintedHeadings(StatisticsTableColumns()));
  for (const StatisticsLine& row : StatisticsLines(insight.Stats))
    lines.push_back(PrintedCells(StatisticsTableColumns(), {row.Label, row.Recent, row.All}));
  AddWrapped(lines, HoleFiguresNote(insight.Stats));
  lines.push_back("");

  lines.push_back("History (newest first; * used in the current index, I not counted)");
  lines.push_back(PrintedHeadings(HistoryTableColumns()));
  for (const IndexHistoryRow& row : insight.History.Rows)
    lines.push_back(PrintedCells(HistoryTableColumns(), HistoryCells(row)));
  if (insight.History.Rows.empty()) lines.push_back("No scores on file.");
  return lines;
}

std::vector<std::string> WhsLines(const whs::View& view) {
  std::vector<std::string> lines = {"World Handicap System (estimate)"};
  AddWrapped(lines, whs::SummaryText(view));
  if (!view.Courses.empty()) {
    lines.push_back("");
    lines.push_back(PrintedHeadings(WhsCourseTableColumns()));
    for (const whs::CourseRow& row : view.Courses) {
      const auto cells = whs::CourseCells(row);
      lines.push_back(PrintedCells(WhsCourseTableColumns(), {cells.begin(), cells.end()}));
    }
  }
  if (view.Result && !view.Result->Rows.empty()) {
    lines.push_back("");
    lines.push_back(PrintedHeadings(WhsTableColumns()));
    for (const whs::Row& row : view.Result->Rows) {
      const auto cells = whs::RowCells(row);
      lines.push_back(PrintedCells(WhsTableColumns(), {cells.begin(), cells.end()}));
    }
  }
  lines.push_back("");
  AddWrapped(lines, whs::NoteText(view));
  return lines;
}

}  // namespace qm
