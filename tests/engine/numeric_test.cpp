#include "engine/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "store/errors.h"
#include "store/text.h"

namespace qm {
namespace {

// In [1, 2) a 40-bit significand steps by 2^-39.
const long double kStep = std::ldexp(1.0L, -39);

TEST(RoundTo40Bits, HalvesGoAwayFromZero) {
  // 1 + 2^-40 lies exactly between 1 (even) and 1 + 2^-39: away, not even.
  EXPECT_EQ(RoundTo40Bits(1 + kStep / 2), 1 + kStep);
  EXPECT_EQ(RoundTo40Bits(-(1 + kStep / 2)), -(1 + kStep));
  EXPECT_EQ(RoundTo40Bits(1 + 3 * kStep / 2), 1 + 2 * kStep);
  // Just below a half goes down; just above goes up.
  long double below = 1 + kStep / 2 - std::ldexp(1.0L, -63);
  EXPECT_EQ(RoundTo40Bits(below), 1.0L);
  EXPECT_EQ(RoundTo40Bits(1 + kStep / 2 + std::ldexp(1.0L, -63)), 1 + kStep);
  // A carry out of the significand moves to the next power of two.
  EXPECT_EQ(RoundTo40Bits(2 - kStep / 4), 2.0L);
  EXPECT_EQ(RoundTo40Bits(-(2 - kStep / 4)), -2.0L);
  EXPECT_TRUE(std::isinf(RoundTo40Bits(std::numeric_limits<long double>::max())));
  // The same holds at any scale.
  EXPECT_EQ(RoundTo40Bits(std::ldexp(1 + kStep / 2, 20)), std::ldexp(1 + kStep, 20));
  EXPECT_EQ(RoundTo40Bits(std::ldexp(1 + kStep / 2, -30)), std::ldexp(1 + kStep, -30));
}

TEST(RoundTo40Bits, RepresentableValuesStay) {
  for (long double v : {0.0L, 1.0L, 2.0L, 0.5L, 1024.0L, -8.0L, 1 + kStep, 56.5L, -2.0L, 113.0L}) {
    EXPECT_EQ(RoundTo40Bits(v), v) << static_cast<double>(v);
  }
  EXPECT_TRUE(std::signbit(RoundTo40Bits(-0.0L)));
  EXPECT_TRUE(std::isinf(RoundTo40Bits(HUGE_VALL)));
  // A value that needs all 64 bits moves by at most half a 40-bit step.
  long double tenth = 0.1L;
  long double held = RoundTo40Bits(tenth);
  EXPECT_NE(held, tenth);
  EXPECT_LE(std::fabs(held - tenth), std::ldexp(1.0L, -44));
}

TEST(RoundHalfEven, OnlyExactHalvesGoToEven) {
  struct Case {
    long double in, out;
  } cases[] = {{2.5L, 2},       {3.5L, 4},   {-2.5L, -2},   {-1.5L, -2},
               {0.5L, 0},       {11.5L, 12}, {12.5L, 12},   {2.4999999L, 2},
               {2.5000001L, 3}, {-0.4L, 0},  {1e20L, 1e20L}};
  for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << static_cast<double>(c.in);
  EXPECT_FALSE(std::signbit(RoundToTenths40(-0.04L)));
}

TEST(ParseDecimal, SameValuesAndErrorsAsTheFullParser) {
  for (const char* text : {"0",
                           "-0",
                           "72.3",
                           "70.5",
                           "113",
                           "-1.5",
                           "0.1",
                           "11.3",
                           "33.9",
                           "0072.30",
                           "9999999999999999999",
                           "1234567890.123456789",
                           "0.000000000000000001",
                           "12345678901234567890",
                           "+5",
                           " 72.3",
                           "1e2",
                           ".5",
                           "12.",
                           "-",
                           "",
                           "7O.5",
                           "XXXX",
                           "1.2.3",
                           "--1"}) {
    long double full = 0;
    bool accepted = TryStrToFloat(text, full);
    try {
      long double quick = ParseDecimal(text);
      EXPECT_TRUE(accepted) << "accepted '" << text << "'";
      EXPECT_EQ(quick, full) << text;
      EXPECT_EQ(std::signbit(quick), std::signbit(full)) << text;
    } catch (const QmError& e) {
      EXPECT_FALSE(accepted) << "refused '" << text << "'";
      EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
}

TEST(ParseDecimal, AgreesOnEveryOneDecimalText) {
  for (int t = -99999; t <= 99999; ++t) {
    std::string text = (t < 0 ? "-" : "") + std::to_string(std::abs(t) / 10) + "." +
                       std::to_string(std::abs(t) % 10);
    ASSERT_EQ(ParseDecimal(text), StrToFloat(text)) << text;
  }
}

TEST(FormatTenths, OneDecimalInAtLeastFourCharacters) {
  EXPECT_EQ(FormatTenths(9.6L), " 9.6");
  EXPECT_EQ(FormatTenths(12.3L), "12.3");
  EXPECT_EQ(FormatTenths(-1.2L), "-1.2");
  EXPECT_EQ(FormatTenths(8), " 8.0");
  EXPECT_EQ(FormatTenths(-12.3L), "-12.3");
  EXPECT_EQ(FormatTenths(123456.7L), "123456.7");
  // Zero never shows a sign, also when it comes from rounding.
  EXPECT_EQ(FormatTenths(-0.0L), " 0.0");
  EXPECT_EQ(FormatTenths(-0.04L), " 0.0");
  // Values held at 40 bits print as the tenth they stand for.
  EXPECT_EQ(FormatTenths(RoundToTenths40(5.7L)), " 5.7");
  EXPECT_EQ(FormatTenths(RoundToTenths40(38.5L)), "38.5");
  // The exact binary value decides, as in printf.
  EXPECT_EQ(FormatTenths(0.25L), " 0.2");
  EXPECT_EQ(FormatTenths(0.35L), " 0.3");
  EXPECT_EQ(FormatTenths(HUGE_VALL), " INF");
  EXPECT_EQ(FormatTenths(std::ldexp(1.0L, 300)).size(), 93u);
}

}  // namespace
}  // namespace qm
