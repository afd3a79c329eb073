#include "ui/textconv.h"

#include <array>

namespace qm {

namespace {

// Windows-1252 0x80..0x9F; the undefined five keep their C1 code.
// clang-format off
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
// clang-format on

bool ToByte(QChar c, char& byte) {
  char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
    byte = static_cast<char>(u);
    return true;
  }
  for (std::size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == u) {
      byte = static_cast<char>(0x80 + i);
      return true;
    }
  }
  return false;
}

}  // namespace

QString FromBytes(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (unsigned char b : bytes) {
    if (b >= 0x80 && b < 0xA0)
      text.append(QChar(kHigh[b - 0x80]));
    else
      text.append(QChar(static_cast<char16_t>(b)));
  }
  return text;
}

bool IsSingleByte(const QString& text) {
  char byte;
  for (QChar c : text)
    if (!ToByte(c, byte)) return false;
  return true;
}

std::string ToBytes(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    char byte;
    bytes.push_back(ToByte(c, byte) ? byte : '?');
  }
  return bytes;
}

}  // namespace qm
