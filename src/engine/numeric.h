// The number representation shared by differentials, indexes and course
// handicaps.
//
// Stored and printed values must come out exactly as the program has always
// produced them, including the cases where a decimal half is decided by the
// last bits of a binary value. So all such arithmetic is done in long double
// with a 64-bit significand (the x87 extended format), and intermediate
// values that the program has always kept in a shorter form are squeezed to a
// 40-bit significand with RoundTo40Bits.
#pragma once

#include <limits>
#include <string>
#include <string_view>

static_assert(std::numeric_limits<long double>::digits == 64,
              "Quillmor's handicap arithmetic needs long double with a 64-bit significand "
              "(the 80-bit extended format of x86)");

namespace qm {

// The value with its significand rounded to 40 bits (39 stored bits and the
// leading one), to nearest, an exact half away from zero. Zero, infinities
// and NaN come back unchanged.
long double RoundTo40Bits(long double value);

// The nearest whole number, an exact half to the even neighbour. Independent
// of the floating-point rounding mode.
long double RoundHalfEven(long double value);

// value rounded to tenths (halves to even) and held at 40 bits, never -0.
long double RoundToTenths40(long double value);

// StrToFloat (store/text.h), same value and same errors, with a shortcut for
// the plain decimals that fill score and course files ("72.3", "-1.5",
// "113"): with at most 19 digits, digits / 10^fraction digits is one
// correctly rounded division of two exact values, just like the full parser.
long double ParseDecimal(std::string_view text);

// One decimal, right-aligned in at least 4 characters: " 9.6", "12.3",
// "-1.2". The exact binary value is rounded as printf's "%.1Lf" does, but the
// point is always "." whatever the C locale says, and a value that rounds to
// zero never shows a minus sign. Infinities and NaN give "INF", "-INF", "NAN".
std::string FormatTenths(long double value);

}  // namespace qm
