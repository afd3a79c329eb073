// Course handicap and predicted score.
#pragma once

#include <string>

namespace qm {

// round(i * s * (1/113)) with 64-bit-significand arithmetic and the stored
// reciprocal of 113, halves to even. Throws "'%s' is not a valid floating
// point value" for an index or slope text that is not a number.
int ComputeCourseHandicap(const std::string& indexText, const std::string& slopeText);
// From a computed index value (as CalcIndex returns it).
int ComputeCourseHandicap(long double indexValue, const std::string& slopeText);

// courseHandicap + the total par; throws "'%s' is not a valid integer value".
int ComputePredictedScore(int courseHandicap, const std::string& parTotalText);

}  // namespace qm
