// Text, date and number helpers shared by the files, the engine, the windows
// and the reports. All work on single-byte text and return a new text; only
// the number parsers fail, and they throw QmError with the program's
// conversion message.
#pragma once

#include <string>
#include <string_view>

namespace qm {

// The text up to, not including, its first NUL; the whole text if none.
std::string CutAtNul(const std::string& text);

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

// yyyymmdd -> mm/dd/yyyy; yymmdd -> mm/dd/19yy (yy from 70) or mm/dd/20yy;
// any other length -> "99/99/9999". Digits are not checked.
std::string DateKeyToDisplay(const std::string& key);

// mm/dd/yyyy -> yyyymmdd. Expects exactly that form and checks nothing; a
// text shorter than 10 characters gives the characters that exist.
std::string DisplayDateToKey(const std::string& display);

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

}  // namespace qm
