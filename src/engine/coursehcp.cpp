#include "engine/coursehcp.h"

#include <climits>
#include <cstdint>

#include "engine/numeric.h"
#include "store/errors.h"
#include "store/text.h"

namespace qm {

namespace {

// The reciprocal is stored, not divided by: 1/113 rounded to 64 bits makes
// some exact decimal halves land just above the half (33.9 at 55 gives 17).
const long double kReciprocal113 = 1.0L / 113;

int CourseHandicapOf(long double index, long double slope, const std::string& slopeText) {
  long double product = index * slope;
  long double handicap = RoundHalfEven(product * kReciprocal113);
  // Only a nonsensical slope can push the result out of range.
  if (!(handicap >= INT_MIN && handicap <= INT_MAX)) ThrowNotFloat(slopeText);
  return static_cast<int>(handicap);
}

}  // namespace

int ComputeCourseHandicap(const std::string& indexText, const std::string& slopeText) {
  long double index = ParseDecimal(indexText);
  return CourseHandicapOf(index, ParseDecimal(slopeText), slopeText);
}

int ComputeCourseHandicap(long double indexValue, const std::string& slopeText) {
  return CourseHandicapOf(indexValue, ParseDecimal(slopeText), slopeText);
}

int ComputePredictedScore(int courseHandicap, const std::string& parTotalText) {
  std::int64_t predicted = std::int64_t{courseHandicap} + StrToInt(parTotalText);
  if (predicted < INT_MIN || predicted > INT_MAX) ThrowNotInteger(parTotalText);
  return static_cast<int>(predicted);
}

}  // namespace qm
