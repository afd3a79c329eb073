// The spreadsheet format: what is written reads back as the same rows, what
// spreadsheets write is read, and a file that is no CSV text is refused
// whole with the line it goes wrong on.
#include "store/csv.h"

#include <gtest/gtest.h>

#include <chrono>

#include "store/errors.h"
#include "store/text.h"
#include "support/workdir.h"

namespace qm {
namespace {

using namespace std::string_literals;

std::vector<csv::Row> Fields(const csv::Rows& rows) {
  std::vector<csv::Row> out;
  for (const csv::LineRow& row : rows) out.push_back(row.Fields);
  return out;
}

TEST(Csv, WrittenRowsReadBackTheSame) {
  const std::vector<csv::Row> rows = {
      {"Date", "Comment", "Empty", ""},
      {"2024-05-01", "Wind, \"gusty\"", "", "caf\xC3\xA9 \xE2\x82\xAC"},
      {"a\r\nb", "\"", ",", "line\nbreak"},
      {" spaced ", "x", "", ""},
  };
  const std::string text = csv::WriteRows(rows);
  EXPECT_EQ(csv::WriteRow({"a,b", "say \"hi\"", "plain", ""}),
            "\"a,b\",\"say \"\"hi\"\"\",plain,\r\n");
  EXPECT_EQ(text.substr(0, 22), "Date,Comment,Empty,\r\n2");
  const csv::Rows read = csv::ReadRows(text);
  EXPECT_EQ(Fields(read), rows);
  // Each row knows the line it begins on: the quoted CR LF and LF took two.
  ASSERT_EQ(read.size(), 4u);
  EXPECT_EQ(read[2].Line, 3);
  EXPECT_EQ(read[3].Line, 6);
  // A first field that looks like a byte order mark, a row of one empty
  // field: neither may vanish on the way back.
  const std::vector<csv::Row> edges = {{"\xEF\xBB\xBFx", "y"}, {""}, {"z"}};
  EXPECT_EQ(Fields(csv::ReadRows(csv::WriteRows(edges))), edges);
}

TEST(Csv, SpreadsheetFormsAreRead) {
  const std::string text =
      "\xEF\xBB\xBF"
      "Course,\"Score\"\n"
      "\"Pine, Valley\",85\n"
      "\n"
      "Oak \"Hill\",\"\"\n"
      "Mac,1\rLast,2";  // a lone CR ends a row; the last row has no line end
  const csv::Rows read = csv::ReadRows(text);
  const std::vector<csv::Row> expected = {{"Course", "Score"},
                                          {"Pine, Valley", "85"},
                                          {"Oak \"Hill\"", ""},
                                          {"Mac", "1"},
                                          {"Last", "2"}};
  EXPECT_EQ(Fields(read), expected);
  EXPECT_EQ(read[2].Line, 4);  // the empty line is no row, but a line
  EXPECT_EQ(read[4].Line, 6);
}

TEST(Csv, HostileFilesAreRefusedWithTheirLine) {
  std::string millionRows;
  for (int i = 0; i < 1000000; ++i) millionRows += "a,1\r\n";
  const struct {
    const char* name;
    std::string bytes;
    std::string message;
  } cases[] = {
      {"unclosed quote", "a,b\r\nx,\"never\r\nclosed\r\n",
       "Line 2: a quoted field is never closed."},
      {"text after quote", "a\r\n\"q\"x\r\n", "Line 2: text after the closing quote of a field."},
      {"NUL", "a,b\r\nc,d\r\ne,\0f\r\n"s, "Line 3: a NUL byte: the file is not text."},
      {"Windows-1252 bytes", "a\r\ncaf\xE9\r\n",
       "Line 2: not UTF-8 text (save the file as CSV in UTF-8)."},
      {"overlong UTF-8", "\xC0\xAF", "Line 1: not UTF-8 text (save the file as CSV in UTF-8)."},
      {"surrogate", "a\n\n\xED\xA0\x80", "Line 3: not UTF-8 text (save the file as CSV in UTF-8)."},
      {"huge field", "a\r\n" + std::string(5000, 'x'), "Line 2: a field longer than 4096 bytes."},
      {"huge quoted field", "a\r\n\"" + std::string(5000, 'x') + "\"",
       "Line 2: a field longer than 4096 bytes."},
      {"too many fields", std::string(300, ','), "Line 1: more than 256 fields in one row."},
      {"million rows", millionRows,
       "The file holds more than 10000 rows after its header, more than any file of rounds."},
      {"over 16 MiB", std::string(csv::MaxFileBytes + 1, 'a'),
       "The file is larger than 16 MiB, more than any file of rounds."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto start = std::chrono::steady_clock::now();
    int handed = 0;
    try {
      csv::ReadRows(c.bytes, [&](csv::LineRow&) { ++handed; });
      ADD_FAILURE() << "read";
    } catch (const QmError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    // Refused at once, not after reading on.
    EXPECT_LE(handed, static_cast<int>(csv::MaxDataRows) + 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  }
}

TEST(Csv, ReadFileRefusesAnOversizedFileAndWritesThroughATemporary) {
  test::WriteFile("big.csv", std::string(csv::MaxFileBytes + 10, 'x'));
  EXPECT_THROW(csv::ReadFileBytes("big.csv"), QmError);
  csv::WriteFileBytes("out.csv", "a,b\r\n");
  EXPECT_EQ(csv::ReadFileBytes("out.csv"), "a,b\r\n");
  EXPECT_THROW(csv::ReadFileBytes("missing.csv"), QmError);
}

TEST(Windows1252, EveryByteSurvivesUtf8AndForeignCharactersAreRefused) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  std::string back;
  char32_t bad = 0;
  ASSERT_TRUE(Utf8ToWindows1252(Windows1252ToUtf8(all), back, bad));
  EXPECT_EQ(back, all);
  EXPECT_EQ(Windows1252ToUtf8("\x80\xE9\x81\x9F"), "\xE2\x82\xAC\xC3\xA9\xC2\x81\xC5\xB8");
  const struct {
    std::string utf8;
    char32_t bad;
  } refused[] = {{"ok \xE4\xB8\xAD", 0x4E2D},
                 {"\xC2\x80", 0x80},  // C1 control with a Windows-1252 character in its place
                 {"\xF0\x9F\x8F\x8C", 0x1F3CC},
                 {"\xE0\x80\x80", 0xFFFFFFFF},
                 {"\xF4\x90\x80\x80", 0xFFFFFFFF},
                 {"\xE2\x82", 0xFFFFFFFF}};
  for (const auto& r : refused) {
    EXPECT_FALSE(Utf8ToWindows1252(r.utf8, back, bad)) << r.utf8;
    EXPECT_EQ(bad, r.bad) << r.utf8;
  }
  EXPECT_EQ(CodePointName(0x4E2D), "U+4E2D");
}

}  // namespace
}  // namespace qm
