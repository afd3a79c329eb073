#include "engine/numeric.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "store/text.h"

namespace qm {

namespace {

// The x87 extended format: a 64-bit significand with an explicit leading bit,
// then 15 bits of exponent and the sign, little-endian.
static_assert(sizeof(long double) >= 10 && std::endian::native == std::endian::little,
              "long double is expected in the x87 extended format");

long double RoundTo40BitsSlow(long double value) {
  if (value == 0 || !std::isfinite(value)) return value;
  int exponent = 0;
  long double mantissa = std::frexp(value, &exponent);  // 0.5 <= |mantissa| < 1
  // Scaling by a power of two is exact, so roundl sees the true value and
  // rounds a half away from zero; a carry to 2^40 is fine for ldexp.
  mantissa = std::round(std::ldexp(mantissa, 40));
  return std::ldexp(mantissa, exponent - 40);
}

}  // namespace

long double RoundTo40Bits(long double value) {
  std::uint64_t significand;
  std::uint16_t signAndExponent;
  std::memcpy(&significand, &value, 8);
  std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&value) + 8, 2);
  unsigned exponent = signAndExponent & 0x7fffu;
  // Zero, subnormals, infinities and NaN take the general path.
  if (exponent == 0 || exponent == 0x7fffu || !(significand >> 63)) {
    return RoundTo40BitsSlow(value);
  }
  constexpr std::uint64_t kDropped = (std::uint64_t{1} << 24) - 1;  // the 24 bits below 40
  constexpr std::uint64_t kHalf = std::uint64_t{1} << 23;
  bool up = (significand & kDropped) >= kHalf;  // on the magnitude: halves away from zero
  significand &= ~kDropped;
  if (up) {
    significand += kDropped + 1;
    if (significand == 0) {  // carried out: the next power of two
      significand = std::uint64_t{1} << 63;
      ++signAndExponent;  // an exponent of all ones is then infinity, as it should be
    }
  }
  long double result = 0;
  std::memcpy(&result, &significand, 8);
  std::memcpy(reinterpret_cast<char*>(&result) + 8, &signAndExponent, 2);
  return result;
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

long double ParseDecimal(std::string_view text) {
  // Exact powers of ten: 10^18 < 2^64.
  static constexpr long double kPowers[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                            1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                            1e14L, 1e15L, 1e16L, 1e17L, 1e18L};
  std::size_t i = 0, n = text.size();
  bool negative = n > 0 && text[0] == '-';
  if (negative) ++i;
  std::uint64_t digits = 0;
  int count = 0, fraction = 0;
  bool point = false, digitAfterPoint = false;
  for (; i < n; ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = digits * 10 + static_cast<unsigned>(c - '0');
      ++count;
      if (point) {
        ++fraction;
        digitAfterPoint = true;
      }
    } else if (c == '.' && !point && count > 0) {
      point = true;
    } else {
      return StrToFloat(std::string(text));
    }
  }
  if (count == 0 || count > 19 || (point && !digitAfterPoint) || fraction > 18) {
    return StrToFloat(std::string(text));
  }
  long double value = static_cast<long double>(digits) / kPowers[fraction];
  return negative ? -value : value;
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
