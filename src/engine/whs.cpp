#include "engine/whs.h"

#include <algorithm>
#include <climits>
#include <deque>
#include <stdexcept>

#include "engine/index.h"
#include "engine/tenths.h"
#include "store/calendar.h"
#include "store/courses.h"
#include "store/errors.h"
#include "store/text.h"

namespace qm::whs {

namespace {

constexpr int kRatingLimit = 9999;  // 999.9
constexpr int kSlopeLimit = 9999;
constexpr int kScoreLimit = 9999;
constexpr int kHoleLimit = 99;
constexpr int kLowWindowDays = 365;

int ParTotal(const std::string& text) {
  int par = StrToInt(text);
  if (par < -kScoreLimit || par > kScoreLimit) ThrowNotInteger(text);
  return par;
}

// A whole number from low to high, else nullopt. The one or two digits
// that fill a hole field are read straight; anything else as StrToInt does.
std::optional<int> WholeIn(const std::string& text, int low, int high) {
  int value = 0;
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (text.size() == 1 && digit(text[0])) {
    value = text[0] - '0';
  } else if (text.size() == 2 && digit(text[0]) && digit(text[1])) {
    value = (text[0] - '0') * 10 + (text[1] - '0');
  } else if (!TryStrToInt(CutAtNul(text), value)) {
    return std::nullopt;
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

using Holes18 = std::array<int, HoleCount>;

// The 18 whole numbers from 1 to 99 of fields, or nullopt.
std::optional<Holes18> HoleNumbers(const std::array<std::string, HoleCount>& fields) {
  Holes18 numbers;
  for (int h = 0; h < HoleCount; ++h) {
    auto value = WholeIn(fields[h], 1, kHoleLimit);
    if (!value) return std::nullopt;
    numbers[h] = *value;
  }
  return numbers;
}

int StoredAgs(const TScoreRec& round) {
  if (auto adjusted = WholeIn(round.AdjScore, 1, kScoreLimit)) return *adjusted;
  const std::string total = CutAtNul(round.ScoreTotal);
  int value = StrToInt(total);
  if (value < -kScoreLimit || value > kScoreLimit) ThrowNotInteger(total);
  return value;
}

// The day number of a yyyymmdd key; throws for a key that is no calendar
// date.
int DayNumber(const std::string& key) {
  const std::optional<CivilDate> date = DateOfKey(key);
  if (!date) throw QmError("'" + DateKeyToDisplay(key) + "' is not a valid date");
  return qm::DayNumber(*date);
}

// The number of differentials averaged and the adjustment, by count.
struct Averaging {
  int Count;
  int Adjustment;
};
constexpr Averaging kAveraging[RecordSize + 1] = {
    {0, 0}, {0, 0}, {0, 0}, {1, -20}, {1, -10}, {1, 0}, {2, -10}, {2, 0}, {2, 0}, {3, 0}, {3, 0},
    {3, 0}, {4, 0}, {4, 0}, {4, 0},   {5, 0},   {5, 0}, {6, 0},   {6, 0}, {7, 0}, {8, 0}};

}  // namespace

int RatingTenths(const std::string& text) {
  int tenths = 0;
  if (!TryTenths(text, tenths) || tenths < -kRatingLimit || tenths > kRatingLimit) {
    ThrowNotFloat(text);
  }
  return tenths;
}

int SlopeTenths(const std::string& text) {
  int tenths = 0;
  if (!TryTenths(text, tenths) || tenths < 1 || tenths > kSlopeLimit) ThrowNotFloat(text);
  return tenths;
}

int ScoreDifferential(int ags, int rating10, int slope10) {
  if (slope10 <= 0) throw std::invalid_argument("a slope must be above 0");
  return static_cast<int>(
      RoundHalfUp(1130 * (10 * std::int64_t{ags} - rating10), std::int64_t{slope10}));
}

int CourseHandicap(int index10, int slope10, int rating10, int par) {
  const std::int64_t num =
      std::int64_t{index10} * slope10 + 1130 * (std::int64_t{rating10} - 10 * std::int64_t{par});
  const std::int64_t handicap = RoundHalfUp(num, 11300);
  if (handicap < INT_MIN || handicap > INT_MAX) ThrowNotFloat(TenthsText(index10));
  return static_cast<int>(handicap);
}

int CourseHandicap(int index10, const std::string& rating, const std::string& slope,
                   const std::string& parTotal) {
  return CourseHandicap(index10, SlopeTenths(CutAtNul(slope)), RatingTenths(CutAtNul(rating)),
                        ParTotal(CutAtNul(parTotal)));
}

int HoleMaximum(int par, std::optional<int> courseHandicap, int strokeIndex) {
  if (!courseHandicap) return par + 5;
  const int ch = *courseHandicap;
  if (ch < 0) return strokeIndex >= HoleCount + 1 + std::max(ch, -HoleCount) ? par + 1 : par + 2;
  const int strokes = ch / HoleCount + (strokeIndex <= ch % HoleCount ? 1 : 0);
  return strokes >= 3 ? par + 5 : par + 2 + strokes;
}

int HolesAgs(const HoleFigures& holes, std::optional<int> courseHandicap,
             const StrokeIndex& strokeIndex) {
  int ags = 0;
  for (int h = 0; h < HoleCount; ++h) {
    ags += std::min(holes.Score[h], HoleMaximum(holes.Par[h], courseHandicap, strokeIndex[h]));
  }
  return ags;
}

AgsRange AgsWithoutStrokeIndex(const HoleFigures& holes, int courseHandicap) {
  // Each hole counts one of two values, as it receives the odd stroke (or,
  // under a plus handicap, gives one back) or not; "changing" holes are
  // those where the two differ by one. The r odd strokes fall on changing
  // holes as late (lowest) or as early (highest) as they can.
  int base = 0;
  int changing = 0;
  int odd = 0;
  int sign = 1;
  for (int h = 0; h < HoleCount; ++h) {
    const int score = holes.Score[h];
    const int par = holes.Par[h];
    int without, with;
    if (courseHandicap >= 0) {
      const int b = courseHandicap / HoleCount;
      without = std::min(score, b >= 3 ? par + 5 : par + 2 + b);
      with = std::min(score, b >= 2 ? par + 5 : par + 3 + b);
    } else {
      without = std::min(score, par + 2);
      with = std::min(score, par + 1);
    }
    base += without;
    if (with != without) ++changing;
  }
  if (courseHandicap >= 0) {
    odd = courseHandicap % HoleCount;
  } else {
    odd = std::min(-courseHandicap, HoleCount);
    sign = -1;
  }
  const int fewest = std::max(0, odd - (HoleCount - changing));
  const int most = std::min(odd, changing);
  if (sign > 0) return {base + fewest, base + most};
  return {base - most, base - fewest};
}

namespace {

// The AGS of a round whose holes decide, with the course handicap when an
// index was in effect.
Ags AgsOfHoles(const HoleFigures& holes, const StrokeIndex* strokes,
               std::optional<int> courseHandicap) {
  if (!courseHandicap) return {HolesAgs(holes, std::nullopt, StrokeIndex{}), AgsBasis::Holes};
  if (strokes) return {HolesAgs(holes, courseHandicap, *strokes), AgsBasis::Holes};
  const AgsRange range = AgsWithoutStrokeIndex(holes, *courseHandicap);
  return {range.Lowest, range.Lowest == range.Highest ? AgsBasis::Holes : AgsBasis::Lowest};
}

}  // namespace

Ags AdjustedGrossScore(const TScoreRec& round, const TCourseRec* course, const StrokeIndex* strokes,
                       std::optional<int> indexBefore) {
  std::optional<Holes18> pars;
  std::optional<Holes18> scores;
  if (course) pars = HoleNumbers(course->HolePar);
  if (pars) scores = HoleNumbers(round.HoleScore);
  if (!scores) return {StoredAgs(round), AgsBasis::Stored};
  std::optional<int> ch;
  if (indexBefore) ch = CourseHandicap(*indexBefore, round.Rating, round.Slope, course->ParTotal);
  return AgsOfHoles(HoleFigures{*scores, *pars}, strokes, ch);
}

int ExceptionalReduction(int indexBefore10, int sd10) {
  const std::int64_t below = std::int64_t{indexBefore10} - sd10;
  if (below >= 100) return 20;
  if (below >= 70) return 10;
  return 0;
}

IndexFromSds IndexFromDifferentials(std::span<const int> sds) {
  if (sds.size() > RecordSize) throw std::invalid_argument("at most 20 differentials");
  IndexFromSds result;
  const Averaging averaging = kAveraging[sds.size()];
  if (averaging.Count == 0) return result;
  // Lowest first; of equal ones the more recent (later) first: each one
  // goes in front of the equal ones already placed. At most 20: an
  // insertion sort.
  std::array<int, RecordSize> order;
  const int n = static_cast<int>(sds.size());
  for (int i = 0; i < n; ++i) {
    int at = i;
    for (; at > 0 && sds[order[at - 1]] >= sds[i]; --at) order[at] = order[at - 1];
    order[at] = i;
  }
  std::int64_t sum = 0;
  for (int i = 0; i < averaging.Count; ++i) sum += sds[order[i]];
  result.Index = static_cast<int>(
      RoundHalfUp(sum + std::int64_t{averaging.Adjustment} * averaging.Count, averaging.Count));
  result.Averaged = averaging.Count;
  std::copy_n(order.begin(), averaging.Count, result.Used.begin());
  return result;
}

Capped ApplyCaps(int index10, int lowIndex10) {
  Capped capped{index10, Cap::None};
  const std::int64_t above = std::int64_t{index10} - lowIndex10;
  if (above > 30) {
    capped.Index = static_cast<int>(lowIndex10 + 30 + RoundHalfUp(above - 30, 2));
    capped.Applied = Cap::Soft;
  }
  if (std::int64_t{capped.Index} - lowIndex10 > 50) {
    capped.Index = lowIndex10 + 50;
    capped.Applied = Cap::Hard;
  }
  return capped;
}

namespace {

// A round that counts, where it stands in the table and the day it was
// played.
struct Played {
  int Position;
  int Day;
};

// By date, and of two rounds with the same date the one at the higher table
// position (the older entry) first.
std::vector<Played> RoundsInPlayOrder(const TScoreTable& table) {
  std::vector<Played> played;
  played.reserve(table.Entries.size());
  for (int position = 1; position <= table.Count(); ++position) {
    const TScoreRec& round = table.At(position);
    if (CountsForIndex(round)) played.push_back({position, DayNumber(CutAtNul(round.Date))});
  }
  std::sort(played.begin(), played.end(), [](const Played& a, const Played& b) {
    return a.Day != b.Day ? a.Day < b.Day : a.Position > b.Position;
  });
  return played;
}

// What the rounds need of their course, worked out once for each course
// played: many rounds share a few courses.
class CourseFactsCache {
 public:
  struct Facts {
    const TCourseRec* Rec = nullptr;
    std::optional<Holes18> Pars;
    const StrokeIndex* Strokes = nullptr;
    std::optional<int> ParTotal;  // read when a course handicap first needs it
  };

  CourseFactsCache(const TCourseTable& courses, const TStrokeTable& strokes)
      : courses_(courses), strokes_(strokes), facts_(courses.Entries.size()) {}

  // The facts of the round's course, nullptr for a course not in the list.
  Facts* Of(const std::string& roundCourse) {
    const int n = FindCourse(courses_, roundCourse);
    if (n == 0) return nullptr;
    std::optional<Facts>& facts = facts_[static_cast<std::size_t>(n - 1)];
    if (!facts) {
      facts.emplace();
      facts->Rec = &courses_.At(n);
      facts->Pars = HoleNumbers(facts->Rec->HolePar);
      facts->Strokes = FindStrokeIndex(strokes_, facts->Rec->CourseName);
    }
    return &*facts;
  }

 private:
  const TCourseTable& courses_;
  const TStrokeTable& strokes_;
  std::vector<std::optional<Facts>> facts_;
};

// The indexes after earlier rounds that may still be the lowest of a
// 365-day window, oldest first and rising: a later lower one makes an
// earlier one irrelevant for every later window.
class LowIndexWindow {
 public:
  void Offer(int day, int index) {
    while (!kept_.empty() && kept_.back().Index >= index) kept_.pop_back();
    kept_.push_back({day, index});
  }
  void MoveTo(int day) {
    while (!kept_.empty() && kept_.front().Day < day - kLowWindowDays) kept_.pop_front();
  }
  std::optional<int> Lowest() const {
    if (kept_.empty()) return std::nullopt;
    return kept_.front().Index;
  }

 private:
  struct Dated {
    int Day;
    int Index;
  };
  std::deque<Dated> kept_;
};

// One replay of a record, round by round in the order played. Rows are
// kept newest first, as the score table; step i (oldest first) fills row
// n - 1 - i.
class Replay {
 public:
  Replay(const TScoreTable& table, const TCourseTable& courses, const TStrokeTable& strokes)
      : table_(table), courses_(courses, strokes), played_(RoundsInPlayOrder(table)) {
    estimate_.Rows.resize(played_.size());
    adjusted_.resize(played_.size());
  }

  Estimate Run() {
    for (int i = 0; i < Count(); ++i) {
      StartDay(i);
      ScoreRound(i);
      GiveReduction(i);
      IndexAfter(i);
    }
    return std::move(estimate_);
  }

 private:
  int Count() const { return static_cast<int>(played_.size()); }
  Row& RowOf(int i) { return estimate_.Rows[static_cast<std::size_t>(Count() - 1 - i)]; }
  // The first of the 20 most recent rounds at step i.
  static int RecordStart(int i) { return std::max(0, i + 1 - RecordSize); }

  // A new day takes the index after the last round of the days before as
  // the index in effect, and offers those rounds' indexes to the window.
  void StartDay(int i) {
    const int day = played_[static_cast<std::size_t>(i)].Day;
    if (i > 0 && day != played_[static_cast<std::size_t>(i - 1)].Day) {
      indexBefore_ = RowOf(i - 1).IndexAfter;
      for (; offered_ < i; ++offered_) {
        const std::optional<int>& after = RowOf(offered_).IndexAfter;
        if (after) low_.Offer(played_[static_cast<std::size_t>(offered_)].Day, *after);
      }
    }
    low_.MoveTo(day);
  }

  // The round's AGS (its holes when they and the course's pars are known,
  // else what was stored) and its differential.
  void ScoreRound(int i) {
    const TScoreRec& round = table_.At(played_[static_cast<std::size_t>(i)].Position);
    const int rating = RatingTenths(CutAtNul(round.Rating));
    const int slope = SlopeTenths(CutAtNul(round.Slope));
    Row& row = RowOf(i);
    row.Position = played_[static_cast<std::size_t>(i)].Position;
    row.DateKey = CutAtNul(round.Date);
    row.Course = CutAtNul(round.Course);
    CourseFactsCache::Facts* facts = courses_.Of(row.Course);
    std::optional<Holes18> scores;
    if (facts && facts->Pars) scores = HoleNumbers(round.HoleScore);
    Ags ags{0, AgsBasis::Stored};
    if (scores) {
      std::optional<int> ch;
      if (indexBefore_) {
        if (!facts->ParTotal) facts->ParTotal = ParTotal(CutAtNul(facts->Rec->ParTotal));
        ch = CourseHandicap(*indexBefore_, slope, rating, *facts->ParTotal);
      }
      ags = AgsOfHoles(HoleFigures{*scores, *facts->Pars}, facts->Strokes, ch);
    } else {
      ags.Value = StoredAgs(round);
    }
    row.Ags = ags.Value;
    row.Basis = ags.Basis;
    row.Sd = ScoreDifferential(ags.Value, rating, slope);
    adjusted_[static_cast<std::size_t>(i)] = row.Sd;
  }

  // An exceptional score lowers every differential of the record, its own
  // included.
  void GiveReduction(int i) {
    if (!indexBefore_) return;
    const int reduction = ExceptionalReduction(*indexBefore_, RowOf(i).Sd);
    if (reduction == 0) return;
    for (int j = RecordStart(i); j <= i; ++j) {
      adjusted_[static_cast<std::size_t>(j)] -= reduction;
      RowOf(j).Esr += reduction;
    }
  }

  // The index from the record, held by the caps once the record is full,
  // and at most 54.0; the last round's also makes the estimate.
  void IndexAfter(int i) {
    const int first = RecordStart(i);
    const IndexFromSds from = IndexFromDifferentials(std::span<const int>(adjusted_).subspan(
        static_cast<std::size_t>(first), static_cast<std::size_t>(i + 1 - first)));
    if (!from.Index) return;
    Row& row = RowOf(i);
    int index = *from.Index;
    std::optional<int> low;
    if (i + 1 >= RecordSize) low = low_.Lowest();
    if (low) {
      const Capped capped = ApplyCaps(index, *low);
      index = capped.Index;
      row.Applied = capped.Applied;
    }
    row.IndexAfter = std::min(index, MaxIndex);
    if (i != Count() - 1) return;
    estimate_.Index = row.IndexAfter;
    estimate_.LowIndex = low;
    estimate_.LastCap = row.Applied;
    for (int k = 0; k < from.Averaged; ++k)
      RowOf(first + from.Used[static_cast<std::size_t>(k)]).Used = true;
  }

  const TScoreTable& table_;
  CourseFactsCache courses_;
  std::vector<Played> played_;
  Estimate estimate_;
  std::vector<int> adjusted_;  // each SD less the reductions given so far
  std::optional<int> indexBefore_;
  LowIndexWindow low_;
  int offered_ = 0;  // the rounds offered to low_ so far
};

}  // namespace

Estimate ReplayWhs(const TScoreTable& table, const TCourseTable& courses,
                   const TStrokeTable& strokes) {
  return Replay(table, courses, strokes).Run();
}

}  // namespace qm::whs
