#include "store/scores.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "store/errors.h"
#include "support/workdir.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

const std::string Riverside =
    "20020223~Riverside~85~70.5~125~~5~4~9~3~5~4~4~5~4~6~5~4~4~5~5~4~4~5~2~2~1~2~2~1~2~2~2~2~1~"
    "2~2~2~2~1~2~2~83~12.3~14~\r\n";

TScoreTable Load(const std::string& bytes, bool forEditing = false,
                 LoadScoresResult* result = nullptr) {
  WriteFile("G.qmg", bytes);
  TScoreTable table;
  LoadScoresResult r = LoadScores(table, "G.qmg", forEditing);
  EXPECT_TRUE(r.Read);
  if (result) *result = r;
  return table;
}

std::string Saved(TScoreTable& table) {
  SaveScores(table, "OUT.qmg");
  return ReadFile("OUT.qmg");
}

TEST(Scores, FullLinesRoundTripByteForByte) {
  // One line as wide as every field allows, comment and course full and
  // every hole two digits: wider than 250 characters.
  std::string wide =
      "19991231~" + std::string(30, 'C') + "~123~71.5~155~" + std::string(100, '\xE9') + "~";
  for (int i = 0; i < 36; ++i) wide += "10~";
  wide += "120~54.0~36~\r\n";
  ASSERT_GT(wide.size(), 250u);
  const std::string file = Riverside + wide + std::string(Riverside).replace(0, 8, "20010101");
  TScoreTable table = Load(file);
  ASSERT_EQ(table.Count(), 3);
  EXPECT_EQ(table.At(1).Course, "Riverside");
  EXPECT_EQ(table.At(1).HoleScore[2], "9");
  EXPECT_EQ(table.At(1).HolePutts[17], "2");
  EXPECT_EQ(table.At(2).EntryHandicap, "36");
  EXPECT_EQ(Saved(table), file);
  EXPECT_TRUE(IsCompleteScore(table.At(1)));
}

TEST(Scores, ShortFormsAndOddLines) {
  TScoreTable table = Load(
      "020223~Riverside~85~70.5~125~Windy\n"  // six fields, comment without "~"
      "691231~A~\n700101~B~\n2002022~C~\n"    // short and bad keys
      "\n"                                    // empty: all placeholders
      "20020223~" +
      std::string(35, 'N') +
      "~85~70.5\n"                        // rating not ended by "~"
      "20020223~A~85~70.5~125~one~two\n"  // more than five "~": tail dropped
      "\35110101~D~");                    // the century goes by character code
  ASSERT_EQ(table.Count(), 8);
  const TScoreRec& windy = table.At(1);
  EXPECT_EQ(windy.Date, "20020223");
  EXPECT_EQ(windy.Comment, "Windy");
  EXPECT_EQ(windy.HoleScore[17], "0");
  EXPECT_EQ(windy.EntryIndex, "0");
  EXPECT_TRUE(IsCompleteScore(windy));
  EXPECT_EQ(table.At(2).Date, "20691231");
  EXPECT_EQ(table.At(3).Date, "19700101");
  EXPECT_EQ(table.At(4).Date, "99999999");
  EXPECT_FALSE(IsCompleteScore(table.At(4)));
  EXPECT_EQ(table.At(5).Course, std::string(30, 'X'));
  EXPECT_EQ(table.At(5).ScoreTotal, "XXX");
  EXPECT_EQ(table.At(6).Course, std::string(30, 'N'));
  EXPECT_EQ(table.At(6).Rating, "XXXX");
  EXPECT_EQ(table.At(7).Comment, "one");
  EXPECT_EQ(table.At(8).Date, "19\35110101");
  // Written back in the full form.
  TScoreTable first;
  first.Entries.push_back(windy);
  std::string zeros;
  for (int i = 0; i < 39; ++i) zeros += "0~";
  EXPECT_EQ(Saved(first), "20020223~Riverside~85~70.5~125~Windy~" + zeros + "\r\n");
}

TEST(Scores, EmptyGrossScoreIsRepairedOnlyForEditing) {
  std::string line = Riverside;
  line.replace(line.find("~85~"), 4, "~~");
  LoadScoresResult result;
  TScoreTable edited = Load(line, true, &result);
  EXPECT_EQ(edited.At(1).ScoreTotal, "83");
  EXPECT_TRUE(result.Changed);
  TScoreTable other = Load(line, false, &result);
  EXPECT_EQ(other.At(1).ScoreTotal, "");
  EXPECT_FALSE(result.Changed);
  EXPECT_FALSE(IsCompleteScore(other.At(1)));
}

TEST(Scores, SortIsNewestFirstWithTheProgramsExchanges) {
  TScoreTable table;
  for (const char* tag : {"20010605a", "20010605b", "20020223c", "99999999d", "20011130e"}) {
    TScoreRec rec = PlaceholderScoreRec();
    rec.Date = std::string(tag, 8);
    rec.Comment = tag + 8;
    table.Entries.push_back(rec);
  }
  SortScores(table);
  std::string order;
  for (const auto& r : table.Entries) order += r.Comment;
  // Worked through by hand: the two scores of 20010605 end as b, a.
  EXPECT_EQ(order, "dceba");
}

TEST(Scores, MissingAndUnsafeFiles) {
  TScoreTable table;
  LoadScoresResult result = LoadScores(table, "NOBODY.qmg", true);
  EXPECT_FALSE(result.Read);
  EXPECT_EQ(result.Message, "Error: Golfer score file \"NOBODY.qmg\" not found.");
  try {
    LoadScores(table, "NOBODY.qmg", false);
    ADD_FAILURE();
  } catch (const QmError& e) {
    EXPECT_STREQ(e.what(), "File not found");
  }
  WriteFile("../x.qmg", Riverside);
  for (const std::string bad : {"../x.qmg", "a/b.qmg", "..", "a\\b.qmg", ""}) {
    for (int op = 0; op < 3; ++op) {
      try {
        if (op == 2)
          SaveScores(table, bad);
        else
          LoadScores(table, bad, op == 1);
        ADD_FAILURE() << bad;
      } catch (const QmError& e) {
        EXPECT_STREQ(e.what(), "Invalid filename");
      }
    }
  }
  EXPECT_EQ(ReadFile("../x.qmg"), Riverside);
}

TEST(Scores, HostileInputLoadsWholeAndSavesSafely) {
  std::string file;
  for (int i = 0; i < 1000; ++i) file += Riverside;
  using namespace std::string_literals;
  const std::string nulDate = "2002\0"s + "223";
  file += nulDate + "~\xFF\x01~" + std::string(100000, '~') + "\r\n";
  file += std::string(100000, 'z') + "\n";
  TScoreTable table = Load(file);
  ASSERT_EQ(table.Count(), 1002);
  // A NUL ends the field, as it ends it in the file a save writes: "2002"
  // is no date, in the table as after a reload.
  EXPECT_EQ(table.At(1001).Date, "99999999");
  EXPECT_EQ(table.At(1002).Course, std::string(30, 'X'));
  table.At(1).Comment = "gusts ~ 30\r\nrain";
  std::string saved = Saved(table);
  TScoreTable again = Load(saved);
  ASSERT_EQ(again.Count(), 1002);
  EXPECT_EQ(again.At(1).Comment, "gusts - 30  rain");
  EXPECT_EQ(again.At(1001).Date, "99999999");
  EXPECT_EQ(again.At(1001).Course, "\xFF\x01");
  EXPECT_EQ(again.At(1000).EntryHandicap, "14");
  EXPECT_EQ(Saved(again), saved);
}

}  // namespace
}  // namespace qm
