// The handicap list: for one course and the chosen golfers, each golfer's
// index, course handicap and predicted score, one row a golfer in fixed
// columns. The print handicaps dialog (qmprthdp.h) sends it to the printer
// or to hdcplist.qmr.
#pragma once

#include <string>
#include <vector>

#include "engine/index.h"
#include "store/records.h"

namespace qm {

inline constexpr const char* HandicapListFileName = "hdcplist.qmr";

// The eight heading lines, for today's date as "mm/dd/yyyy".
std::vector<std::string> HandicapListHeading(const std::string& date,
                                             const TCourseSummaryRec& course);

// One row of 51 characters: the name cut or padded to 20, the index in 5
// (column 24), the course handicap in 3 ending at column 39 and the predicted
// score in 3 ending at 51 (a longer number keeps its first 3 characters).
std::string HandicapListRow(const std::string& longName, long double index, int courseHandicap,
                            int predictedScore);

// The whole list into out: the heading, then one row for each golfer, in the
// order given, from the golfer's own score file. Throws at the first golfer
// whose file cannot be read (or whose numbers are no numbers), and for a
// course whose slope or par is no number.
void HandicapListLines(const std::string& date, const TCourseSummaryRec& course,
                       const std::vector<TRosterEntry>& golfers, bool useMaxIndex, ReportSink& out);

// The golfer's current index from the score file, as the list and the cards
// compute it; table receives the sorted scores.
IndexResult CurrentIndex(const TRosterEntry& golfer, bool useMaxIndex, TScoreTable& table);

}  // namespace qm
