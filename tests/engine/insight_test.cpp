#include "engine/insight.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/golfer.h"

namespace qm {
namespace {

// Both courses are at slope 113, so a differential is the score less the
// rating. Par 72: 4 4 3 5 4 4 3 5 4 on each nine.
const char* kPars = "443544354443544354";

TCourseRec Course(std::string name, std::string rating, std::string slope) {
  TCourseRec course{std::move(name), std::move(rating), std::move(slope), "72", {}};
  for (int h = 0; h < HoleCount; ++h) course.HolePar[h] = std::string(1, kPars[h]);
  return course;
}

TCourseTable Courses() {
  TCourseTable courses;
  courses.Entries = {Course("CEDAR", "0.0", ""), Course("OAK HILL", "70.0", "113"),
                     Course("PINE RIDGE", "72.0", "113")};
  return courses;
}

TScoreRec Round(std::string date, std::string course, std::string total, std::string adj,
                std::string rating = "70.0", std::string slope = "113") {
  TScoreRec round{date, course, total, rating, slope, "", {}, {}, adj, "0", "0"};
  for (int h = 0; h < HoleCount; ++h) round.HoleScore[h] = round.HolePutts[h] = "0";
  return round;
}

// Six complete rounds (differentials 8, 12, 10, 16, 14, 16), one without a
// slope and one cut short in its file, newest first.
TScoreTable WorkedTable() {
  TScoreTable table;
  table.Entries = {
      Round("20240610", "PINE RIDGE", "80", "80", "72.0"),
      Round("20240601", "OAK HILL", "95", "95", "70.0", ""),
      Round("20240525", "oak hill", "82", "82"),
      Round("20240515", "PINE RIDGE", "88", "88", "XXXX", "XXX"),
      Round("20240505", "OAK HILL", "80", "80"),
      Round("20240425", "PINE RIDGE", "90", "88", "72.0"),
      Round("20240415", "OAK HILL", "84", "84"),
      Round("20240405", "OAK HILL", "88", "86"),
  };
  return table;
}

TEST(InsightTest, HistoryOfAWorkedTable) {
  const IndexHistory history =
      BuildIndexHistory(WorkedTable(), GolferIndexRequest(Sex::Male, "Bob", true));
  // Best 1 of 6: the 8.0 of the newest round, times 0.96.
  EXPECT_EQ(IndexText(history.Current.Index), "7.7");
  struct Expected {
    const char* Differential;
    char Mark;
    const char* After;
    const char* Change;
  };
  const Expected expected[] = {
      {"8.0", '*', "7.7", "-1.9"}, {"0.0", 'I', "9.6", ""},   {"12.0", ' ', "9.6", "-26.8"},
      {"0.0", 'I', "36.4", ""},    {"10.0", ' ', "36.4", ""}, {"16.0", ' ', "36.4", ""},
      {"14.0", ' ', "36.4", ""},   {"16.0", ' ', "36.4", ""},
  };
  ASSERT_EQ(history.Rows.size(), std::size(expected));
  for (std::size_t i = 0; i < history.Rows.size(); ++i) {
    const IndexHistoryRow& row = history.Rows[i];
    SCOPED_TRACE("position " + std::to_string(i + 1));
    EXPECT_EQ(TrimSpaces(FormatTenths(row.Differential)), expected[i].Differential);
    EXPECT_EQ(row.Mark, expected[i].Mark);
    EXPECT_EQ(IndexText(row.IndexAfter), expected[i].After);
    EXPECT_EQ(row.Change, expected[i].Change);
  }
  EXPECT_EQ(history.Rows[5].AdjScore, "88");
  EXPECT_EQ(history.Rows[2].Date, "05/25/2024");
}

TEST(InsightTest, ForecastOfAWorkedTable) {
  const TScoreTable scores = WorkedTable();
  const IndexRequest request = GolferIndexRequest(Sex::Male, "Bob", true);
  const IndexResult current = CalcIndex(scores, request);
  const std::vector<CourseForecast> rows =
      ForecastByCourse(scores, Courses(), request, current, "20240614");
  ASSERT_EQ(rows.size(), 3u);
  // With the next round 7 count, best 2: 0.48 * (8 + min(d, 10)). At OAK
  // HILL d = s - 70: 78 gives 7.7 (kept), 77 gives 7.2 (lowered); at PINE
  // RIDGE d = s - 72. Course handicap round(7.7) = 8, predicted 72 + 8.
  const auto text = [](const CourseForecast& f) {
    return f.Course + "|" + f.CourseHandicap + "|" + f.PredictedScore + "|" +
           std::to_string(f.Rounds) + "|" + f.BestScore + "|" + f.Keeps + "|" + f.Lowers;
  };
  EXPECT_EQ(text(rows[0]), "CEDAR|-|-|0|-|-|-");
  // "oak hill" belongs to OAK HILL; the round without a slope does not count.
  EXPECT_EQ(text(rows[1]), "OAK HILL|8|80|4|80|78|77");
  // The round cut short does not count.
  EXPECT_EQ(text(rows[2]), "PINE RIDGE|8|80|2|80|80|79");
  EXPECT_EQ(NextToDropOut(scores, current),
            "6 complete rounds on file: none drops out of the index yet.");
}

TEST(InsightTest, FewerThanFiveCompleteRounds) {
  // Four rounds at differentials 50 to 80 for a woman: 40.4 before and
  // after each. One more round gives 0.96 * min(d, 50), held at 40.4 while
  // the rule is on.
  TScoreTable scores;
  for (int i = 0; i < 4; ++i)
    scores.Entries.push_back(Round("2024050" + std::to_string(4 - i), "OAK HILL",
                                   std::to_string(120 + 10 * i), std::to_string(120 + 10 * i)));
  const TCourseTable courses = Courses();
  for (bool rule : {true, false}) {
    SCOPED_TRACE(rule ? "rule on" : "rule off");
    const IndexRequest request = GolferIndexRequest(Sex::Female, "Ann", rule);
    const IndexHistory history = BuildIndexHistory(scores, request);
    for (const IndexHistoryRow& row : history.Rows) {
      EXPECT_EQ(IndexText(row.IndexAfter), "40.4");
      EXPECT_EQ(row.Change, "");
    }
    const std::vector<CourseForecast> rows =
        ForecastByCourse(scores, courses, request, history.Current, "20240614");
    // d = 42 gives 40.3, d = 43 gives 41.3.
    EXPECT_EQ(rows[1].Keeps, rule ? "300" : "112");
    EXPECT_EQ(rows[1].Lowers, "112");
    EXPECT_EQ(rows[1].CourseHandicap, "40");
  }
  scores.Entries.resize(1);
  EXPECT_EQ(NextToDropOut(scores, CalcIndex(scores, GolferIndexRequest(Sex::Female, "Ann", true))),
            "1 complete round on file: none drops out of the index yet.");
}

// A random table of 45 rounds, some incomplete or cut short, some with an
// adjusted score of "000" (which the two styles read differently).
TScoreTable RandomTable(std::mt19937& random) {
  TScoreTable table;
  std::uniform_int_distribution<int> score(68, 125), kind(0, 11), slope(95, 150);
  for (int i = 0; i < 45; ++i) {
    const int s = score(random);
    TScoreRec round = Round(std::to_string(20231231 - i), "OAK HILL", std::to_string(s),
                            std::to_string(s - kind(random) % 3), std::to_string(66 + i % 9) + ".4",
                            std::to_string(slope(random)));
    switch (kind(random)) {
      case 0: round.Slope = ""; break;
      case 1: round.Rating = "XXXX"; break;
      case 2: round.AdjScore = "000"; break;
      case 3: round.Date = "99999999"; break;
      default: break;
    }
    table.Entries.push_back(round);
  }
  return table;
}

TEST(InsightTest, ReplaysAndSearchesAgreeWithPlainCalculations) {
  std::mt19937 random(2024);
  for (int trial = 0; trial < 4; ++trial) {
    SCOPED_TRACE("trial " + std::to_string(trial));
    const TScoreTable scores = RandomTable(random);
    const IndexRequest request = GolferIndexRequest(
        trial % 2 ? Sex::Female : Sex::Male, "X", trial % 3 != 0, IndexOutput::None,
        trial % 2 ? AccountStyle::ScoresWindow : AccountStyle::GolferList);
    // The index after each round is the index over that round and every
    // older one.
    const std::vector<long double> after = IndexAfterEachRound(scores, request);
    for (int p = 1; p <= scores.Count(); ++p) {
      TScoreTable older;
      older.Entries.assign(scores.Entries.begin() + (p - 1), scores.Entries.end());
      ASSERT_EQ(after[p - 1], CalcIndex(older, request).Index) << "position " << p;
    }
    // The search finds what a plain loop over every score finds, at
    // courses of different slopes, also for a table cut to a few rounds.
    for (int kept : {45, 21, 6}) {
      TScoreTable part;
      part.Entries.assign(scores.Entries.begin(), scores.Entries.begin() + kept);
      const long double current = CalcIndex(part, request).Index;
      for (const TCourseRec& course :
           {Course("A", "70.0", "113"), Course("B", "74.8", "151"), Course("C", "61.2", "55")}) {
        NextRoundScores plain;
        for (int s = LowestNextScore; s <= HighestNextScore; ++s) {
          const long double index = IndexWithNextRound(part, request, course, "20240101", s);
          if (index <= current) plain.Keeps = s;
          if (index < current) plain.Lowers = s;
        }
        const NextRoundScores searched =
            ScoresForNextRound(part, request, course, "20240101", current);
        EXPECT_EQ(searched.Keeps, plain.Keeps) << course.CourseName << " " << kept;
        EXPECT_EQ(searched.Lowers, plain.Lowers) << course.CourseName << " " << kept;
      }
    }
  }
}

TEST(InsightTest, StatisticsWorkedByHand) {
  TScoreTable scores;
  // 71: a birdie on hole 1, an eagle on hole 4, a double bogey on hole 3,
  // pars elsewhere, 2 putts a hole.
  TScoreRec first = Round("20240610", "Oak Hill", "71", "71");
  for (int h = 0; h < HoleCount; ++h) {
    first.HoleScore[h] = std::string(1, kPars[h]);
    first.HolePutts[h] = "2";
  }
  first.HoleScore[0] = "3";
  first.HoleScore[3] = "3";
  first.HoleScore[2] = "5";
  // 90: a bogey on every hole; one hole without putts.
  TScoreRec second = Round("20240601", "OAK HILL", "90", "90");
  for (int h = 0; h < HoleCount; ++h) {
    second.HoleScore[h] = std::to_string(kPars[h] - '0' + 1);
    second.HolePutts[h] = "2";
  }
  second.HolePutts[0] = "0";
  // Not in the course list, and one hole not scored: no hole figures.
  TScoreRec third = second;
  third.Date = "20240520";
  third.Course = "ELSEWHERE";
  third.ScoreTotal = third.AdjScore = "85";
  TScoreRec fourth = second;
  fourth.Date = "20240515";
  fourth.ScoreTotal = fourth.AdjScore = "88";
  fourth.HoleScore[17] = "0";
  TScoreRec incomplete = second;
  incomplete.Date = "20240510";
  incomplete.Slope = "";
  scores.Entries = {first, second, third, fourth, incomplete};

  const GolferStatistics stats = Statistics(scores, Courses());
  const std::vector<StatisticsLine> lines = StatisticsLines(stats);
  const std::vector<std::string> expected = {
      "Rounds|4",
      "Average score|83.5",  // (71 + 90 + 85 + 88) / 4
      "Best score|71",
      "Average differential|13.5",   // (1 + 20 + 15 + 18) / 4
      "Putts per round|36.0",        // the first round only
      "Par 3 holes, over par|0.75",  // (2 + 4) / 8
      "Par 4 holes, over par|0.45",  // (-1 + 10) / 20
      "Par 5 holes, over par|0.25",  // (-2 + 4) / 8
      "Eagle or better|3%",          // 1 of 36
      "Birdie|3%",
      "Par|42%",  // 15 of 36
      "Bogey|50%",
      "Double bogey or worse|3%",
  };
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].Label + "|" + lines[i].Recent, expected[i]);
    EXPECT_EQ(lines[i].All, lines[i].Recent) << lines[i].Label;
  }
  EXPECT_EQ(stats.All.HoleRounds, 2);
  EXPECT_EQ(stats.All.PuttRounds, 1);

  // Nothing to count: "-".
  const std::vector<StatisticsLine> none = StatisticsLines(Statistics(TScoreTable{}, Courses()));
  EXPECT_EQ(none[0].All + none[1].All + none[2].All + none[3].All, "0---");
}

TEST(InsightTest, NextToDropOutWithTwentyOrMore) {
  // 22 complete rounds, the newest at differential 1; the 20th is used when
  // it is among the 10 lowest.
  for (int low : {0, 1}) {
    TScoreTable scores;
    for (int i = 0; i < 22; ++i) {
      const int d = i == 19 ? (low ? 0 : 30) : 10 + i;
      scores.Entries.push_back(Round(std::to_string(20240131 - i), "OAK HILL",
                                     std::to_string(70 + d), std::to_string(70 + d)));
    }
    scores.Entries.insert(scores.Entries.begin() + 3,
                          Round("20240128", "OAK HILL", "90", "90", "70.0", ""));
    const IndexResult current = CalcIndex(scores, GolferIndexRequest(Sex::Male, "B", true));
    EXPECT_EQ(
        NextToDropOut(scores, current),
        std::string("Next to drop out: 01/12/2024 at OAK HILL, differential ") +
            (low ? "0.0; the current index uses it." : "30.0; the current index does not use it."));
  }
}

}  // namespace
}  // namespace qm
