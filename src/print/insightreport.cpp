#include "print/insightreport.h"

#include "engine/numeric.h"
#include "store/text.h"

namespace qm {

namespace {

// text left-aligned in width characters (cut when longer), then a space.
std::string Left(const std::string& text, int width) { return PadRight(text, width + 1) + " "; }
// text right-aligned in width characters, then a space.
std::string Right(const std::string& text, int width) { return PadLeft(text, width + 1) + " "; }

std::string Trimmed(std::string line) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

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
  lines.push_back(Trimmed(Left("Course", 30) + Right("Hcp", 4) + Right("Pred", 4) +
                          Right("Rnds", 4) + Right("Best", 4) + Right("Keep", 4) +
                          Right("Lower", 5)));
  for (const CourseForecast& row : insight.Forecast)
    lines.push_back(Trimmed(Left(row.Course, 30) + Right(row.CourseHandicap, 4) +
                            Right(row.PredictedScore, 4) + Right(std::to_string(row.Rounds), 4) +
                            Right(row.BestScore, 4) + Right(row.Keeps, 4) + Right(row.Lowers, 5)));
  if (insight.Forecast.empty()) lines.push_back("No courses in the course list.");
  AddWrapped(lines, insight.DropOut);
  lines.push_back("");

  lines.push_back("Statistics");
  lines.push_back(Trimmed(Left("", 24) + Right("Last 20", 8) + Right("All", 8)));
  for (const StatisticsLine& row : StatisticsLines(insight.Stats))
    lines.push_back(Trimmed(Left(row.Label, 24) + Right(row.Recent, 8) + Right(row.All, 8)));
  AddWrapped(lines, HoleFiguresNote(insight.Stats));
  lines.push_back("");

  lines.push_back("History (newest first; * used in the current index, I not counted)");
  lines.push_back(Trimmed(Left("Date", 10) + Left("Course", 30) + Right("Scr", 3) +
                          Right("AGS", 3) + Right("Diff", 5) + Left("", 1) + Right("After", 5) +
                          Right("Chg", 5)));
  for (const IndexHistoryRow& row : insight.History.Rows)
    lines.push_back(Trimmed(Left(row.Date, 10) + Left(row.Course, 30) + Right(row.Score, 3) +
                            Right(row.AdjScore, 3) + Right(FormatTenths(row.Differential), 5) +
                            Left(std::string(1, row.Mark), 1) +
                            Right(IndexText(row.IndexAfter), 5) + Right(row.Change, 5)));
  if (insight.History.Rows.empty()) lines.push_back("No scores on file.");
  return lines;
}

std::vector<std::string> WhsLines(const whs::View& view) {
  std::vector<std::string> lines = {"World Handicap System (estimate)"};
  AddWrapped(lines, whs::SummaryText(view));
  if (!view.Courses.empty()) {
    lines.push_back("");
    lines.push_back(Trimmed(Left("Course", 30) + Right("Hcp", 4) + Right("Net Par", 7)));
    for (const whs::CourseRow& row : view.Courses) {
      const auto cells = whs::CourseCells(row);
      lines.push_back(Trimmed(Left(cells[0], 30) + Right(cells[1], 4) + Right(cells[2], 7)));
    }
  }
  if (view.Result && !view.Result->Rows.empty()) {
    lines.push_back("");
    lines.push_back(Trimmed(Left("Date", 10) + Left("Course", 28) + Right("AGS", 3) +
                            Left("Basis", 6) + Right("SD", 5) + Right("ESR", 4) + Right("Used", 4) +
                            Right("After", 5) + Right("Cap", 4)));
    for (const whs::Row& row : view.Result->Rows) {
      const auto cells = whs::RowCells(row);
      lines.push_back(Trimmed(Left(cells[0], 10) + Left(cells[1], 28) + Right(cells[2], 3) +
                              Left(cells[3], 6) + Right(cells[4], 5) + Right(cells[5], 4) +
                              Right(cells[6], 4) + Right(cells[7], 5) + Right(cells[8], 4)));
    }
  }
  lines.push_back("");
  AddWrapped(lines, whs::NoteText(view));
  return lines;
}

}  // namespace qm
