// Course handicap and predicted score.
#pragma once

#include <string>

namespace qm {

// round(i * s * (1/113)) with 64-bit-significand arithmetic and the stored
// reciprocal of 113, halves to even. Throws "'%s' is not a valid floating
// point value" for an index or slope text that is not a number, and with the
// slope text for a slope so absurd that the handicap leaves the int range.
// The score entry window's guard (empty index or slope text gives 0) is the
// window's own.
int ComputeCourseHandicap(const std::string& indexText, const std::string& slopeText);
// From a computed index value (as CalcIndex returns it, held at 40 bits).
int ComputeCourseHandicap(long double indexValue, const std::string& slopeText);

// courseHandicap + the total par; throws "'%s' is not a valid integer value"
// for a total par that is not a whole number (or whose sum leaves the int
// range).
int ComputePredictedScore(int courseHandicap, const std::string& parTotalText);

}  // namespace qm
