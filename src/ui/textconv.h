// Single-byte text at the windows' edge. The data files hold Windows-1252
// bytes; the windows hold QStrings. Every conversion between the two goes
// through these functions.
#pragma once

#include <QString>
#include <string>

namespace qm {

// Windows-1252 bytes to a Qt string. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
// same code, so every byte survives a round trip.
QString FromBytes(const std::string& bytes);

// True when every character of text has a Windows-1252 byte.
bool IsSingleByte(const QString& text);

// A Qt string to Windows-1252 bytes. A character without a byte becomes "?";
// windows refuse such text at entry (IsSingleByte) before it gets here.
std::string ToBytes(const QString& text);

}  // namespace qm
