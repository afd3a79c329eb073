#include "engine/insight.h"

#include <algorithm>
#include <cstdlib>

#include "engine/coursehcp.h"
#include "engine/golfer.h"
#include "engine/numeric.h"
#include "engine/scorecard.h"
#include "store/courses.h"
#include "store/errors.h"
#include "store/text.h"

namespace qm {

namespace {

bool Missing(const std::string& text, std::initializer_list<const char*> blanks) {
  const std::string value = CutAtNul(text);
  if (value.empty()) return true;
  return std::any_of(blanks.begin(), blanks.end(), [&](const char* b) { return value == b; });
}

IndexRequest Silent(IndexRequest request) {
  request.Output = IndexOutput::None;
  request.Sheet = nullptr;
  request.Report = nullptr;
  return request;
}

TScoreRec NextRound(const TCourseRec& course, const std::string& todayKey) {
  TScoreRec round;
  round.Date = todayKey;
  round.Course = CutAtNul(course.CourseName);
  round.Rating = CutAtNul(course.Rating);
  round.Slope = CutAtNul(course.Slope);
  return round;
}

void SetScore(TScoreRec& round, int s) {
  round.ScoreTotal = std::to_string(s);
  round.AdjScore = round.ScoreTotal;
}

// The highest s from 1 to `highest` for which holds(s), holds being true
// up to some s and false after it; 0 when it holds for none.
template <class F>
int HighestHolding(F holds, int highest = HighestNextScore) {
  int low = LowestNextScore - 1, high = highest;
  while (low < high) {
    const int mid = low + (high - low + 1) / 2;
    if (holds(mid))
      low = mid;
    else
      high = mid - 1;
  }
  return low;
}

std::string Dash(int value) { return value == 0 ? "-" : std::to_string(value); }

// value with `decimals` decimals, halves to even, never "-0".
std::string Fixed(long double value, int decimals) {
  long double scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const long long units = static_cast<long long>(RoundHalfEven(value * scale));
  const long long whole = std::llabs(units) / static_cast<long long>(scale);
  std::string text = units < 0 ? "-" : "";
  text += std::to_string(whole);
  if (decimals > 0) {
    std::string fraction = std::to_string(std::llabs(units) % static_cast<long long>(scale));
    text += "." + std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
  }
  return text;
}

// The rounds that count, newest first, at most `limit` of them (0: all).
std::vector<const TScoreRec*> CountingRounds(const TScoreTable& scores, int limit) {
  std::vector<const TScoreRec*> rounds;
  for (const TScoreRec& round : scores.Entries) {
    if (limit > 0 && static_cast<int>(rounds.size()) == limit) break;
    if (CountsForIndex(round)) rounds.push_back(&round);
  }
  return rounds;
}

// The 18 whole numbers of a round's holes, 0 for a text that is none.
std::array<int, HoleCount> Holes(const std::array<std::string, HoleCount>& texts) {
  std::array<int, HoleCount> values{};
  for (int h = 0; h < HoleCount; ++h) {
    int value = 0;
    values[h] = TryStrToInt(CutAtNul(texts[h]), value) ? value : 0;
  }
  return values;
}

bool AllAboveZero(const std::array<int, HoleCount>& values) {
  return std::all_of(values.begin(), values.end(), [](int v) { return v > 0; });
}

RoundStatistics Count(const std::vector<const TScoreRec*>& rounds, const TCourseTable& courses) {
  RoundStatistics stats;
  stats.Rounds = static_cast<int>(rounds.size());
  if (rounds.empty()) return stats;
  long double scoreSum = 0, differentialSum = 0;
  int best = 0;
  long double putts = 0;
  std::array<long double, 3> overPar{};
  std::array<int, 3> parHoles{};
  std::array<int, 5> kinds{};
  int parredHoles = 0;
  for (const TScoreRec* round : rounds) {
    const long double score = ParseDecimal(CutAtNul(round->ScoreTotal));
    scoreSum += score;
    const int whole = static_cast<int>(score);
    if (round == rounds.front() || whole < best) best = whole;
    differentialSum += ListedDifferential(*round);

    const int course = FindCourse(courses, round->Course);
    const std::array<int, HoleCount> strokes = Holes(round->HoleScore);
    if (course == 0 || !AllAboveZero(strokes)) continue;
    ++stats.HoleRounds;
    const std::array<int, HoleCount> roundPutts = Holes(round->HolePutts);
    if (AllAboveZero(roundPutts)) {
      ++stats.PuttRounds;
      for (int p : roundPutts) putts += p;
    }
    const std::array<int, HoleCount> pars = Holes(courses.At(course).HolePar);
    for (int h = 0; h < HoleCount; ++h) {
      if (pars[h] <= 0) continue;
      const int over = strokes[h] - pars[h];
      if (pars[h] >= 3 && pars[h] <= 5) {
        overPar[pars[h] - 3] += over;
        ++parHoles[pars[h] - 3];
      }
      ++parredHoles;
      ++kinds[std::clamp(over + 2, 0, 4)];
    }
  }
  stats.AverageScore = scoreSum / stats.Rounds;
  stats.BestScore = best;
  stats.AverageDifferential = differentialSum / stats.Rounds;
  if (stats.PuttRounds > 0) stats.AveragePutts = putts / stats.PuttRounds;
  for (int k = 0; k < 3; ++k)
    if (parHoles[k] > 0) stats.OverPar[k] = overPar[k] / parHoles[k];
  if (parredHoles > 0)
    for (int k = 0; k < 5; ++k) stats.Share[k] = 100.0L * kinds[k] / parredHoles;
  return stats;
}

std::string Figure(const std::optional<long double>& value, int decimals) {
  return value ? Fixed(*value, decimals) : "-";
}

std::string Share(const std::optional<long double>& value) {
  return value ? Fixed(*value, 0) + "%" : "-";
}

}  // namespace

long double ListedDifferential(const TScoreRec& round) {
  if (Missing(round.Rating, {"0.0", "XXX"}) || Missing(round.Slope, {"0", "XXX"})) return 0;
  std::string score;
  if (!Missing(round.AdjScore, {"0", "XXX"}))
    score = CutAtNul(round.AdjScore);
  else if (!Missing(round.ScoreTotal, {"0", "XXX"}))
    score = CutAtNul(round.ScoreTotal);
  else
    return 0;
  return HandicapDifferential(ParseDecimal(score), ParseDecimal(CutAtNul(round.Rating)),
                              ParseDecimal(CutAtNul(round.Slope)));
}

std::string IndexText(long double index) { return TrimSpaces(IndexText4(index)); }

std::string ChangeText(long double after, long double before) {
  if (after == before) return "";
  const std::string text = TrimSpaces(FormatTenths(after - before));
  return after > before ? "+" + text : text;
}

std::vector<long double> IndexAfterEachRound(const TScoreTable& scores,
                                             const IndexRequest& request) {
  return IndexFromEachRound(scores, Silent(request));
}

IndexHistory BuildIndexHistory(const TScoreTable& scores, const IndexRequest& request) {
  IndexHistory history;
  history.Current = CalcIndex(scores, Silent(request));
  const std::vector<long double> after = IndexAfterEachRound(scores, request);
  history.Rows.reserve(after.size());
  for (int p = 1; p <= scores.Count(); ++p) {
    const TScoreRec& round = scores.At(p);
    IndexHistoryRow row;
    row.Position = p;
    row.DateKey = CutAtNul(round.Date);
    row.Date = DateKeyToDisplay(row.DateKey);
    row.Course = CutAtNul(round.Course);
    row.Score = CutAtNul(round.ScoreTotal);
    row.AdjScore = CutAtNul(round.AdjScore);
    row.Differential = ListedDifferential(round);
    row.Mark = RoundMark(p, history.Current.UsedScores, round);
    row.Counts = CountsForIndex(round);
    row.IndexAfter = after[static_cast<std::size_t>(p - 1)];
    if (p < scores.Count())
      row.Change = ChangeText(row.IndexAfter, after[static_cast<std::size_t>(p)]);
    history.Rows.push_back(std::move(row));
  }
  return history;
}

long double IndexWithNextRound(const TScoreTable& scores, const IndexRequest& request,
                               const TCourseRec& course, const std::string& todayKey, int s) {
  TScoreTable table;
  table.Entries.reserve(scores.Entries.size() + 1);
  table.Entries.push_back(NextRound(course, todayKey));
  SetScore(table.Entries.front(), s);
  table.Entries.insert(table.Entries.end(), scores.Entries.begin(), scores.Entries.end());
  return CalcIndex(table, Silent(request)).Index;
}

NextRoundScores ScoresForNextRound(const TScoreTable& scores, const IndexRequest& request,
                                   const TCourseRec& course, const std::string& todayKey,
                                   long double currentIndex) {
  TScoreRec next = NextRound(course, todayKey);
  long double number = 0;
  SetScore(next, LowestNextScore);
  if (!TryStrToFloat(next.Rating, number) || !TryStrToFloat(next.Slope, number) ||
      !CountsForIndex(next))
    return {};
  // The stored rounds are read once; each score tried is one more round.
  const IndexWithNewest with(scores, Silent(request));
  auto index = [&](int s) {
    SetScore(next, s);
    return with.Of(next);
  };
  NextRoundScores result;
  result.Keeps = HighestHolding([&](int s) { return index(s) <= currentIndex; });
  // What lowers the index keeps it too.
  result.Lowers = HighestHolding([&](int s) { return index(s) < currentIndex; }, result.Keeps);
  return result;
}

std::vector<CourseForecast> ForecastByCourse(const TScoreTable& scores, const TCourseTable& courses,
                                             const IndexRequest& request,
                                             const IndexResult& current,
                                             const std::string& todayKey) {
  std::vector<int> courseOf;
  courseOf.reserve(scores.Entries.size());
  for (const TScoreRec& round : scores.Entries)
    courseOf.push_back(CountsForIndex(round) ? FindCourse(courses, round.Course) : 0);

  std::vector<CourseForecast> rows;
  rows.reserve(courses.Entries.size());
  const std::string indexText = IndexText4(current.Index);
  for (int n = 1; n <= courses.Count(); ++n) {
    const TCourseRec& course = courses.At(n);
    CourseForecast row;
    row.Course = CutAtNul(course.CourseName);
    row.CourseHandicap = row.PredictedScore = row.BestScore = "-";
    try {
      const int handicap = ComputeCourseHandicap(indexText, CutAtNul(course.Slope));
      row.CourseHandicap = std::to_string(handicap);
      row.PredictedScore =
          std::to_string(ComputePredictedScore(handicap, CutAtNul(course.ParTotal)));
    } catch (const QmError&) {
      // A course whose slope or par is no number has no handicap to show;
      // the rest of its row still has.
    }
    long double best = 0;
    for (std::size_t i = 0; i < courseOf.size(); ++i) {
      if (courseOf[i] != n) continue;
      const std::string total = CutAtNul(scores.Entries[i].ScoreTotal);
      const long double value = ParseDecimal(total);
      if (row.Rounds++ == 0 || value < best) {
        best = value;
        row.BestScore = total;
      }
    }
    const NextRoundScores next =
        ScoresForNextRound(scores, request, course, todayKey, current.Index);
    row.Keeps = Dash(next.Keeps);
    row.Lowers = Dash(next.Lowers);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string NextToDropOut(const TScoreTable& scores, const IndexResult& current) {
  const std::vector<const TScoreRec*> all = CountingRounds(scores, 0);
  const int count = static_cast<int>(all.size());
  if (count < IndexWindow)
    return std::to_string(count) + (count == 1 ? " complete round" : " complete rounds") +
           " on file: none drops out of the index yet.";
  const TScoreRec& round = *all[IndexWindow - 1];
  const int position = static_cast<int>(&round - scores.Entries.data()) + 1;
  const bool used = std::find(current.UsedScores.begin(), current.UsedScores.end(), position) !=
                    current.UsedScores.end();
  return "Next to drop out: " + DateKeyToDisplay(CutAtNul(round.Date)) + " at " +
         CutAtNul(round.Course) + ", differential " +
         TrimSpaces(FormatTenths(ListedDifferential(round))) +
         (used ? "; the current index uses it." : "; the current index does not use it.");
}

GolferStatistics Statistics(const TScoreTable& scores, const TCourseTable& courses) {
  GolferStatistics stats;
  stats.Recent = Count(CountingRounds(scores, IndexWindow), courses);
  stats.All = Count(CountingRounds(scores, 0), courses);
  return stats;
}

std::vector<StatisticsLine> StatisticsLines(const GolferStatistics& stats) {
  const RoundStatistics& r = stats.Recent;
  const RoundStatistics& a = stats.All;
  auto best = [](const RoundStatistics& s) {
    return s.BestScore ? std::to_string(*s.BestScore) : std::string("-");
  };
  std::vector<StatisticsLine> lines = {
      {"Rounds", std::to_string(r.Rounds), std::to_string(a.Rounds)},
      {"Average score", Figure(r.AverageScore, 1), Figure(a.AverageScore, 1)},
      {"Best score", best(r), best(a)},
      {"Average differential", Figure(r.AverageDifferential, 1), Figure(a.AverageDifferential, 1)},
      {"Putts per round", Figure(r.AveragePutts, 1), Figure(a.AveragePutts, 1)},
  };
  const char* pars[] = {"Par 3 holes, over par", "Par 4 holes, over par", "Par 5 holes, over par"};
  for (int k = 0; k < 3; ++k)
    lines.push_back({pars[k], Figure(r.OverPar[k], 2), Figure(a.OverPar[k], 2)});
  const char* kinds[] = {"Eagle or better", "Birdie", "Par", "Bogey", "Double bogey or worse"};
  for (int k = 0; k < 5; ++k) lines.push_back({kinds[k], Share(r.Share[k]), Share(a.Share[k])});
  return lines;
}

std::string HoleFiguresNote(const GolferStatistics& stats) {
  return "Hole figures from " + std::to_string(stats.Recent.HoleRounds) + " of the " +
         std::to_string(stats.Recent.Rounds) + " recent rounds and " +
         std::to_string(stats.All.HoleRounds) + " of all " + std::to_string(stats.All.Rounds) +
         " rounds (all 18 holes scored, course in the list); putts from " +
         std::to_string(stats.Recent.PuttRounds) + " and " + std::to_string(stats.All.PuttRounds) +
         ".";
}

GolferInsight BuildInsight(const TScoreTable& scores, const TCourseTable& courses,
                           const IndexRequest& request, const std::string& todayKey) {
  GolferInsight insight;
  insight.History = BuildIndexHistory(scores, request);
  insight.Forecast = ForecastByCourse(scores, courses, request, insight.History.Current, todayKey);
  insight.DropOut = NextToDropOut(scores, insight.History.Current);
  insight.Stats = Statistics(scores, courses);
  return insight;
}

}  // namespace qm
