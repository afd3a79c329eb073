// Rounds to a spreadsheet and back: what the export writes imports into an
// empty golfer as the very same score file; bad rows are refused with their
// line, rounds already there are skipped, and the table's limit holds.
#include "store/scorecsv.h"

#include <gtest/gtest.h>

#include "store/errors.h"
#include "store/scores.h"
#include "support/workdir.h"

namespace qm {
namespace {

using test::ReadFile;
using test::WriteFile;

// A score file line from its first fields and its last three; the holes as
// given (18 scores then 18 putts) or all "0".
std::string Line(const std::string& head, const std::vector<std::string>& holes,
                 const std::string& tail) {
  std::string line = head;
  for (int i = 0; i < 36; ++i) {
    line += (holes.empty() ? "0" : holes[static_cast<std::size_t>(i)]) + "~";
  }
  return line + tail + "\r\n";
}

std::vector<std::string> Holes() {
  std::vector<std::string> holes;
  for (int i = 0; i < 18; ++i) holes.push_back(std::to_string(3 + i % 4));
  for (int i = 0; i < 18; ++i) holes.push_back(i % 3 == 0 ? "" : "2");
  return holes;
}

TScoreTable ImportAll(const std::string& csvText, ScoreCsv* read = nullptr) {
  ScoreCsv rows = ReadScoreCsv(csvText);
  if (read) *read = rows;
  TScoreTable table;
  for (const ImportedRound& r : PlanScoreImport(TScoreTable{}, rows).Add) {
    table.Entries.push_back(r.Round);
  }
  return table;
}

TEST(ScoreCsv, ExportThenImportGivesTheSameScoreFile) {
  const std::string file =
      Line("20240506~Riverside~85~70.5~125~~", Holes(), "83~12.3~14~") +
      Line("99999999~No date, \"kept\"~80~~~~", {}, "~~~") +
      Line("020101~Six digit key~90~71.2~130~Total only~", {}, "88~+1.2~0~") +
      Line("2002abcd~Damaged key~77~69.0~113~~", {}, "77~~~") +
      Line("20240230~Feb 30~101~72.0~140~~", {}, "99~36.4~40~") +
      Line("20230101~Caf\xE9 \x81\x8D\x8F\x90\x9D~~70.0~120~Wind, \"gusty\" \xE9\x80 5~", {},
           "88~~~") +
      Line("20230102~" + std::string(30, 'C') + "~123~71.5~155~" + std::string(100, '\x93') + "~",
           Holes(), "120~54.0~36~");
  WriteFile("G.qmg", file);
  TScoreTable table;
  ASSERT_TRUE(LoadScores(table, "G.qmg", true).Read);  // as the golfer's window reads it
  SortScores(table);

  std::vector<csv::Row> rows = {ScoreCsvHeader()};
  for (const TScoreRec& rec : table.Entries) rows.push_back(ScoreCsvRow(rec, "12.3", "*"));
  const std::string exported = csv::WriteRows(rows);
  EXPECT_NE(exported.find("2024-05-06,Riverside,85,"), std::string::npos);
  EXPECT_NE(exported.find("\r\n99999999,\"No date, \"\"kept\"\"\",80,"), std::string::npos);
  EXPECT_NE(exported.find("\"Wind, \"\"gusty\"\" \xC3\xA9\xE2\x82\xAC 5\""), std::string::npos);

  ScoreCsv read;
  TScoreTable imported = ImportAll(exported, &read);
  EXPECT_TRUE(read.Refused.empty());
  ASSERT_EQ(imported.Count(), table.Count());
  // Only the round stored without an AGS asks for one.
  for (const ImportedRound& r : read.Rounds) {
    EXPECT_EQ(r.NeedsAgs, r.Round.Course.starts_with("No date")) << r.Line;
  }
  SaveScores(table, "A.qmg");
  SaveScores(imported, "B.qmg");
  EXPECT_EQ(ReadFile("B.qmg"), ReadFile("A.qmg"));
  EXPECT_NE(ReadFile("A.qmg").find("20020101~Six digit key~"), std::string::npos);
}

TEST(ScoreCsv, SpreadsheetFileIsRead) {
  // Reordered columns in another case, a BOM, LF line ends, quoted fields,
  // an unknown column, m/d/yyyy dates, no AGS or hole columns.
  const std::string text =
      "\xEF\xBB\xBF"
      "slope,\" Rating \",Notes,SCORE,course,date\n"
      "\"125\",70.5,anything,85,\"Pine, Valley\",5/1/2024\n"
      "113,69.0,,92,Oak,12/31/2023\n";
  ScoreCsv read;
  TScoreTable table = ImportAll(text, &read);
  ASSERT_EQ(table.Count(), 2);
  const TScoreRec& first = table.At(1);
  EXPECT_EQ(first.Date, "20240501");
  EXPECT_EQ(first.Course, "Pine, Valley");
  EXPECT_EQ(first.ScoreTotal, "85");
  EXPECT_EQ(first.Rating, "70.5");
  EXPECT_EQ(first.Slope, "125");
  EXPECT_EQ(first.HoleScore[17], "0");
  EXPECT_EQ(first.AdjScore, "");
  EXPECT_TRUE(read.Rounds[0].NeedsAgs);
  EXPECT_EQ(table.At(2).Date, "20231231");
  EXPECT_EQ(read.Rounds[1].Line, 3);
}

TEST(ScoreCsv, BadRowsAreRefusedWithTheirLine) {
  const std::string text =
      "Date,Course,Score,Rating,Slope,Comment,Hole1,EntryIndex\r\n"
      "2024-13-01,A,85,70.5,125,,,\r\n"                   // 2
      "2024-05-01,A,8x,70.5,125,,,\r\n"                   // 3
      "2024-05-01,A,85,seventy,125,,,\r\n"                // 4
      "2024-05-01,A,1000,70.5,125,,,\r\n"                 // 5
      "2024-05-01,\xE4\xB8\xAD,85,70.5,125,,,\r\n"        // 6
      "2024-05-01,A,85,70.5,125,,,,extra\r\n"             // 7
      "2024-05-01,A,,70.5,125,,,\r\n"                     // 8
      "2024-05-01,A,85,70.5,125,\"two\r\nlines\",4,\r\n"  // 9, a good row over two lines
      "02/29/2023,A,85,70.5,125,,,\r\n"                   // 11
      "2024-05-02,A,85,70.5,125,,,55.55\r\n"              // 12
      "2024-05-03,B,85\r\n"                               // 13: short, but a round
      "2024-05-04,B,85,,,,,,,,\r\n";                      // 14: empty cells past the last column
  ScoreCsv read = ReadScoreCsv(text);
  std::vector<std::string> reasons;
  for (const RefusedRow& r : read.Refused) reasons.push_back(r.Reason);
  const std::vector<std::string> expected = {
      "Line 2: Date \"2024-13-01\" is not a date.",
      "Line 3: Score \"8x\" is not a number.",
      "Line 4: Rating \"seventy\" is not a number.",
      "Line 5: Score \"1000\" is longer than the 3 characters the score files keep.",
      "Line 6: Course holds a character the score files cannot hold (U+4E2D).",
      "Line 7: more fields than the first row names (a comma in a field that is not quoted?).",
      "Line 8: no score.",
      "Line 11: Date \"02/29/2023\" is not a date.",
      "Line 12: EntryIndex \"55.55\" is longer than the 4 characters the score files keep.",
  };
  EXPECT_EQ(reasons, expected);
  ASSERT_EQ(read.Rounds.size(), 3u);
  EXPECT_EQ(read.Rounds[0].Line, 9);
  EXPECT_EQ(read.Rounds[0].Round.Comment, "two  lines");
  EXPECT_EQ(read.Rounds[0].Round.HoleScore[0], "4");
  EXPECT_EQ(read.Rounds[1].Round.Rating, "");
}

TEST(ScoreCsv, FilesRefusedWhole) {
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"", "The file is empty."},
      {"\r\n\r\n", "The file is empty."},
      {"Date,Course,Score,Rating,Slope\r\n",
       "The file holds no rounds: it has only its first row."},
      {"Date,Course,Score\r\n2024-01-01,A,80\r\n",
       "The file is not a list of rounds: its first row names no column Rating, Slope (it must "
       "name Date, Course, Score, Rating and Slope)."},
      {"Date,Course,Score,Rating,Slope,score\r\n", "The file names the column Score twice."},
      {"Date,Course,Score,Rating,Slope\r\n\"2024", "Line 2: a quoted field is never closed."},
  };
  for (const auto& c : cases) {
    try {
      ReadScoreCsv(c.text);
      ADD_FAILURE() << c.text;
    } catch (const QmError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

TEST(ScoreCsv, DuplicatesAreSkippedAndTheLimitHolds) {
  TScoreTable table;
  TScoreRec old = PlaceholderScoreRec();
  old.Date = "20240501";
  old.Course = "Oak";
  old.ScoreTotal = "85";
  table.Entries.push_back(old);
  std::string text = "Date,Course,Score,Rating,Slope\r\n";
  text += "2024-05-01,Oak,85,70,120\r\n";  // 2: already there
  text += "2024-05-01,Oak,86,70,120\r\n";  // 3: another score
  text += "2024-05-01,Elm,85,70,120\r\n";  // 4: another course
  text += "2024-05-01,Elm,85,70,120\r\n";  // 5: as line 4
  text += "bad,Elm,85,70,120\r\n";         // 6
  ScoreImportPlan plan = PlanScoreImport(table, ReadScoreCsv(text));
  EXPECT_EQ(plan.Duplicates, (std::vector<int>{2, 5}));
  ASSERT_EQ(plan.Add.size(), 2u);
  EXPECT_EQ(plan.Add[1].Line, 4);
  EXPECT_EQ(ScoreImportSummary(plan),
            "2 rounds will be added.\n"
            "Already there (same date, course and score), not added: lines 2, 5.\n"
            "Not added:\n"
            "Line 6: Date \"bad\" is not a date.");

  // Room for two more rounds: the third new one is refused.
  table.Entries.resize(MaxScores - 2, old);
  plan = PlanScoreImport(table, ReadScoreCsv(text + "2024-05-02,Elm,85,70,120\r\n"));
  EXPECT_EQ(plan.Add.size(), 2u);
  ASSERT_EQ(plan.Refused.size(), 2u);
  EXPECT_EQ(plan.Refused[1].Reason,
            "Line 7: the golfer would have more than 200 rounds, the most a score file holds.");
}

TEST(ScoreCsv, HandicapAndAllScoresRows) {
  TRosterEntry golfer{"Jos\xE9 Mar\xEDn", "JOSE", 1};
  EXPECT_EQ(csv::WriteRow(HandicapCsvRow(golfer, true, 25, 20, " 12.4")),
            "Jos\xC3\xA9 Mar\xC3\xADn,JOSE,F,25,20,12.4\r\n");
  TScoreRec rec = PlaceholderScoreRec();
  rec.Date = "20240501";
  const csv::Row row = AllScoresCsvRow(golfer, rec, "", " ");
  ASSERT_EQ(row.size(), AllScoresCsvHeader().size());
  EXPECT_EQ(row[0], "JOSE");
  EXPECT_EQ(row[2], "2024-05-01");
  EXPECT_EQ(row.back(), "");
  EXPECT_EQ(AllScoresCsvHeader()[48], "Mark");
}

}  // namespace
}  // namespace qm
