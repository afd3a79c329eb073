#include "engine/coursehcp.h"

#include <gtest/gtest.h>

#include "engine/numeric.h"
#include "store/errors.h"

namespace qm {
namespace {

TEST(CourseHandicap, FromIndexText) {
  struct Case {
    const char *index, *slope;
    int handicap;
  } cases[] = {
      {"12.0", "113", 12}, {"15.2", "130", 17}, {"36.4", "155", 50}, {"8.7", "125", 10},
      {"20.0", "140", 25}, {"10.5", "113", 10}, {"11.5", "113", 12}, {"12.5", "113", 12},
      {"11.3", "65", 6},   {"11.3", "85", 8},   {"33.9", "55", 17},  {"0.0", "155", 0},
      {"-1.5", "113", -2}, {" 9.6", "113", 10},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComputeCourseHandicap(c.index, c.slope), c.handicap) << c.index << " @ " << c.slope;
  }
}

TEST(CourseHandicap, FromComputedIndexValue) {
  // The index as the calculation returns it lies just above 11.3.
  long double index = RoundToTenths40(11.3L);
  EXPECT_EQ(ComputeCourseHandicap(index, "65"), 7);
  EXPECT_EQ(ComputeCourseHandicap(index, "85"), 9);
  EXPECT_EQ(ComputeCourseHandicap(RoundToTenths40(12.0L), "113"), 12);
}

TEST(CourseHandicap, PredictedScoreAndFailures) {
  EXPECT_EQ(ComputePredictedScore(17, "72"), 89);
  EXPECT_EQ(ComputePredictedScore(-2, "70"), 68);
  auto message = [](auto compute) -> std::string {
    try {
      compute();
    } catch (const QmError& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(message([] { ComputeCourseHandicap("", "113"); }),
            "'' is not a valid floating point value");
  EXPECT_EQ(message([] { ComputeCourseHandicap("12.0", "1x3"); }),
            "'1x3' is not a valid floating point value");
  EXPECT_EQ(message([] { ComputePredictedScore(17, ""); }), "'' is not a valid integer value");
  EXPECT_EQ(message([] { ComputeCourseHandicap("40.0", "9e99"); }),
            "'9e99' is not a valid floating point value");
}

}  // namespace
}  // namespace qm
