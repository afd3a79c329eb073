#include "engine/whs.h"

#include <algorithm>
#include <climits>
#include <deque>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

#include "engine/index.h"
#include "store/errors.h"
#include "store/text.h"

namespace qm::whs {

namespace {

constexpr int kTenthsLimit = 100'000'000;
constexpr int kRatingLimit = 9999;  // 999.9
constexpr int kSlopeLimit = 9999;
constexpr int kScoreLimit = 9999;
constexpr int kHoleLimit = 99;
constexpr int kLowWindowDays = 365;

// Compares the digits of a dropped fraction with one half: -1, 0 or 1.
int CompareWithHalf(std::string_view fraction) {
  if (fraction.empty()) return -1;
  if (fraction[0] != '5') return fraction[0] < '5' ? -1 : 1;
  return fraction.find_first_not_of('0', 1) == std::string_view::npos ? 0 : 1;
}

// The exact value of text (already taken by StrToFloat, so of the form
// [sign] digits [. digits] [e [sign] digits], spaces trimmed) in tenths,
// rounded half upward; false beyond kTenthsLimit.
bool ExactTenths(std::string_view text, int& tenths) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string digits;
  std::int64_t exponent = 1;  // tenths: the value times 10
  auto isDigit = [&text](std::size_t at) {
    return at < text.size() && text[at] >= '0' && text[at] <= '9';
  };
  for (; isDigit(i); ++i) digits.push_back(text[i]);
  if (i < text.size() && text[i] == '.') {
    for (++i; isDigit(i); ++i) {
      digits.push_back(text[i]);
      --exponent;
    }
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool down = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) down = text[i++] == '-';
    std::int64_t e = 0;
    for (; isDigit(i); ++i) e = std::min<std::int64_t>(e * 10 + (text[i] - '0'), 1'000'000'000);
    exponent += down ? -e : e;
  }
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) {
    tenths = 0;
    return true;
  }
  std::string_view significant = std::string_view(digits).substr(first);
  std::string_view whole = significant;
  int halfComparison = -1;
  if (exponent < 0) {
    const auto drop = static_cast<std::uint64_t>(-exponent);
    if (drop > significant.size()) {
      whole = {};  // what is dropped is below a tenth of a half
    } else {
      whole = significant.substr(0, significant.size() - drop);
      halfComparison = CompareWithHalf(significant.substr(significant.size() - drop));
    }
    exponent = 0;
  }
  if (whole.size() + static_cast<std::uint64_t>(exponent) > 9) return false;
  std::int64_t magnitude = 0;
  for (char c : whole) magnitude = magnitude * 10 + (c - '0');
  for (std::int64_t e = 0; e < exponent; ++e) magnitude *= 10;
  // Half upward: an exact half raises a positive value and leaves a
  // negative one nearer zero.
  if (halfComparison > 0 || (halfComparison == 0 && !negative)) ++magnitude;
  if (magnitude > kTenthsLimit) return false;
  tenths = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}

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

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Days since 1 March of year 0 for a yyyymmdd key; throws for a key that
// is no calendar date.
int DayNumber(const std::string& key) {
  const bool digits = key.size() == 8 && std::all_of(key.begin(), key.end(),
                                                     [](char c) { return c >= '0' && c <= '9'; });
  const auto number = [&key, digits](std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; digits && i < from + count; ++i) value = value * 10 + (key[i] - '0');
    return value;
  };
  const int year = number(0, 4);
  const int month = number(4, 2);
  const int day = number(6, 2);
  static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1 ||
      day > kMonthDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0)) {
    throw QmError("'" + DateKeyToDisplay(key) + "' is not a valid date");
  }
  // Counted from March so that the leap day ends a year.
  const int y = month <= 2 ? year - 1 : year;
  const int shifted = month > 2 ? month - 3 : month + 9;
  return 365 * y + y / 4 - y / 100 + y / 400 + (153 * shifted + 2) / 5 + day - 1;
}

// The letters A to Z made small: names equal by EqualCaseBlind have one key.
void FoldCase(std::string& text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
}

std::string CaseKey(std::string_view name) {
  std::string key(name);
  FoldCase(key);
  return key;
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

std::string BasisText(AgsBasis basis) {
  switch (basis) {
    case AgsBasis::Holes: return "holes";
    case AgsBasis::Lowest: return "lowest";
    case AgsBasis::Stored: return "stored";
  }
  return "stored";
}

std::string CapText(Cap cap) {
  switch (cap) {
    case Cap::Soft: return "soft";
    case Cap::Hard: return "hard";
    case Cap::None: return "";
  }
  return "";
}

std::string TenthsText(int tenths) {
  const std::int64_t magnitude = tenths < 0 ? -std::int64_t{tenths} : tenths;
  return (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." +
         std::to_string(magnitude % 10);
}

std::int64_t RoundHalfUp(std::int64_t num, std::int64_t den) {
  // floor((2 num + den) / (2 den)), the floor taken for negative values too.
  const std::int64_t a = 2 * num + den;
  const std::int64_t b = 2 * den;
  std::int64_t q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

bool TryTenths(const std::string& text, int& tenths) {
  // The plain decimals that fill the files ("72.1", "113") need no check of
  // their form; anything else is taken only when StrToFloat takes it.
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const std::size_t point = text.find('.');
  const bool plain =
      !text.empty() && text != "." &&
      std::all_of(text.begin(), text.end(), [&](char c) { return digit(c) || c == '.'; }) &&
      (point == std::string::npos || text.find('.', point + 1) == std::string::npos);
  if (plain) return ExactTenths(text, tenths);
  long double ignored = 0;
  return TryStrToFloat(text, ignored) && ExactTenths(TrimSpaces(text), tenths);
}

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

Estimate ReplayWhs(const TScoreTable& table, const TCourseTable& courses,
                   const TStrokeTable& strokes) {
  struct Played {
    int Position;
    int Day;
  };
  std::vector<Played> played;
  played.reserve(table.Entries.size());
  for (int position = 1; position <= table.Count(); ++position) {
    const TScoreRec& round = table.At(position);
    if (CountsForIndex(round)) played.push_back({position, DayNumber(CutAtNul(round.Date))});
  }
  std::sort(played.begin(), played.end(), [](const Played& a, const Played& b) {
    return a.Day != b.Day ? a.Day < b.Day : a.Position > b.Position;
  });

  // The first course of each name, and what the rounds need of it, worked
  // out once for each course played.
  struct CourseFacts {
    const TCourseRec* Rec = nullptr;
    bool Known = false;  // Pars and Strokes worked out
    std::optional<Holes18> Pars;
    const StrokeIndex* Strokes = nullptr;
    std::optional<int> ParTotal;
  };
  std::unordered_map<std::string, CourseFacts> courseByName;
  for (const TCourseRec& course : courses.Entries) {
    CourseFacts facts;
    facts.Rec = &course;
    courseByName.try_emplace(CaseKey(course.CourseName), facts);
  }
  std::unordered_map<std::string, const StrokeIndex*> strokesByName;
  for (const TStrokeLine& line : strokes.Entries) {
    if (line.Valid) strokesByName.try_emplace(CaseKey(line.CourseName), &line.Index);
  }
  std::string key;

  const int n = static_cast<int>(played.size());
  Estimate estimate;
  estimate.Rows.resize(played.size());
  std::vector<int> adjusted(played.size());  // SD less the reductions so far
  // The indexes after earlier rounds that may still be the lowest of the
  // window, oldest first and rising (a later lower one makes an earlier
  // one irrelevant for every later window).
  struct Dated {
    int Day;
    int Index;
  };
  std::deque<Dated> lowest;
  int inWindow = 0;  // rounds offered to lowest so far
  std::optional<int> indexBefore;
  IndexFromSds last;
  for (int i = 0; i < n; ++i) {
    const TScoreRec& round = table.At(played[i].Position);
    Row& row = estimate.Rows[n - 1 - i];
    const int day = played[i].Day;
    if (i > 0 && day != played[i - 1].Day) {
      indexBefore = estimate.Rows[n - i].IndexAfter;
      for (; inWindow < i; ++inWindow) {
        const std::optional<int>& after = estimate.Rows[n - 1 - inWindow].IndexAfter;
        if (!after) continue;
        while (!lowest.empty() && lowest.back().Index >= *after) lowest.pop_back();
        lowest.push_back({played[inWindow].Day, *after});
      }
    }
    while (!lowest.empty() && lowest.front().Day < day - kLowWindowDays) lowest.pop_front();

    const int rating = RatingTenths(CutAtNul(round.Rating));
    const int slope = SlopeTenths(CutAtNul(round.Slope));
    row.Position = played[i].Position;
    row.DateKey = CutAtNul(round.Date);
    row.Course = CutAtNul(round.Course);
    key = row.Course;
    FoldCase(key);
    std::optional<Holes18> scores;
    CourseFacts* facts = nullptr;
    if (auto found = courseByName.find(key); found != courseByName.end()) {
      facts = &found->second;
      if (!facts->Known) {
        facts->Known = true;
        facts->Pars = HoleNumbers(facts->Rec->HolePar);
        auto si =
            strokesByName.find(CaseKey(StorableText(facts->Rec->CourseName, width::CourseName)));
        if (si != strokesByName.end()) facts->Strokes = si->second;
      }
      if (facts->Pars) scores = HoleNumbers(round.HoleScore);
    }
    Ags ags{0, AgsBasis::Stored};
    if (scores) {
      std::optional<int> ch;
      if (indexBefore) {
        if (!facts->ParTotal) facts->ParTotal = ParTotal(CutAtNul(facts->Rec->ParTotal));
        ch = CourseHandicap(*indexBefore, slope, rating, *facts->ParTotal);
      }
      ags = AgsOfHoles(HoleFigures{*scores, *facts->Pars}, facts->Strokes, ch);
    } else {
      ags.Value = StoredAgs(round);
    }
    row.Ags = ags.Value;
    row.Basis = ags.Basis;
    row.Sd = ScoreDifferential(ags.Value, rating, slope);
    adjusted[i] = row.Sd;

    const int first = std::max(0, i + 1 - RecordSize);
    if (indexBefore) {
      if (int reduction = ExceptionalReduction(*indexBefore, row.Sd)) {
        for (int j = first; j <= i; ++j) {
          adjusted[j] -= reduction;
          estimate.Rows[n - 1 - j].Esr += reduction;
        }
      }
    }
    last = IndexFromDifferentials(std::span<const int>(adjusted).subspan(first, i + 1 - first));
    if (!last.Index) continue;
    int index = *last.Index;
    std::optional<int> low;
    if (i + 1 >= RecordSize && !lowest.empty()) {
      low = lowest.front().Index;
      const Capped capped = ApplyCaps(index, *low);
      index = capped.Index;
      row.Applied = capped.Applied;
    }
    row.IndexAfter = std::min(index, MaxIndex);
    if (i == n - 1) {
      estimate.Index = row.IndexAfter;
      estimate.LowIndex = low;
      estimate.LastCap = row.Applied;
      for (int k = 0; k < last.Averaged; ++k)
        estimate.Rows[n - 1 - (first + last.Used[k])].Used = true;
    }
  }
  return estimate;
}

std::array<std::string, 9> RowCells(const Row& row) {
  return {DateKeyToDisplay(row.DateKey),
          CutAtNul(row.Course),
          std::to_string(row.Ags),
          BasisText(row.Basis),
          TenthsText(row.Sd),
          row.Esr != 0 ? TenthsText(row.Esr) : "",
          row.Used ? "*" : "",
          row.IndexAfter ? TenthsText(*row.IndexAfter) : "",
          CapText(row.Applied)};
}

std::array<std::string, 3> CourseCells(const CourseRow& row) {
  return {row.Course, row.Handicap ? std::to_string(*row.Handicap) : "",
          row.NetParTarget ? std::to_string(*row.NetParTarget) : ""};
}

View ViewOf(const TScoreTable& table, const TCourseTable& courses, const TStrokeTable& strokes) {
  View view;
  try {
    view.Result = ReplayWhs(table, courses, strokes);
  } catch (const QmError& error) {
    view.Failure = error.what();
    return view;
  }
  if (!view.Result->Index) return view;
  for (const TCourseRec& course : courses.Entries) {
    CourseRow& row = view.Courses.emplace_back();
    row.Course = CutAtNul(course.CourseName);
    try {
      const int handicap =
          CourseHandicap(*view.Result->Index, course.Rating, course.Slope, course.ParTotal);
      const int par = StrToInt(course.ParTotal);
      row.Handicap = handicap;
      row.NetParTarget = par + handicap;
    } catch (const QmError&) {
      // The course shows no figures; the others still do.
    }
  }
  return view;
}

std::string SummaryText(const View& view) {
  std::string text = "World Handicap System estimate: ";
  if (!view.Result) return text + "none, because " + view.Failure + ".";
  const Estimate& estimate = *view.Result;
  text += estimate.Index ? TenthsText(*estimate.Index) : "no index yet";
  if (estimate.LowIndex) text += "    Low Handicap Index: " + TenthsText(*estimate.LowIndex);
  if (estimate.LastCap != Cap::None)
    text += "    Cap on the last index: " + CapText(estimate.LastCap);
  return text;
}

std::string NoteText(const View& view) {
  std::string text =
      "The estimate leaves out the playing conditions of each day (taken as 0) and 9-hole "
      "rounds, which are not kept.";
  std::vector<std::string> lowest;
  if (view.Result)
    for (auto row = view.Result->Rows.rbegin(); row != view.Result->Rows.rend(); ++row) {
      if (row->Basis != AgsBasis::Lowest) continue;
      const std::string name = CutAtNul(row->Course);
      if (std::none_of(lowest.begin(), lowest.end(),
                       [&](const std::string& seen) { return EqualCaseBlind(seen, name); }))
        lowest.push_back(name);
    }
  if (lowest.empty()) return text;
  std::string names = lowest.front();
  for (std::size_t i = 1; i < lowest.size(); ++i)
    names += (i + 1 < lowest.size() ? ", " : " and ") + lowest[i];
  return text +
         " Rounds marked \"lowest\" count the lowest adjusted gross score their holes allow; "
         "the stroke indexes of " +
         names + " (course list, Edit > Stroke Index...) would make them exact.";
}

}  // namespace qm::whs
