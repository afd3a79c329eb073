// Comma-separated values as RFC 4180 has them, for spreadsheets.
//
// Writing: fields joined by ",", a field that holds a comma, a quote, a CR or
// an LF put in quotes with each quote doubled, every row ended by CR LF. The
// fields are written as they are given: the callers hand UTF-8 text.
//
// Reading takes what spreadsheets write: CR LF, LF or a lone CR between
// rows, quoted fields holding commas, doubled quotes and line breaks, a
// UTF-8 byte order mark at the start, rows with fewer fields than others.
// Empty lines between rows are no rows. A file that is not such text is
// refused whole, with the line it goes wrong on: a quote never closed, text
// after a closing quote, bytes that are not UTF-8, a NUL byte, or more than
// the limits below.
//
// Limits, from the program's own files: a golfer's score file holds at most
// 200 rounds (a full export of the rounds writes 47 fields a row, the widest
// of them a 100-character comment, at most 300 bytes as UTF-8); a club has at
// most 300 golfers. A file to read is at most 16 MiB, a field at most 4 KiB,
// a row at most 256 fields and a file at most 10,000 rows after the header
// (fifty times the rounds a golfer's file holds). Past a limit the reader
// stops at once, so a million-row file costs no more than its first 10,000
// rows.
//
//   csv::Rows rows = csv::ReadRows(bytes);   // throws QmError
//   std::string out = csv::WriteRows(rows);
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::csv {

inline constexpr std::size_t MaxFileBytes = 16u << 20;
inline constexpr std::size_t MaxFieldBytes = 4096;
inline constexpr std::size_t MaxFields = 256;
inline constexpr std::size_t MaxDataRows = 10000;  // rows after the header

using Row = std::vector<std::string>;

// One row as read, with the line of the file it begins on (1-based; a row
// whose quoted fields hold line breaks spans several lines).
struct LineRow {
  int Line = 0;
  Row Fields;
};

using Rows = std::vector<LineRow>;

// A field as it is written: quoted when it holds a comma, a quote, a CR or
// an LF.
std::string QuoteField(std::string_view field);
// One row with its CR LF.
std::string WriteRow(const Row& fields);
std::string WriteRows(const std::vector<Row>& rows);

// Reads every row of bytes, calling onRow with each in order (the header
// too: it is the first row). Throws QmError naming the line for a file that
// breaks the rules above; rows handed on before that stay handed on, so a
// caller that must not act on a refused file collects first (ReadRows).
void ReadRows(std::string_view bytes, const std::function<void(LineRow&)>& onRow);
Rows ReadRows(std::string_view bytes);

// The bytes of the file at path for ReadRows: refuses (QmError) a file over
// MaxFileBytes before reading it. Other failures throw the general error
// report's texts.
std::string ReadFileBytes(const std::string& path);

// Writes bytes to path through a temporary file and a rename (see
// fileio::ReplaceFile).
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace qm::csv
