#include "engine/tenths.h"

#include <algorithm>
#include <string_view>

#include "store/text.h"

namespace qm {

namespace {

constexpr int kTenthsLimit = 100'000'000;

// Compares the digits of a dropped fraction with one half: -1, 0 or 1.
int CompareWithHalf(std::string_view fraction) {
  if (fraction.empty()) return -1;
  if (fraction[0] != '5') return fraction[0] < '5' ? -1 : 1;
  return fraction.find_first_not_of('0', 1) == std::string_view::npos ? 0 : 1;
}

// The exact value of text (already taken by StrToFloat, so of the form
// [sign] digits [. digits] [e [sign] digits], spaces trimmed) in tenths,
// rounded half upward; false beyond kTenthsLimit.
bool ExactTenths(std::string_view text, int& tenths) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string digits;
  std::int64_t exponent = 1;  // tenths: the value times 10
  auto isDigit = [&text](std::size_t at) {
    return at < text.size() && text[at] >= '0' && text[at] <= '9';
  };
  for (; isDigit(i); ++i) digits.push_back(text[i]);
  if (i < text.size() && text[i] == '.') {
    for (++i; isDigit(i); ++i) {
      digits.push_back(text[i]);
      --exponent;
    }
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool down = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) down = text[i++] == '-';
    std::int64_t e = 0;
    for (; isDigit(i); ++i) e = std::min<std::int64_t>(e * 10 + (text[i] - '0'), 1'000'000'000);
    exponent += down ? -e : e;
  }
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) {
    tenths = 0;
    return true;
  }
  std::string_view significant = std::string_view(digits).substr(first);
  std::string_view whole = significant;
  int halfComparison = -1;
  if (exponent < 0) {
    const auto drop = static_cast<std::uint64_t>(-exponent);
    if (drop > significant.size()) {
      whole = {};  // what is dropped is below a tenth of a half
    } else {
      whole = significant.substr(0, significant.size() - drop);
      halfComparison = CompareWithHalf(significant.substr(significant.size() - drop));
    }
    exponent = 0;
  }
  if (whole.size() + static_cast<std::uint64_t>(exponent) > 9) return false;
  std::int64_t magnitude = 0;
  for (char c : whole) magnitude = magnitude * 10 + (c - '0');
  for (std::int64_t e = 0; e < exponent; ++e) magnitude *= 10;
  // Half upward: an exact half raises a positive value and leaves a
  // negative one nearer zero.
  if (halfComparison > 0 || (halfComparison == 0 && !negative)) ++magnitude;
  if (magnitude > kTenthsLimit) return false;
  tenths = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}

}  // namespace

std::string TenthsText(int tenths) {
  const std::int64_t magnitude = tenths < 0 ? -std::int64_t{tenths} : tenths;
  return (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." +
         std::to_string(magnitude % 10);
}

std::int64_t RoundHalfUp(std::int64_t num, std::int64_t den) {
  // floor((2 num + den) / (2 den)), the floor taken for negative values too.
  const std::int64_t a = 2 * num + den;
  const std::int64_t b = 2 * den;
  std::int64_t q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

bool TryTenths(const std::string& text, int& tenths) {
  // The plain decimals that fill the files ("72.1", "113") need no check of
  // their form; anything else is taken only when StrToFloat takes it.
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const std::size_t point = text.find('.');
  const bool plain =
      !text.empty() && text != "." &&
      std::all_of(text.begin(), text.end(), [&](char c) { return digit(c) || c == '.'; }) &&
      (point == std::string::npos || text.find('.', point + 1) == std::string::npos);
  if (plain) return ExactTenths(text, tenths);
  long double ignored = 0;
  return TryStrToFloat(text, ignored) && ExactTenths(TrimSpaces(text), tenths);
}

}  // namespace qm
