// The columns of the index history window's tables, once for the window and
// its printed report: a column's headings, its printed width and alignment,
// the widest text the window sizes it for, and the cells of a row. The
// window and the report only lay them out.
#pragma once

#include <string>
#include <vector>

#include "engine/insight.h"
#include "engine/whsview.h"

namespace qm {

struct InsightColumn {
  const char* Heading;   // in the window
  const char* Printed;   // in the report, where the line is narrower
  int Width;             // characters in the report
  bool PrintedRight;     // right-aligned in the report
  bool Figure;           // right-aligned in the window
  const char* Widest;    // the widest text of its cells ("" for the stretching column)
  const char* Tip = "";  // the window heading's tool tip
};

struct InsightTable {
  std::vector<InsightColumn> Columns;
  int Stretch;  // the column that takes the rest of the window's width; -1: all stretch
};

using InsightCells = std::vector<std::string>;

const InsightTable& HistoryTableColumns();
InsightCells HistoryCells(const IndexHistoryRow& row);

const InsightTable& ForecastTableColumns();
InsightCells ForecastCells(const CourseForecast& row);

// Cells: a StatisticsLine's label, recent and all (the window shows the
// label as the row's heading).
const InsightTable& StatisticsTableColumns();

// Cells: whs::RowCells and whs::CourseCells.
const InsightTable& WhsTableColumns();
const InsightTable& WhsCourseTableColumns();

// A report line of the headings or of a row's cells: each cell cut or padded
// to its width and followed by a space, trailing spaces dropped.
std::string PrintedHeadings(const InsightTable& table);
std::string PrintedCells(const InsightTable& table, const InsightCells& cells);

}  // namespace qm
