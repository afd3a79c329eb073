// The printed results sheet of a competition: a heading, the table by
// division and a footnote on the ties and the fractions, as fixed-pitch
// lines. The competition window prints them and exports the same rows.
#pragma once

#include <string>
#include <vector>

#include "engine/competition.h"

namespace qm {

// The columns of the sheet: "Pos", "Name", "Div", "Index", "CH", "PH",
// "Out", "In", "Gross", then "Net", "Points" or "Result" by format, "Note".
std::vector<std::string> SheetHeadings(comp::Format format);
std::vector<std::string> SheetCells(const comp::Line& line);

// heading: the lines above the table (course, date, format, allowance and
// basis). A blank line and the division's title before each division when
// there are several.
std::vector<std::string> SheetLines(const std::vector<std::string>& heading,
                                    const comp::Settings& settings,
                                    const std::vector<comp::Line>& lines);

}  // namespace qm
