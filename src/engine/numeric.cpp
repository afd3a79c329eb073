#include "engine/numeric.h"

#include <cmath>
#include <cstdio>

namespace qm {

long double RoundTo40Bits(long double value) {
  if (value == 0 || !std::isfinite(value)) return value;
  int exponent = 0;
  long double mantissa = std::frexp(value, &exponent);  // 0.5 <= |mantissa| < 1
  // Scaling by a power of two is exact, so roundl sees the true value and
  // rounds a half away from zero; a carry to 2^40 is fine for ldexp.
  mantissa = std::round(std::ldexp(mantissa, 40));
  return std::ldexp(mantissa, exponent - 40);
}

long double RoundHalfEven(long double value) {
  if (!std::isfinite(value)) return value;
  long double fraction = value - std::trunc(value);  // exact
  if (std::fabs(fraction) != 0.5L) return std::round(value);
  // value / 2 is exact, and its nearest whole number times two is the even
  // neighbour.
  return 2 * std::round(value / 2);
}

long double RoundToTenths40(long double value) {
  long double tenths = RoundTo40Bits(RoundHalfEven(value * 10) / 10);
  return tenths + 0.0L;  // -0 + 0 is +0
}

std::string FormatTenths(long double value) {
  if (std::isnan(value)) return " NAN";
  if (std::isinf(value)) return value > 0 ? " INF" : "-INF";

  // printf rounds the exact binary value correctly; only its decimal point
  // depends on the locale, so the text is rebuilt around a fixed ".".
  char small[64];
  std::string large;
  const char* text = small;
  int length = std::snprintf(small, sizeof small, "%.1Lf", value);
  if (length < 0) return " NAN";
  if (static_cast<std::size_t>(length) >= sizeof small) {
    large.resize(static_cast<std::size_t>(length) + 1);
    std::snprintf(large.data(), large.size(), "%.1Lf", value);
    text = large.c_str();
  }

  std::string digits;  // integer part
  std::size_t i = 0;
  bool negative = text[0] == '-';
  if (negative) ++i;
  for (; i < static_cast<std::size_t>(length) && text[i] >= '0' && text[i] <= '9'; ++i) {
    digits += text[i];
  }
  char fraction = text[length - 1];
  if (negative && fraction == '0' && digits.find_first_not_of('0') == std::string::npos) {
    negative = false;
  }

  std::string result = (negative ? "-" : "") + digits + "." + fraction;
  if (result.size() < 4) result.insert(0, 4 - result.size(), ' ');
  return result;
}

}  // namespace qm
