// Exact tenths: the arithmetic under every figure that must come out the
// same on every machine (the World Handicap System estimate, a
// competition's playing handicaps). A value in tenths is an int (132 is
// 13.2); products and quotients stay exact 64-bit fractions until they are
// rounded, and "half upward" means to the nearest, an exact half toward
// plus infinity (8.45 -> 8.5, -1.55 -> -1.5, -2.5 -> -2). No binary floating
// point decides a result.
#pragma once

#include <cstdint>
#include <string>

namespace qm {

// num / den (den > 0) rounded to a whole number, half upward: the floor of
// (2 num + den) / (2 den), floored for negative values too.
std::int64_t RoundHalfUp(std::int64_t num, std::int64_t den);

// One decimal: 132 -> "13.2", -5 -> "-0.5", 0 -> "0.0".
std::string TenthsText(int tenths);

// The exact value of a decimal text in tenths, half upward. False when the
// text is not a number to StrToFloat ("72.1", " 72", "7.21e1") or its value
// is beyond +-10^8 tenths.
bool TryTenths(const std::string& text, int& tenths);

}  // namespace qm
