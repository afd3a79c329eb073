#include "store/roster.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "store/errors.h"
#include "support/workdir.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

TRosterTable Loaded() {
  TRosterTable table;
  LoadRoster(table);
  return table;
}

std::string Names(const TRosterTable& table) {
  std::string out;
  for (const auto& e : table.Entries)
    out += e.LongName + "|" + e.ShortName + "|" + std::to_string(e.Sex) + ";";
  return out;
}

TEST(Roster, SortedFileRoundTripsByteForByte) {
  // 0xE9 is "é" in the files' single-byte text.
  const std::string file = "ANN LEE~LEE~1~\r\nJOS\xE9 DIAZ~DIAZ~0~\r\nMARY JONES~JONES~1~\r\n";
  WriteFile("golfers.qmd", file);
  TRosterTable table = Loaded();
  SortRoster(table);
  EXPECT_EQ(Names(table), "ANN LEE|LEE|1;JOS\xE9 DIAZ|DIAZ|0;MARY JONES|JONES|1;");
  SaveRoster(table);
  EXPECT_EQ(ReadFile("golfers.qmd"), file);
  // The score files of all three now exist, empty.
  for (const char* f : {"LEE.qmg", "DIAZ.qmg", "JONES.qmg"}) EXPECT_EQ(ReadFile(f), "") << f;
  EXPECT_FALSE(fs::exists("golfers.qmd.tmp~"));
}

TEST(Roster, OddLinesKeepPlaceholders) {
  WriteFile("golfers.qmd",
            "ANN LEE~LEE~\n"   // no third "~": Sex stays 0
            "\r\n"             // empty line: all placeholders
            "BOB~BOB~12~\n"    // last digit counts
            "CAL~CAL~~tail\n"  // empty sex field: carried from the line before
            "DEE~DEE~x~\n"     // a non-digit is 0
                + std::string(58, 'L') +
                "~SHORT~1~\n"  // cut at 60: ShortName not ended
                "LAST~L~1~");  // last line without a line end
  EXPECT_EQ(Names(Loaded()), "ANN LEE|LEE|0;" + std::string(40, 'X') + "|XXXXXXXX|0;BOB|BOB|2;" +
                                 "CAL|CAL|2;DEE|DEE|0;" + std::string(41, 'L') +
                                 "|XXXXXXXX|0;LAST|L|1;");
}

TEST(Roster, RebuildsFromScoreFilesWithoutWriting) {
  EXPECT_EQ(Loaded().Count(), 0);
  for (const char* f : {"SMITH.qmg", "JONES.qmg", "ABCDEFGH.qmg", "ABCDEFGHI.qmg", "A.B.qmg",
                        "LOWER.QMG", "SMITH.qmg.tmp~", "notes.txt"}) {
    WriteFile(f, "");
  }
  TRosterTable table;
  LoadRosterResult result = LoadRoster(table);
  SortRoster(table);
  // A name too long for its "." to be among the first 9 characters would
  // give an empty stem, naming no file: it is left out and reported.
  EXPECT_EQ(Names(table), "A.B|A.B|0;ABCDEFGH|ABCDEFGH|0;JONES|JONES|0;SMITH|SMITH|0;");
  EXPECT_EQ(result.Unlisted, std::vector<std::string>{"ABCDEFGHI.qmg"});
  EXPECT_FALSE(fs::exists("golfers.qmd"));
}

TEST(Roster, SortComparesBytes) {
  TRosterTable table;
  for (const char* name : {"smith", "SMITH", "ADAMS", "ADAM", "\xC9MILE"}) {
    table.Entries.push_back({name, "S", 0});
  }
  SortRoster(table);
  std::string order;
  for (const auto& e : table.Entries) order += e.LongName + ",";
  EXPECT_EQ(order, "ADAM,ADAMS,SMITH,smith,\xC9MILE,");
}

TEST(Roster, SaveKeepsLinesWholeAndScoreFilesIntact) {
  WriteFile("KEEP.qmg", "20020223~x~\r\n");
  TRosterTable table;
  table.Entries.push_back({"O'NEIL ~ SON\r\nJR", "KEEP", 0});
  table.Entries.push_back({std::string("NUL\0TAIL", 8), "NEW", 1});
  table.Entries.push_back(PlaceholderRosterEntry());
  SaveRoster(table);
  EXPECT_EQ(ReadFile("golfers.qmd"), "O'NEIL - SON  JR~KEEP~0~\r\nNUL~NEW~1~\r\n" +
                                         std::string(40, 'X') + "~XXXXXXXX~0~\r\n");
  EXPECT_EQ(ReadFile("KEEP.qmg"), "20020223~x~\r\n");
  EXPECT_TRUE(fs::exists("NEW.qmg"));
  EXPECT_TRUE(fs::exists("XXXXXXXX.qmg"));
  EXPECT_EQ(Loaded().Count(), 3);
}

TEST(Roster, UnsafeShortNamesNeverReachTheFileSystem) {
  WriteFile("golfers.qmd", "OLD~OLD~0~\r\n");
  WriteFile("OK.qmg", "scores");
  const fs::path outside = fs::current_path().parent_path();
  for (const std::string bad : {"../x", "a/b", "..", ".", "a\\b", "", "/tmp/x", "C:X"}) {
    SCOPED_TRACE(bad);
    TRosterTable table;
    table.Entries.push_back({"FINE", "FINE", 0});
    table.Entries.push_back({"BAD", bad, 0});
    auto expectInvalid = [](auto&& action) {
      try {
        action();
        ADD_FAILURE() << "not refused";
      } catch (const QmError& e) {
        EXPECT_STREQ(e.what(), "Invalid filename");
      }
    };
    expectInvalid([&] { SaveRoster(table); });
    expectInvalid([&] { ScoreFileExists(bad); });
    expectInvalid([&] { CreateEmptyScoreFile(bad); });
    expectInvalid([&] { RenameScoreFile("OK", bad); });
    expectInvalid([&] { RenameScoreFile(bad, "OK2"); });
    expectInvalid([&] { DeleteScoreFile(bad); });
    EXPECT_FALSE(IsSafeFileStem(bad));
  }
  EXPECT_EQ(ReadFile("golfers.qmd"), "OLD~OLD~0~\r\n");
  EXPECT_FALSE(fs::exists("FINE.qmg"));
  EXPECT_FALSE(fs::exists(outside / "x.qmg"));
  EXPECT_EQ(ReadFile("OK.qmg"), "scores");
}

TEST(Roster, ScoreFileHelpers) {
  WriteFile("OLD.qmg", "a");
  WriteFile("TAKEN.qmg", "b");
  EXPECT_TRUE(ScoreFileExists("OLD"));
  EXPECT_FALSE(RenameScoreFile("OLD", "TAKEN"));  // never replaces
  EXPECT_FALSE(RenameScoreFile("GONE", "NEW"));
  EXPECT_EQ(ReadFile("TAKEN.qmg"), "b");
  EXPECT_TRUE(RenameScoreFile("OLD", "NEW"));
  EXPECT_FALSE(ScoreFileExists("OLD"));
  EXPECT_EQ(ReadFile("NEW.qmg"), "a");
  CreateEmptyScoreFile("NEW");  // existing: untouched
  EXPECT_EQ(ReadFile("NEW.qmg"), "a");
  CreateEmptyScoreFile(std::string("FRESH\0X", 7));
  EXPECT_TRUE(fs::exists("FRESH.qmg"));
  DeleteScoreFile("NEW");
  DeleteScoreFile("NEW");  // a second time: not reported
  EXPECT_FALSE(ScoreFileExists("NEW"));
}

}  // namespace
}  // namespace qm
