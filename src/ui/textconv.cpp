#include "ui/textconv.h"

#include "store/text.h"

namespace qm {

// One Windows-1252 table for the whole program: store/text.h holds it, so
// the windows and the CSV files convert alike.

QString FromBytes(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (unsigned char b : bytes)
    text.append(QChar(static_cast<char16_t>(Windows1252ToCodePoint(b))));
  return text;
}

bool IsSingleByte(const QString& text) {
  char byte;
  for (QChar c : text)
    if (!CodePointToWindows1252(c.unicode(), byte)) return false;
  return true;
}

std::string ToBytes(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    char byte;
    bytes.push_back(CodePointToWindows1252(c.unicode(), byte) ? byte : '?');
  }
  return bytes;
}

}  // namespace qm
