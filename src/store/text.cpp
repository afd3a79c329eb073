#include "store/text.h"

#include <charconv>
#include <climits>
#include <cstdint>

#include "store/errors.h"

namespace qm {

std::string CutAtNul(const std::string& text) {
  auto nul = text.find('\0');
  return nul == std::string::npos ? text : text.substr(0, nul);
}

std::string StorableText(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, text.find('\0')).substr(0, width));
  for (char& c : out) {
    if (c == '~')
      c = '-';
    else if (c == '\r' || c == '\n')
      c = ' ';
  }
  return out;
}

std::string TrimSpaces(const std::string& text) {
  auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

namespace {

std::size_t ColumnWidth(int size) {
  if (size <= 1) return 0;
  if (size > 82) size = 82;
  return static_cast<std::size_t>(size - 1);
}

}  // namespace

std::string PadRight(const std::string& text, int size) {
  std::size_t n = ColumnWidth(size);
  std::string cut = CutAtNul(text);
  if (cut.size() >= n) return cut.substr(0, n);
  return cut + std::string(n - cut.size(), ' ');
}

std::string PadLeft(const std::string& text, int size) {
  std::size_t n = ColumnWidth(size);
  std::string cut = CutAtNul(text);
  if (cut.size() >= n) return cut.substr(0, n);
  return std::string(n - cut.size(), ' ') + cut;
}

std::string DateKeyToDisplay(const std::string& key) {
  if (key.size() == 8) return key.substr(4, 2) + "/" + key.substr(6, 2) + "/" + key.substr(0, 4);
  if (key.size() == 6) {
    // Character codes, as bytes: a byte above 127 is "7 or higher" too.
    std::string century = static_cast<unsigned char>(key[0]) >= '7' ? "/19" : "/20";
    return key.substr(2, 2) + "/" + key.substr(4, 2) + century + key.substr(0, 2);
  }
  return "99/99/9999";
}

bool EqualCaseBlind(const std::string& a, const std::string& b) {
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

std::string DisplayDateToKey(const std::string& display) {
  auto part = [&](std::size_t from, std::size_t count) {
    return from < display.size() ? display.substr(from, count) : std::string();
  };
  return part(6, 4) + part(0, 2) + part(3, 2);
}

namespace {

bool ParseInt(const std::string& text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return false;
    magnitude = magnitude * base + digit;
    if (magnitude > static_cast<std::int64_t>(INT_MAX) + 1) return false;
  }
  std::int64_t result = negative ? -magnitude : magnitude;
  if (result > INT_MAX || result < INT_MIN) return false;
  value = static_cast<int>(result);
  return true;
}

bool ParseFloat(const std::string& text, long double& value) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  std::size_t last = text.find_last_not_of(' ');
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  bool plus = *begin == '+';
  if (plus) ++begin;  // from_chars takes no "+"
  if (begin == end || (plus && *begin == '-')) return false;
  // from_chars would accept "inf" and "nan"; a number here has a digit or a
  // point right after its sign.
  const char* p = (*begin == '-') ? begin + 1 : begin;
  if (p == end || !((*p >= '0' && *p <= '9') || *p == '.')) return false;
  long double result = 0;
  auto [ptr, ec] = std::from_chars(begin, end, result, std::chars_format::general);
  if (ec != std::errc() || ptr != end) return false;
  value = result;
  return true;
}

}  // namespace

bool TryStrToInt(const std::string& text, int& value) { return ParseInt(text, value); }

bool TryStrToFloat(const std::string& text, long double& value) { return ParseFloat(text, value); }

int StrToInt(const std::string& text) {
  int value = 0;
  if (!ParseInt(text, value)) ThrowNotInteger(text);
  return value;
}

long double StrToFloat(const std::string& text) {
  long double value = 0;
  if (!ParseFloat(text, value)) ThrowNotFloat(text);
  return value;
}

}  // namespace qm
