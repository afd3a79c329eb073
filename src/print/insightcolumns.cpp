#include "print/insightcolumns.h"

#include "engine/numeric.h"
#include "store/text.h"

namespace qm {

namespace {

// text cut or padded to the column's width, then a space.
std::string Cell(const InsightColumn& column, const std::string& text) {
  return (column.PrintedRight ? PadLeft(text, column.Width + 1)
                              : PadRight(text, column.Width + 1)) +
         " ";
}

std::string Trimmed(std::string line) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

}  // namespace

const InsightTable& HistoryTableColumns() {
  static const InsightTable table{{{"Date", "Date", 10, false, false, "00/00/0000"},
                                   {"Course", "Course", 30, false, false, ""},
                                   {"Score", "Scr", 3, true, true, "000"},
                                   {"AGS", "AGS", 3, true, true, "000"},
                                   {"Diff", "Diff", 5, true, true, "-00.0"},
                                   {"", "", 1, false, false, "*",
                                    "* = used in the current index   I = not counted (incomplete)"},
                                   {"Index After", "After", 5, true, true, "00.0"},
                                   {"Change", "Chg", 5, true, true, "-00.0"}},
                                  1};
  return table;
}

InsightCells HistoryCells(const IndexHistoryRow& row) {
  return {row.Date,
          row.Course,
          row.Score,
          row.AdjScore,
          TrimSpaces(FormatTenths(row.Differential)),
          std::string(1, row.Mark),
          IndexText(row.IndexAfter),
          row.Change};
}

const InsightTable& ForecastTableColumns() {
  static const InsightTable table{
      {{"Course", "Course", 30, false, false, ""},
       {"Course Hcp", "Hcp", 4, true, true, "000"},
       {"Predicted", "Pred", 4, true, true, "000"},
       {"Rounds", "Rnds", 4, true, true, "000"},
       {"Best", "Best", 4, true, true, "000"},
       {"Keeps", "Keep", 4, true, true, "000",
        "The highest adjusted score today that keeps the index where it "
        "is"},
       {"Lowers", "Lower", 5, true, true, "000",
        "The highest adjusted score today that lowers the index"}},
      0};
  return table;
}

InsightCells ForecastCells(const CourseForecast& row) {
  return {row.Course,    row.CourseHandicap, row.PredictedScore, std::to_string(row.Rounds),
          row.BestScore, row.Keeps,          row.Lowers};
}

const InsightTable& StatisticsTableColumns() {
  static const InsightTable table{{{"", "", 24, false, false, ""},
                                   {"Last 20 Rounds", "Last 20", 8, true, true, ""},
                                   {"All Rounds", "All", 8, true, true, ""}},
                                  -1};
  return table;
}

const InsightTable& WhsTableColumns() {
  static const InsightTable table{
      {{"Date", "Date", 10, false, false, "00/00/0000"},
       {"Course", "Course", 28, false, false, ""},
       {"AGS", "AGS", 3, true, true, "000"},
       {"Basis", "Basis", 6, false, false, "lowest",
        "holes = every hole at most its net double bogey   lowest = the "
        "lowest value the holes allow (no stroke indexes)   stored = the "
        "round's own figures"},
       {"SD", "SD", 5, true, true, "-00.0"},
       {"ESR", "ESR", 4, true, true, "0.0",
        "The exceptional score reduction the round has been given"},
       {"Used", "Used", 4, true, false, "*", "* = used in the estimate now"},
       {"Index After", "After", 5, true, true, "00.0"},
       {"Cap", "Cap", 4, true, false, "soft"}},
      1};
  return table;
}

const InsightTable& WhsCourseTableColumns() {
  static const InsightTable table{{{"Course", "Course", 30, false, false, ""},
                                   {"Course Hcp", "Hcp", 4, true, true, "000"},
                                   {"Net Par Target", "Net Par", 7, true, true, "000",
                                    "Par + the course handicap at the estimate now"}},
                                  0};
  return table;
}

std::string PrintedHeadings(const InsightTable& table) {
  std::string line;
  for (const InsightColumn& column : table.Columns) line += Cell(column, column.Printed);
  return Trimmed(line);
}

std::string PrintedCells(const InsightTable& table, const InsightCells& cells) {
  std::string line;
  for (std::size_t c = 0; c < table.Columns.size() && c < cells.size(); ++c)
    line += Cell(table.Columns[c], cells[c]);
  return Trimmed(line);
}

}  // namespace qm
