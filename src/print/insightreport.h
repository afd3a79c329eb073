// The text of the index history print: the golfer's heading, then "what to
// shoot next", the statistics and the history as fixed-pitch tables. The
// window prints its chart between the heading and these lines.
#pragma once

#include <string>
#include <vector>

#include "engine/insight.h"
#include "engine/whsview.h"

namespace qm {

// "Index History - " + the long name, and the line with the current index
// and the date printed (mm/dd/yyyy).
std::vector<std::string> InsightHeading(const std::string& longName, const GolferInsight& insight,
                                        const std::string& date);

// The three tables, each with a title line and a column heading, and the
// sentences the window shows under them (broken into lines of at most 90
// characters), separated by empty lines.
std::vector<std::string> InsightTableLines(const GolferInsight& insight);

// The World Handicap System part, as the window shows it: a title line, the
// summary, the course table, the table of rounds (newest first) and the
// note, each sentence broken into lines as above.
std::vector<std::string> WhsLines(const whs::View& view);

}  // namespace qm
