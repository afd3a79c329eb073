// Text, date and number helpers shared by the files, the engine, the windows
// and the reports. All work on single-byte text and return a new text; only
// the number parsers fail, and they throw QmError with the program's
// conversion message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "store/calendar.h"  // the date key texts, used with these everywhere

namespace qm {

// The text up to, not including, its first NUL; the whole text if none.
std::string CutAtNul(const std::string& text);
// The same without a copy, for checks that run over every round often; the
// view lives as long as text is unchanged.
std::string_view CutAtNulView(const std::string& text);

// The one rule for bytes that a data file cannot hold in a field, applied
// wherever a value enters a table (the readers, and the windows when they
// take a value over) and again by the writers: the text is cut at its first
// NUL, a "~" becomes "-", a CR or an LF a space; then it is cut to width
// characters (no cut for npos). A value passed through it is written and
// read back as it stands.
std::string StorableText(std::string_view text, std::size_t width = std::string_view::npos);

// Removes leading and trailing spaces (spaces only, not tabs).
std::string TrimSpaces(const std::string& text);

// Exactly size - 1 characters: the text (cut at NUL) padded with spaces on the
// right (PadRight) or the left (PadLeft), or its first size - 1 characters
// when longer. A size of 1 or less gives an empty text; size is at most 82.
std::string PadRight(const std::string& text, int size);
std::string PadLeft(const std::string& text, int size);

// True when a and b are equal with the letters a to z compared without
// regard to case (other bytes must match exactly).
bool EqualCaseBlind(const std::string& a, const std::string& b);

// Strict whole-number parsing: optional leading spaces, an optional sign and
// decimal digits, nothing else; or "$" / "0x" / "0X" followed by hex digits.
// Throws "'%s' is not a valid integer value" on anything else, including an
// empty text and a value outside the 32-bit range.
int StrToInt(const std::string& text);

// Strict decimal parsing into long double (correctly rounded, locale-free):
// optional surrounding spaces, optional sign, digits with an optional "."
// and fraction, optional exponent. Throws "'%s' is not a valid floating point
// value" on anything else, including an empty text.
long double StrToFloat(const std::string& text);

// Non-throwing forms; return false and leave value untouched on failure.
bool TryStrToInt(const std::string& text, int& value);
bool TryStrToFloat(const std::string& text, long double& value);

// Windows-1252, the data files' single-byte text, and Unicode. Bytes
// 0x80..0x9F follow the Windows-1252 table; the five it leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same code,
// so that every byte survives a round trip through Unicode and back.
char32_t Windows1252ToCodePoint(unsigned char byte);
// False when Windows-1252 has no byte for the character.
bool CodePointToWindows1252(char32_t codePoint, char& byte);

// Single-byte text to UTF-8; never fails.
std::string Windows1252ToUtf8(std::string_view bytes);

// UTF-8 to single-byte text. False when text is not valid UTF-8 (overlong
// forms, surrogates and code points past U+10FFFF included) or holds a
// character Windows-1252 cannot hold: bad is then the first such character's
// code point (0xFFFFFFFF for invalid UTF-8) and out holds the text before it.
bool Utf8ToWindows1252(std::string_view text, std::string& out, char32_t& bad);

// The length of the valid UTF-8 sequence at the start of text (1..4), or 0
// when text does not start with one.
std::size_t Utf8SequenceLength(std::string_view text);

// "U+00E9": how a message names a character.
std::string CodePointName(char32_t codePoint);

}  // namespace qm
