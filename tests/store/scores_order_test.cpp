// The score sort and reader against the simple forms they replaced: the
// sort must give the very order the record-by-record exchanges gave, equal
// dates included, and the reader the very fields the character-by-character
// scan gave.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "store/scores.h"
#include "store/text.h"
#include "support/workdir.h"

namespace qm {
namespace {

// The exchanges as the program always made them, one whole record at a time.
void ExchangeSortReference(TScoreTable& table) {
  auto& recs = table.Entries;
  for (std::size_t b = 0; b + 1 < recs.size(); ++b) {
    for (std::size_t e = b + 1; e < recs.size(); ++e) {
      if (CutAtNul(recs[b].Date) < CutAtNul(recs[e].Date)) std::swap(recs[b], recs[e]);
    }
  }
}

std::vector<std::string> Tags(const TScoreTable& table) {
  std::vector<std::string> tags;
  for (const TScoreRec& rec : table.Entries) tags.push_back(rec.Comment);
  return tags;
}

TEST(ScoreOrder, SameOrderAsTheExchangesWithManyEqualDates) {
  struct Case {
    const char* name;
    std::vector<std::string> dates;  // drawn from at random
    int count;
  };
  const std::string nul("2002\0abc", 8);
  const std::vector<Case> cases = {
      {"two dates", {"20020223", "20011130"}, 200},
      {"one date", {"20020223"}, 50},
      {"few dates, invalid ones", {"20020223", "20011130", "99999999", "20010605"}, 200},
      {"short, empty, NUL and high bytes",
       {"2002", "20020223", "", nul, "2002\xE9", "\xFF\xFF", "20020223"},
       120},
      {"longer than a key", {"200202231", "20020223", "2002022300", "2"}, 120},
      {"many distinct", {}, 200},
      {"three", {"1", "2"}, 3},
  };
  std::mt19937 rng(7);
  for (const Case& c : cases) {
    for (int layout = 0; layout < 5; ++layout) {
      SCOPED_TRACE(std::string(c.name) + " layout " + std::to_string(layout));
      TScoreTable table;
      for (int i = 0; i < c.count; ++i) {
        TScoreRec rec = PlaceholderScoreRec();
        if (c.dates.empty())
          rec.Date = std::to_string(19900101 + (layout == 3 ? rng() % 40000 : i * 7));
        else
          rec.Date = c.dates[rng() % c.dates.size()];
        rec.Comment = std::to_string(i);
        table.Entries.push_back(rec);
      }
      // Random, ascending, descending but for the ends, newest first, and
      // (with distinct dates) scattered.
      auto byDate = [](const TScoreRec& a, const TScoreRec& b) {
        return CutAtNul(a.Date) < CutAtNul(b.Date);
      };
      if (layout == 1) std::stable_sort(table.Entries.begin(), table.Entries.end(), byDate);
      if (layout == 2) {
        std::stable_sort(table.Entries.rbegin(), table.Entries.rend(), byDate);
        std::swap(table.Entries.front(), table.Entries.back());
      }
      if (layout == 4) std::stable_sort(table.Entries.rbegin(), table.Entries.rend(), byDate);
      TScoreTable expected = table;
      ExchangeSortReference(expected);
      SortScores(table);
      EXPECT_EQ(Tags(table), Tags(expected));
      for (std::size_t i = 0; i < table.Entries.size(); ++i) {
        ASSERT_EQ(table.Entries[i].Date, expected.Entries[i].Date);
      }
    }
  }
}

// Every table of up to seven records over four dates, so that each way equal
// dates can stand among greater and lesser ones is met.
TEST(ScoreOrder, SameOrderAsTheExchangesForEverySmallTable) {
  const char* dates[] = {"20010101", "20020202", "20030303", "99999999"};
  for (int count = 2; count <= 7; ++count) {
    int tables = 1;
    for (int k = 0; k < count; ++k) tables *= 4;
    for (int code = 0; code < tables; ++code) {
      TScoreTable table;
      for (int k = 0, rest = code; k < count; ++k, rest /= 4) {
        TScoreRec rec;
        rec.Date = dates[rest % 4];
        rec.Comment = std::to_string(k);
        table.Entries.push_back(rec);
      }
      TScoreTable expected = table;
      ExchangeSortReference(expected);
      SortScores(table);
      ASSERT_EQ(Tags(table), Tags(expected)) << count << " records, table " << code;
    }
  }
}

// The reader as it scanned a line, one character at a time.
TScoreRec ParseReference(const std::string& line) {
  TScoreRec rec = PlaceholderScoreRec();
  std::string* fields[46] = {nullptr,     &rec.Date,  &rec.Course, &rec.ScoreTotal,
                             &rec.Rating, &rec.Slope, &rec.Comment};
  std::size_t widths[46] = {0, 8, 30, 3, 4, 3, 100};
  for (int h = 0; h < 18; ++h) {
    fields[7 + h] = &rec.HoleScore[h];
    fields[25 + h] = &rec.HolePutts[h];
    widths[7 + h] = widths[25 + h] = 2;
  }
  fields[43] = &rec.AdjScore, widths[43] = 3;
  fields[44] = &rec.EntryIndex, widths[44] = 4;
  fields[45] = &rec.EntryHandicap, widths[45] = 2;
  int tildes = 0;
  std::string text;
  for (char c : line) {
    if (c != '~') {
      text.push_back(c);
      continue;
    }
    ++tildes;
    // No field keeps what a file cannot hold: a NUL ends it, a CR is a space.
    text = text.substr(0, text.find('\0'));
    for (char& ch : text) ch = ch == '\r' ? ' ' : ch;
    if (tildes == 1) {
      if (text.size() == 6) text = (static_cast<unsigned char>(text[0]) < '7' ? "20" : "19") + text;
      rec.Date = text.size() == 8 ? text : "99999999";
    } else {
      *fields[tildes] = text.substr(0, widths[tildes]);
    }
    text.clear();
    if (tildes == 45) return rec;
  }
  if (tildes == 5 && !text.empty()) {
    text = text.substr(0, text.find('\0'));
    for (char& ch : text) ch = ch == '\r' ? ' ' : ch;
    rec.Comment = text.substr(0, 100);
  }
  return rec;
}

std::string Joined(const TScoreRec& rec) {
  std::string all = rec.Date + "|" + rec.Course + "|" + rec.ScoreTotal + "|" + rec.Rating + "|" +
                    rec.Slope + "|" + rec.Comment;
  for (const std::string& hole : rec.HoleScore) all += "|" + hole;
  for (const std::string& putts : rec.HolePutts) all += "|" + putts;
  return all + "|" + rec.AdjScore + "|" + rec.EntryIndex + "|" + rec.EntryHandicap;
}

TEST(ScoreOrder, ReaderCutsFieldsAsTheCharacterScanDid) {
  std::mt19937 rng(11);
  const std::string alphabet("~~~~~~~~0123456789AZ ~\xE9\xFF\xFE\x7E\x7F\x80\0\r", 31);
  std::string file;
  std::vector<std::string> lines;
  for (int i = 0; i < 400; ++i) {
    std::string line;
    int length = static_cast<int>(rng() % 300);
    for (int k = 0; k < length; ++k) line += alphabet[rng() % alphabet.size()];
    while (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line.substr(0, 274));  // what the reader keeps of a line
    file += line + (i % 2 ? "\r\n" : "\n");
  }
  test::WriteFile("R.qmg", file);
  TScoreTable table;
  // Loaded twice, so that the second load overwrites records already there.
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(LoadScores(table, "R.qmg", false).Read);
    ASSERT_EQ(table.Count(), 400);
    for (int i = 0; i < 400; ++i) {
      SCOPED_TRACE(i);
      TScoreRec expected = ParseReference(lines[i]);
      const TScoreRec& got = table.Entries[i];
      EXPECT_EQ(got.Date, expected.Date);
      EXPECT_EQ(got.Course, expected.Course);
      EXPECT_EQ(got.Comment, expected.Comment);
      EXPECT_EQ(got.HoleScore, expected.HoleScore);
      EXPECT_EQ(got.HolePutts, expected.HolePutts);
      EXPECT_EQ(got.ScoreTotal + got.Rating + got.Slope + got.AdjScore + "|" + got.EntryIndex +
                    "|" + got.EntryHandicap,
                expected.ScoreTotal + expected.Rating + expected.Slope + expected.AdjScore + "|" +
                    expected.EntryIndex + "|" + expected.EntryHandicap);
    }
    // Read straight into sorted places, the same records as reading, then
    // sorting; these lines are mostly no date, so nearly all dates are equal.
    TScoreTable sorted = table, expected = table;
    SortScores(expected);
    ASSERT_TRUE(LoadSortedScores(sorted, "R.qmg", false).Read);
    ASSERT_EQ(sorted.Count(), 400);
    for (int i = 0; i < 400; ++i) ASSERT_EQ(Joined(sorted.Entries[i]), Joined(expected.Entries[i]));
    // A table full of other, wider records is overwritten on the next load.
    std::string wide;
    for (int k = 0; k < 600; ++k) wide += std::string(80, 'W') + "~" + std::string(45, '~') + "\n";
    test::WriteFile("W.qmg", wide);
    ASSERT_TRUE(LoadScores(table, "W.qmg", false).Read);
  }
}

// Files of few dates, in the forms a reader meets (six digits, a NUL or CR
// in the date, no "~" at all), and the repair of an empty gross score.
TEST(ScoreOrder, SortedReadingGivesTheRecordsOfReadingThenSorting) {
  const std::vector<std::string> dates = {"20020223",
                                          "020223",
                                          "20011130",
                                          "011130",
                                          "991130",
                                          "2002\r223",
                                          std::string("2002\0"
                                                      "223",
                                                      8),
                                          "19991130",
                                          "",
                                          "2001113"};
  std::mt19937 rng(5);
  for (int file = 0; file < 20; ++file) {
    SCOPED_TRACE(file);
    std::string bytes;
    const int count = 1 + static_cast<int>(rng() % 200);
    for (int i = 0; i < count; ++i) {
      std::string line = dates[rng() % (file % 2 ? 3 : dates.size())];
      if (rng() % 40 != 0) line += "~Course " + std::to_string(i) + "~" + (i % 7 ? "85" : "");
      line += "~70.1~120~c" + std::to_string(i) + "~";
      for (int k = 0; k < 36; ++k) line += std::to_string(rng() % 11) + "~";
      line += "82~12.3~14~";
      bytes += line + (i % 3 ? "\r\n" : "\n");
    }
    test::WriteFile("F.qmg", bytes);
    for (bool forEditing : {false, true}) {
      TScoreTable expected, sorted;
      const LoadScoresResult read = LoadScores(expected, "F.qmg", forEditing);
      SortScores(expected);
      const LoadScoresResult direct = LoadSortedScores(sorted, "F.qmg", forEditing);
      EXPECT_EQ(direct.Read, read.Read);
      EXPECT_EQ(direct.Changed, read.Changed);
      ASSERT_EQ(sorted.Count(), count);
      for (int i = 0; i < count; ++i)
        ASSERT_EQ(Joined(sorted.Entries[i]), Joined(expected.Entries[i]));
    }
  }
  TScoreTable table;
  EXPECT_EQ(LoadSortedScores(table, "missing.qmg", true).Message,
            "Error: Golfer score file \"missing.qmg\" not found.");
  EXPECT_EQ(table.Count(), 0);
}

}  // namespace
}  // namespace qm
