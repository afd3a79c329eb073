#include "store/text.h"

#include <array>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>

#include "store/errors.h"

namespace qm {

std::string_view CutAtNulView(const std::string& text) {
  return std::string_view(text).substr(0, text.find('\0'));
}

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

bool EqualCaseBlind(const std::string& a, const std::string& b) {
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
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

namespace {

// Windows-1252 0x80..0x9F; the undefined five keep their C1 code.
// clang-format off
constexpr std::array<char16_t, 32> HighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
// clang-format on

constexpr char32_t NotUtf8 = 0xFFFFFFFF;

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    // Every Windows-1252 character lies below U+10000.
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

char32_t Windows1252ToCodePoint(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? HighTable[byte - 0x80] : byte;
}

bool CodePointToWindows1252(char32_t codePoint, char& byte) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    byte = static_cast<char>(codePoint);
    return true;
  }
  for (std::size_t i = 0; i < HighTable.size(); ++i) {
    if (HighTable[i] == codePoint) {
      byte = static_cast<char>(0x80 + i);
      return true;
    }
  }
  return false;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char b : bytes) AppendUtf8(out, Windows1252ToCodePoint(static_cast<unsigned char>(b)));
  return out;
}

std::size_t Utf8SequenceLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return 1;
  std::size_t length;
  // The least second byte that is no overlong form or surrogate, and the
  // greatest, per lead byte.
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || at(1) < low || at(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((at(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

bool Utf8ToWindows1252(std::string_view text, std::string& out, char32_t& bad) {
  out.clear();
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceLength(text.substr(i));
    if (length == 0) {
      bad = NotUtf8;
      return false;
    }
    const auto at = [&](std::size_t k) {
      return static_cast<char32_t>(static_cast<unsigned char>(text[i + k]));
    };
    char32_t c;
    switch (length) {
      case 1: c = at(0); break;
      case 2: c = ((at(0) & 0x1F) << 6) | (at(1) & 0x3F); break;
      case 3: c = ((at(0) & 0x0F) << 12) | ((at(1) & 0x3F) << 6) | (at(2) & 0x3F); break;
      default:
        c = ((at(0) & 0x07) << 18) | ((at(1) & 0x3F) << 12) | ((at(2) & 0x3F) << 6) |
            (at(3) & 0x3F);
    }
    char byte;
    if (!CodePointToWindows1252(c, byte)) {
      bad = c;
      return false;
    }
    out.push_back(byte);
    i += length;
  }
  return true;
}

std::string CodePointName(char32_t codePoint) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
  return name;
}

}  // namespace qm
