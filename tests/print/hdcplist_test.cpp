#include "print/hdcplist.h"

#include <gtest/gtest.h>

#include "store/errors.h"
#include "support/report_files.h"
#include "support/workdir.h"

namespace qm {
namespace {

using test::Collected;
using test::PlainScores;
using test::Score;
using test::WriteScores;

const TCourseSummaryRec kPine{"Pine Ridge", "71.4", "130", "72"};

TEST(HandicapList, HeadingThenOneRowAGolferInTheOrderGiven) {
  test::WorkDir dir;
  // 5 scores with the best differential 12.8 (84 at 71.2 / 113): 12.3.
  std::vector<TScoreRec> carl = PlainScores({100, 100, 100, 100});
  carl.insert(carl.begin() + 2, Score("20240527", "Oak Hills", "84", "71.2", "113", "84"));
  WriteScores("CARL", carl);
  // Best 9.8 (80 at 70.2): 9.4.
  std::vector<TScoreRec> ann = PlainScores({100, 100, 100, 100});
  ann.push_back(Score("20240501", "Bent Creek", "80", "70.2", "113", "80"));
  WriteScores("ANN", ann);
  WriteScores("BOB", PlainScores({90, 91}));  // too few: 36.4
  WriteScores("SUE", {});

  Collected out;
  HandicapListLines("06/15/2024", kPine,
                    {{"Carl Cole-Montgomery-Smythe", "CARL", 0},
                     {"Bob Brown", "BOB", 0},
                     {"Ann Adams", "ANN", 0},
                     {"Sue Smith", "SUE", 1}},
                    true, out);
  EXPECT_EQ(out.Lines, (std::vector<std::string>{
                           "QUILLMOR COURSE HANDICAPS AS OF:  06/15/2024",
                           "",
                           "Course: Pine Ridge",
                           "Rating: 71.4  Slope: 130  Par: 72",
                           "",
                           "                                 Course   Predicted",
                           "Golfer                 Index   Handicap       Score",
                           "",
                           // 12.3 x 130 / 113 = 14.15; 9.4 -> 10.81; 36.4 -> 41.88; 40.4 -> 46.48
                           "Carl Cole-Montgomery    12.3         14          86",
                           "Bob Brown               36.4         42         114",
                           "Ann Adams                9.4         11          83",
                           "Sue Smith               40.4         46         118",
                       }));
  // A number too long for its column keeps its first 3 characters.
  EXPECT_EQ(HandicapListRow("Al", 36.4L, 1234, -5),
            "Al                      36.4        123          -5");
}

TEST(HandicapList, AGolferWhoseFileCannotBeReadEndsTheList) {
  test::WorkDir dir;
  WriteScores("ANN", {});
  Collected out;
  EXPECT_THROW(HandicapListLines("06/15/2024", kPine,
                                 {{"Ann Adams", "ANN", 0}, {"Gone Golfer", "GONE", 0}}, true, out),
               QmError);
  EXPECT_EQ(out.Lines.size(), 9u);  // the heading and Ann's row
}

}  // namespace
}  // namespace qm
