#include "engine/whsview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <functional>
#include <numeric>

#include "store/errors.h"
#include "store/scores.h"

namespace qm::whs {
namespace {

using Holes18 = std::array<int, HoleCount>;

constexpr Holes18 kOakPars = {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};
constexpr StrokeIndex kOakSi = {7, 15, 3, 11, 1, 17, 9, 5, 13, 8, 16, 2, 12, 4, 18, 10, 6, 14};
constexpr Holes18 kPinePars = {4, 5, 3, 4, 4, 4, 3, 5, 4, 4, 4, 3, 4, 5, 4, 3, 4, 5};

// A round that counts; with holes its total is their sum. At rating 72.0
// and slope 113 a stored round's SD is its total - 72.
TScoreRec Round(const std::string& date, int total, const std::string& course = "MAPLE",
                const std::string& rating = "72.0", const std::string& slope = "113",
                const Holes18* holes = nullptr) {
  TScoreRec rec = PlaceholderScoreRec();
  rec.Date = date;
  rec.Course = course;
  rec.Rating = rating;
  rec.Slope = slope;
  rec.AdjScore = "0";
  if (holes) {
    total = 0;
    for (int h = 0; h < HoleCount; ++h) {
      rec.HoleScore[h] = std::to_string((*holes)[h]);
      total += (*holes)[h];
    }
  }
  rec.ScoreTotal = std::to_string(total);
  return rec;
}

TCourseRec Course(const std::string& name, const std::string& rating, const std::string& slope,
                  const Holes18& pars) {
  TCourseRec course{name, rating, slope, "72", {}};
  for (int h = 0; h < HoleCount; ++h) course.HolePar[h] = std::to_string(pars[h]);
  return course;
}

// The score table of rounds given oldest first: newest first.
TScoreTable Table(std::vector<TScoreRec> oldestFirst) {
  TScoreTable table;
  table.Entries.assign(oldestFirst.rbegin(), oldestFirst.rend());
  return table;
}

std::string DateOfDay(int day) {  // day 0 is 01/01/2001, within 2001-2003
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int year = 2001;
  for (; day >= 365; day -= 365) ++year;
  int month = 0;
  for (; day >= kDays[month]; day -= kDays[month]) ++month;
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d", year, month + 1, day + 1);
  return text;
}

std::string Shown(std::optional<int> tenths) { return tenths ? TenthsText(*tenths) : "none"; }

// A row as the window's table shows it ("." for blank ESR, used and cap).
std::string RowText(const Row& row) {
  return row.DateKey + " " + std::to_string(row.Ags) + " " + BasisText(row.Basis) + " " +
         TenthsText(row.Sd) + " " + (row.Esr ? TenthsText(row.Esr) : ".") + " " +
         (row.Used ? "*" : ".") + " " + Shown(row.IndexAfter) + " " +
         (row.Applied == Cap::None ? "." : CapText(row.Applied));
}

// The message of the error f throws, or "taken".
std::string Refusal(const std::function<void()>& f) {
  try {
    f();
  } catch (const QmError& e) {
    return e.what();
  }
  return "taken";
}

TEST(Whs, PublishedVectors) {
  HoleFigures gross105;  // one 9 on the par 4 of stroke index 5, the rest within reach
  gross105.Par.fill(4);
  gross105.Score = {5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 9, 5, 5, 5, 5, 5, 6};
  StrokeIndex si105 = {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 5, 13, 14, 15, 16, 17, 18};
  HoleFigures gross80;
  gross80.Par.fill(4);
  gross80.Score = {5, 5, 5, 5, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 8, 4, 4, 4};
  StrokeIndex si80 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
  const auto sd = [](int ags, const char* rating, const char* slope) {
    return TenthsText(ScoreDifferential(ags, RatingTenths(rating), SlopeTenths(slope)));
  };
  const auto index = [](const std::vector<int>& sds) {
    return Shown(IndexFromDifferentials(sds).Index);
  };
  const std::vector<int> three{153, 152, 166}, other{407, 424, 361},
      six{407, 424, 361, 459, 436, 450};
  const auto capped = [](int index10, int low10) {
    Capped c = ApplyCaps(index10, low10);
    return TenthsText(c.Index) + " " + CapText(c.Applied);
  };
  const struct {
    const char* what;
    std::function<std::string()> actual;
    std::string expected;
  } vectors[] = {
      {"SD 95 73.5 130", [&] { return sd(95, "73.5", "130"); }, "18.7"},
      {"SD 94 73.0 125", [&] { return sd(94, "73.0", "125"); }, "19.0"},
      {"SD 85 75.1 132", [&] { return sd(85, "75.1", "132"); }, "8.5"},
      {"index of 3", [&] { return index(three); }, "13.2"},
      {"index of 3 more", [&] { return index(other); }, "34.1"},
      {"index of 6", [&] { return index(six); }, "37.4"},
      {"max CH 15", [] { return std::to_string(HoleMaximum(4, 15, 10)); }, "7"},
      {"max CH 19", [] { return std::to_string(HoleMaximum(4, 19, 5)); }, "7"},
      {"105 at CH 19", [&] { return std::to_string(HolesAgs(gross105, 19, si105)); }, "103"},
      {"max CH 24 par 4", [] { return std::to_string(HoleMaximum(4, 24, 5)); }, "8"},
      {"max CH 24 par 3", [] { return std::to_string(HoleMaximum(3, 24, 18)); }, "6"},
      {"max CH 10", [] { return std::to_string(HoleMaximum(4, 10, 15)); }, "6"},
      {"80 at CH 10", [&] { return std::to_string(HolesAgs(gross80, 10, si80)); }, "78"},
      {"CH 11.4", [] { return std::to_string(CourseHandicap(114, "75.1", "132", "71")); }, "17"},
      {"CH 27.7", [] { return std::to_string(CourseHandicap(277, "71.1", "129", "72")); }, "31"},
      {"CH 7.9", [] { return std::to_string(CourseHandicap(79, "71.1", "129", "72")); }, "8"},
      {"soft 11.6 / 6.5", [&] { return capped(116, 65); }, "10.6 soft"},
      {"hard 18.2 / 10.2", [&] { return capped(182, 102); }, "15.2 hard"},
      {"soft 13.4 / 10.0", [&] { return capped(134, 100); }, "13.2 soft"},
      {"soft 17.1 / 13.1", [&] { return capped(171, 131); }, "16.6 soft"},
  };
  for (const auto& v : vectors) EXPECT_EQ(v.actual(), v.expected) << v.what;
  EXPECT_EQ(std::accumulate(gross105.Score.begin(), gross105.Score.end(), 0), 105);
  EXPECT_EQ(std::accumulate(gross80.Score.begin(), gross80.Score.end(), 0), 80);
}

TEST(Whs, TextsAreTakenAtTheirExactDecimalValue) {
  const struct {
    const char* text;
    std::optional<int> tenths;
  } cases[] = {
      {"8.45", 85},    {"18.688", 187}, {"-1.54", -15}, {"-1.55", -15},
      {"-1.56", -16},  {"72", 720},     {" 72.1", 721}, {"72.1 ", 721},
      {"+72.1", 721},  {"7.21e1", 721}, {"72.05", 721}, {"0.15", 2},
      {"-0.05", 0},    {"1e-9", 0},     {"0e99999", 0}, {".5", 5},
      {"720E-1", 720}, {"abc", {}},     {"", {}},       {"72.1x", {}},
      {"inf", {}},     {"1e9", {}},     {"72,1", {}},   {"9999999.9", 99999999},
  };
  for (const auto& c : cases) {
    int tenths = 12345;
    const bool ok = TryTenths(c.text, tenths);
    EXPECT_EQ(ok ? std::optional<int>(tenths) : std::nullopt, c.tenths) << "'" << c.text << "'";
  }
  EXPECT_EQ(RoundHalfUp(35, 2), 18);
  EXPECT_EQ(RoundHalfUp(-1, 2), 0);
  EXPECT_EQ(RoundHalfUp(-3, 2), -1);
  EXPECT_EQ(RoundHalfUp(-7, 3), -2);
  EXPECT_EQ(Refusal([] { RatingTenths("7O.1"); }), "'7O.1' is not a valid floating point value");
  EXPECT_EQ(Refusal([] { SlopeTenths("0.0"); }), "'0.0' is not a valid floating point value");
  EXPECT_EQ(Refusal([] { ReplayWhs(Table({Round("20240230", 90)}), {}, {}); }),
            "'02/30/2024' is not a valid date");
}

// The lowest (and highest) AGS without stroke indexes equals the least
// (and greatest) net double bogey AGS over every choice of the holes that
// take the odd strokes (or give them back).
TEST(Whs, WithoutStrokeIndexesTheLowestOverEveryPlacement) {
  const Holes18 steady = {5, 5, 4, 6, 5, 5, 4, 6, 5, 5, 5, 4, 6, 5, 5, 4, 6, 5};
  const Holes18 wild = {9, 4, 7, 5, 8, 6, 3, 10, 4, 6, 7, 3, 9, 5, 6, 2, 8, 11};
  const Holes18 high = {9, 9, 8, 10, 9, 9, 8, 10, 9, 9, 9, 8, 10, 9, 9, 8, 10, 9};
  const struct {
    const Holes18* scores;
    int ch;
  } cases[] = {{&steady, 0}, {&steady, 9},  {&wild, 5},   {&wild, 17},  {&wild, 22},
               {&wild, 40},  {&high, 13},   {&high, 30},  {&high, 54},  {&wild, -3},
               {&high, -7},  {&steady, -2}, {&wild, -18}, {&high, -25}, {&high, 60}};
  for (const auto& c : cases) {
    HoleFigures holes{*c.scores, kOakPars};
    const int odd = c.ch >= 0 ? c.ch % HoleCount : std::min(-c.ch, HoleCount);
    int lowest = INT_MAX, highest = INT_MIN;
    // Every subset of odd holes (Gosper's hack); those holes get the stroke
    // indexes 1.. (18.. under a plus handicap), the others the rest.
    for (std::uint32_t set = (1u << odd) - 1; set < (1u << HoleCount);) {
      StrokeIndex si;
      int inside = 0, outside = odd;
      for (int h = 0; h < HoleCount; ++h) si[h] = (set >> h) & 1 ? ++inside : ++outside;
      if (c.ch < 0) {
        for (int& s : si) s = HoleCount + 1 - s;
      }
      const int ags = HolesAgs(holes, c.ch, si);
      lowest = std::min(lowest, ags);
      highest = std::max(highest, ags);
      if (set == 0) break;
      const std::uint32_t low = set & -set, ripple = set + low;
      set = (((ripple ^ set) >> 2) / low) | ripple;
    }
    const AgsRange range = AgsWithoutStrokeIndex(holes, c.ch);
    EXPECT_EQ(range.Lowest, lowest) << "CH " << c.ch;
    EXPECT_EQ(range.Highest, highest) << "CH " << c.ch;
  }
}

TEST(Whs, HoleMaximaUnderPlusAndHighHandicaps) {
  const struct {
    std::optional<int> ch;
    int si;
    int maximum;  // par 4
  } cases[] = {{std::nullopt, 1, 9}, {0, 1, 6},   {1, 1, 7},   {1, 2, 6},   {18, 18, 7},
               {53, 17, 9},          {53, 18, 8}, {54, 18, 9}, {-1, 18, 5}, {-1, 17, 6},
               {-2, 17, 5},          {-18, 1, 5}, {-30, 1, 5}, {-30, 18, 5},
               {55, 1, 9},           {55, 2, 9},  {72, 18, 9}};
  for (const auto& c : cases) {
    EXPECT_EQ(HoleMaximum(4, c.ch, c.si), c.maximum) << Shown(c.ch) << " SI " << c.si;
  }
  // A plus index of 3.0 at rating 70.0, slope 113, par 72: CH -5, so the holes
  // of stroke index 14 to 18 count at most par + 1 and the others par + 2.
  EXPECT_EQ(CourseHandicap(-30, 1130, 700, 72), -5);
  const TCourseRec oak = Course("OAK", "70.0", "113", kOakPars);
  Holes18 scores = kOakPars;
  scores[14] += 3;  // SI 18: counts par + 1
  scores[17] += 2;  // SI 14: counts par + 1
  scores[8] += 3;   // SI 13: counts par + 2
  const TScoreRec round = Round("20240101", 0, "OAK", "70.0", "113", &scores);
  const auto ags = [&](const StrokeIndex* si, int index) {
    const Ags a = AdjustedGrossScore(round, &oak, si, index);
    return std::to_string(a.Value) + " " + BasisText(a.Basis);
  };
  EXPECT_EQ(ags(&kOakSi, -30), "76 holes");   // 72 + 1 + 1 + 2
  EXPECT_EQ(ags(nullptr, -30), "75 lowest");  // three holes can give a stroke back
  EXPECT_EQ(ags(nullptr, 200), "80 holes");   // CH 18: a stroke on every hole, nothing to place
}

// Five rounds of SD 20.0 make an index of 20.0, twenty an index of 20.0 too;
// then an SD of 8.0 earns 2.0 for itself and the 19 rounds before it. The
// reduced SDs (18.0, and 6.0 for the exceptional one) leave the record one a
// round as SDs of 20.0 follow.
TEST(Whs, AnExceptionalScoreOverTheTwentyRoundsThatFollow) {
  std::vector<TScoreRec> rounds;
  for (int i = 0; i < 20; ++i) rounds.push_back(Round(DateOfDay(i), 92));
  rounds.push_back(Round(DateOfDay(20), 80));
  for (int i = 21; i <= 40; ++i) rounds.push_back(Round(DateOfDay(i), 92));
  const Estimate estimate = ReplayWhs(Table(rounds), {}, {});
  ASSERT_EQ(estimate.Rows.size(), 41u);
  // Index after the exceptional round and each of the 20 that follow:
  // 6.0 + 7 x 18.0 while seven reduced 18.0s remain, then 20.0s take their place.
  // The last, 20.0, is 3.5 above the low of 16.5: soft-capped to 19.8.
  const char* after[] = {"16.5", "16.5", "16.5", "16.5", "16.5", "16.5", "16.5",
                         "16.5", "16.5", "16.5", "16.5", "16.5", "16.5", "16.8",
                         "17.0", "17.3", "17.5", "17.8", "18.0", "18.3", "19.8"};
  for (int k = 0; k <= 20; ++k) {
    const Row& row = estimate.Rows[40 - (20 + k)];
    EXPECT_EQ(Shown(row.IndexAfter), after[k]) << k << " rounds after";
    EXPECT_EQ(row.Esr, k == 0 ? 20 : 0) << k;
    EXPECT_EQ(row.Applied, k == 20 ? Cap::Soft : Cap::None) << k;
  }
  for (int i = 0; i < 20; ++i) EXPECT_EQ(estimate.Rows[40 - i].Esr, i == 0 ? 0 : 20) << i;
  EXPECT_EQ(estimate.Rows[40 - 20].Sd, 80);
}

TEST(Whs, ReductionsAddUp) {
  const struct {
    int before, sd, reduction;
  } edges[] = {{140, 70, 10}, {140, 71, 0}, {200, 100, 20}, {200, 101, 10}, {-20, -90, 10}};
  for (const auto& e : edges) {
    EXPECT_EQ(ExceptionalReduction(e.before, e.sd), e.reduction) << e.before << " " << e.sd;
  }
  std::vector<TScoreRec> rounds;
  for (int i = 0; i < 5; ++i) rounds.push_back(Round(DateOfDay(i), 92));
  rounds.push_back(Round(DateOfDay(5), 80));  // 20.0 - 8.0: 2.0 to rounds 1-6, index 11.0
  rounds.push_back(Round(DateOfDay(6), 73));  // 11.0 - 1.0: 2.0 to rounds 1-7
  const Estimate estimate = ReplayWhs(Table(rounds), {}, {});
  ASSERT_EQ(estimate.Rows.size(), 7u);
  EXPECT_EQ(Shown(estimate.Rows[1].IndexAfter), "11.0");
  EXPECT_EQ(estimate.Rows[6].Esr, 40);
  EXPECT_EQ(estimate.Rows[1].Esr, 40);
  EXPECT_EQ(estimate.Rows[0].Esr, 20);
  EXPECT_EQ(Shown(estimate.Index), "1.5");  // (-1.0 + 4.0) / 2
  EXPECT_TRUE(estimate.Rows[0].Used && estimate.Rows[1].Used && !estimate.Rows[2].Used);
}

// 19 old rounds (the oldest SD -20.0, the others 20.0), one at day D (index
// 15.0 against no lower one) and one after it, which drops the -20.0: 20.0
// calculated, soft-capped against 15.0 while D lies within 365 days.
TEST(Whs, TheLowIndexLooksBack365Days) {
  const struct {
    int gap;
    const char* index;
    Cap cap;
    const char* low;
  } cases[] = {{364, "19.0", Cap::Soft, "15.0"},
               {365, "19.0", Cap::Soft, "15.0"},
               {366, "20.0", Cap::None, "none"}};
  const int day = 400;
  for (const auto& c : cases) {
    std::vector<TScoreRec> rounds;
    for (int i = 0; i < 19; ++i) rounds.push_back(Round(DateOfDay(i), i == 0 ? 52 : 92));
    rounds.push_back(Round(DateOfDay(day), 92));
    rounds.push_back(Round(DateOfDay(day + c.gap), 92));
    const Estimate estimate = ReplayWhs(Table(rounds), {}, {});
    EXPECT_EQ(Shown(estimate.Rows[1].IndexAfter), "15.0") << c.gap;
    EXPECT_EQ(estimate.Rows[1].Applied, Cap::None) << c.gap;
    EXPECT_EQ(Shown(estimate.Index), c.index) << c.gap;
    EXPECT_EQ(estimate.LastCap, c.cap) << c.gap;
    EXPECT_EQ(Shown(estimate.LowIndex), c.low) << c.gap;
  }
  // Below a record of 20 nothing is capped: SDs 0.0 then five of 10.0 give
  // -2.0, -1.0, 0.0 and then 4.0.
  std::vector<TScoreRec> few = {Round(DateOfDay(0), 72)};
  for (int i = 1; i < 6; ++i) few.push_back(Round(DateOfDay(i), 82));
  const Estimate early = ReplayWhs(Table(few), {}, {});
  EXPECT_EQ(Shown(early.Index), "4.0");
  EXPECT_EQ(early.LastCap, Cap::None);
  EXPECT_FALSE(early.LowIndex.has_value());
  // The caps wait for a full record: three SDs of 0.0 (index -2.0, the low)
  // then SDs of 20.0; the 19th round's 11.4 stands, the 20th's 12.5 is held
  // to 3.0.
  std::vector<TScoreRec> filling;
  for (int i = 0; i < 20; ++i) filling.push_back(Round(DateOfDay(i), i < 3 ? 72 : 92));
  const Estimate full = ReplayWhs(Table(filling), {}, {});
  EXPECT_EQ(Shown(full.Rows[1].IndexAfter), "11.4");
  EXPECT_EQ(full.Rows[1].Applied, Cap::None);
  EXPECT_EQ(Shown(full.Index), "3.0");
  EXPECT_EQ(full.LastCap, Cap::Hard);
  // And never above 54.0: SDs of 70.0 give 68.0, then 69.0, both held at 54.0.
  const Estimate high = ReplayWhs(Table({Round("20240101", 142), Round("20240102", 142),
                                         Round("20240103", 142), Round("20240104", 142)}),
                                  {}, {});
  EXPECT_EQ(Shown(high.Rows[1].IndexAfter) + " " + Shown(high.Index), "54.0 54.0");
}

// Three rounds of SD 20.0 (index 18.0); then two on one day, SD 10.0 played
// first (the higher table position) and SD 10.5: both are measured against
// 18.0 and earn 1.0, although the first already brought the index to 8.0.
TEST(Whs, RoundsOfTheSameDayShareTheIndexBefore) {
  TScoreTable table = Table({Round("20230601", 92), Round("20230602", 92), Round("20230603", 92),
                             Round("20230604", 82), Round("20230604", 83, "MAPLE", "72.5")});
  std::swap(table.Entries[3], table.Entries[4]);  // unsorted: the earlier day first
  const Estimate estimate = ReplayWhs(table, {}, {});
  ASSERT_EQ(estimate.Rows.size(), 5u);
  // Adjusted then 18.0, 18.0, 18.0, 8.0, 9.5.
  EXPECT_EQ(RowText(estimate.Rows[0]), "20230604 83 stored 10.5 1.0 . 8.0 .");
  EXPECT_EQ(RowText(estimate.Rows[1]), "20230604 82 stored 10.0 2.0 * 8.0 .");
  EXPECT_EQ(RowText(estimate.Rows[4]), "20230601 92 stored 20.0 2.0 . none .");
}

// A golfer of 25 rounds from 03/04/2023 to 06/15/2024, worked by hand. MAPLE is
// not in the list (stored, SD = total - 72); OAK 70.0/113 par 72 has stroke
// indexes (SD = AGS - 70); PINE 72.4/125 par 72 has none.
//  3 no index, par + 5 at most: the 10 on h5 counts 9, 90 -> 89.
//  5 CH 14.0 - 2 = 12 (SI 1-12 par + 3, else par + 2): h2 7->6, h5 8->7, h15 7->6: 89.
//  6 CH (150 x 1250 + 1130 x 4) / 11300 = 16.99 -> 17; par + 2 caps give 90 with 3
//    holes above it, 15 holes absorb 15 of the 17 strokes: 92; SD 221480/1250 -> 17.7.
// 13 lowest 4: (13 + 14 + 15 + 15) / 4 = 14.25 -> 14.3. 17: 14.2 - 6.0 = 8.2: 1.0 off 1-17.
// 20 low over 04/21/2023-04/19/2024 is 11.8; 5 12 13 13 14 14 15 15 / 8 = 12.625 -> 12.6.
// 21, 22 one day, both against 12.6; 21 CH 10.6 -> 11: h4 9->8, h11 7->6, h13 8->7: 91.
//    22: 5 12 12 13 13 14 14 15 / 8 = 12.25 -> 12.3.
// 23 CH 14.01 -> 14, base 86 with 3 holes above par + 2: 86, SD 122.94 -> 12.3; 11.9.
// 24, 25: 5 12 12 12.3 13 13 14 15 / 8 -> 12.0 (round 20's 15.0 is the more recent).
TEST(Whs, AGolferOfTwentyFiveRoundsWorkedByHand) {
  const Holes18 a = {5, 5, 4, 6, 10, 5, 4, 6, 5, 4, 4, 3, 6, 5, 4, 4, 5, 5};
  const Holes18 b = {5, 7, 4, 6, 8, 5, 3, 6, 5, 4, 5, 3, 5, 5, 7, 3, 6, 5};
  const Holes18 c = {5, 6, 4, 7, 5, 4, 4, 6, 5, 5, 4, 6, 5, 6, 5, 3, 5, 8};
  const Holes18 d = {5, 5, 6, 9, 5, 4, 3, 6, 5, 4, 7, 3, 8, 5, 5, 4, 5, 5};
  const Holes18 e = {4, 5, 3, 7, 5, 4, 5, 6, 5, 4, 5, 3, 7, 6, 4, 6, 4, 6};
  const auto oak = [](const char* date, const Holes18& h) {
    return Round(date, 0, "Oak", "70.0", "113", &h);
  };
  const auto pine = [](const char* date, const Holes18& h) {
    return Round(date, 0, "pine", "72.4", "125", &h);
  };
  TScoreRec unfinished = Round("20230901", 0);
  TScoreTable table = Table({Round("20230304", 90), Round("20230318", 88),
                             oak("20230401", a),    Round("20230415", 87),
                             oak("20230429", b),    pine("20230513", c),
                             Round("20230527", 89), Round("20230610", 86),
                             Round("20230624", 91), Round("20230708", 88),
                             Round("20230722", 85), Round("20230805", 90),
                             Round("20230819", 87), unfinished,
                             Round("20230902", 92), Round("20230916", 86),
                             Round("20230930", 89), Round("20231014", 78),
                             Round("20231028", 88), Round("20240406", 90),
                             Round("20240420", 87), oak("20240504", d),
                             Round("20240504", 84), pine("20240518", e),
                             Round("20240601", 93), Round("20240615", 91)});
  TCourseTable courses;
  courses.Entries = {Course("PINE", "72.4", "125", kPinePars),
                     Course("OAK", "70.0", "113", kOakPars),
                     Course("oak", "60.0", "55", kPinePars)};
  TStrokeTable strokes;
  strokes.Entries.push_back({"", "oak", true, kOakSi});
  const Estimate estimate = ReplayWhs(table, courses, strokes);

  const char* expected[] = {
      "20230304 90 stored 18.0 1.0 . none", "20230318 88 stored 16.0 1.0 . none",
      "20230401 89 holes 19.0 1.0 . 14.0",  "20230415 87 stored 15.0 1.0 . 14.0",
      "20230429 89 holes 19.0 1.0 . 15.0",  "20230513 92 lowest 17.7 1.0 . 14.5",
      "20230527 89 stored 17.0 1.0 . 15.5", "20230610 86 stored 14.0 1.0 * 14.5",
      "20230624 91 stored 19.0 1.0 . 15.0", "20230708 88 stored 16.0 1.0 . 15.0",
      "20230722 85 stored 13.0 1.0 * 14.0", "20230805 90 stored 18.0 1.0 . 14.5",
      "20230819 87 stored 15.0 1.0 * 14.3", "20230902 92 stored 20.0 1.0 . 14.3",
      "20230916 86 stored 14.0 1.0 * 14.2", "20230930 89 stored 17.0 1.0 . 14.2",
      "20231014 78 stored 6.0 1.0 * 11.8",  "20231028 88 stored 16.0 . . 11.8",
      "20240406 90 stored 18.0 . . 12.3",   "20240420 87 stored 15.0 . * 12.6",
      "20240504 91 holes 21.0 . . 12.6",    "20240504 84 stored 12.0 . * 12.3",
      "20240518 86 lowest 12.3 . * 11.9",   "20240601 93 stored 21.0 . . 12.0",
      "20240615 91 stored 19.0 . . 12.0"};
  ASSERT_EQ(estimate.Rows.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    // No round is capped.
    EXPECT_EQ(RowText(estimate.Rows[std::size(expected) - 1 - i]), std::string(expected[i]) + " .")
        << "round " << i + 1;
  }
  EXPECT_EQ(estimate.Rows[4].Course, "Oak");  // played first of its day
  EXPECT_EQ(estimate.Rows[4].Position, 5);
  EXPECT_EQ(estimate.Rows[12].Position, 14);  // past the unfinished round
  EXPECT_EQ(Shown(estimate.Index), "12.0");
  EXPECT_EQ(Shown(estimate.LowIndex), "11.8");
  EXPECT_EQ(estimate.LastCap, Cap::None);
  // The course table of the window: at 12.0, OAK 12.0 + (70 - 72) = 10, PINE 13.67 -> 14.
  EXPECT_EQ(CourseHandicap(*estimate.Index, "70.0", "113", "72"), 10);
  EXPECT_EQ(CourseHandicap(*estimate.Index, "72.4", "125", "72"), 14);
}

// The insight window's summary of a capped index, and a course whose figures
// are not numbers left blank among the others.
TEST(Whs, TheViewOfTheInsightWindow) {
  std::vector<TScoreRec> rounds;
  for (int i = 0; i <= 40; ++i) rounds.push_back(Round(DateOfDay(i), i == 20 ? 80 : 92));
  TCourseTable courses;
  courses.Entries = {Course("ELM", "72.0", "113", kPinePars),
                     Course("BROKEN", "7x", "113", kPinePars),
                     Course("HIGH", "74.3", "140", kOakPars)};
  const View view = ViewOf(Table(rounds), courses, {});
  EXPECT_EQ(SummaryText(view),
            "World Handicap System estimate: 19.8    Low Handicap Index: 16.5    Cap on the last "
            "index: soft");
  // 19.8 x 140 / 113 + 2.3 = 26.83 -> 27.
  std::string cells;
  for (const CourseRow& row : view.Courses)
    for (const std::string& cell : CourseCells(row)) cells += cell + "|";
  EXPECT_EQ(cells, "ELM|20|92|BROKEN|||HIGH|27|99|");
  const View early = ViewOf(Table({Round("20240101", 90)}), courses, {});
  EXPECT_EQ(SummaryText(early) + " " + std::to_string(early.Courses.size()),
            "World Handicap System estimate: no index yet 0");
}

}  // namespace
}  // namespace qm::whs
