#include "print/hdcplist.h"

#include "engine/coursehcp.h"
#include "engine/golfer.h"
#include "engine/numeric.h"
#include "print/reporttext.h"
#include "store/roster.h"
#include "store/scores.h"
#include "store/text.h"

namespace qm {

namespace {
constexpr std::size_t kLineWidth = 120;
}  // namespace

std::vector<std::string> HandicapListHeading(const std::string& date,
                                             const TCourseSummaryRec& course) {
  return {
      "QUILLMOR COURSE HANDICAPS AS OF:  " + date,
      "",
      "Course: " + CutAtNul(course.CourseName),
      "Rating: " + CutAtNul(course.Rating) + "  Slope: " + CutAtNul(course.Slope) +
          "  Par: " + CutAtNul(course.ParTotal),
      "",
      "                                 Course   Predicted",
      "Golfer                 Index   Handicap       Score",
      "",
  };
}

std::string HandicapListRow(const std::string& longName, long double index, int courseHandicap,
                            int predictedScore) {
  return PadRight(longName, 21) + "   " + RightAligned(FormatTenths(index), 5) + "        " +
         PadLeft(std::to_string(courseHandicap), 4) + "         " +
         PadLeft(std::to_string(predictedScore), 4);
}

IndexResult CurrentIndex(const TRosterEntry& golfer, bool useMaxIndex, TScoreTable& table) {
  LoadSortedScores(table, ScoreFileName(golfer), false);
  return CalcIndex(table, GolferIndexRequest(golfer, useMaxIndex));
}

void HandicapListLines(const std::string& date, const TCourseSummaryRec& course,
                       const std::vector<TRosterEntry>& golfers, bool useMaxIndex,
                       ReportSink& out) {
  for (const std::string& line : HandicapListHeading(date, course)) out.AddLine(line);
  TScoreTable table;
  for (const TRosterEntry& golfer : golfers) {
    const IndexResult index = CurrentIndex(golfer, useMaxIndex, table);
    const int handicap = ComputeCourseHandicap(index.Index, CutAtNul(course.Slope));
    const int predicted = ComputePredictedScore(handicap, CutAtNul(course.ParTotal));
    out.AddLine(
        CutTo(HandicapListRow(golfer.LongName, index.Index, handicap, predicted), kLineWidth));
  }
}

}  // namespace qm
