// Golfer insight: the index after each round, what the next round can do to
// the index at each course, the round that drops out of the index next, and
// the golfer's statistics.
//
// Everything is computed with the program's own rules: CalcIndex in the form
// None with the caller's request (sex, Maximum Index Rule, style), the
// completeness and mark of a round as the index sees them, the golfer scores
// window's differential. A score table is sorted newest first; a course table
// as the course file gives it, sorted by name.
//
//   const IndexRequest request = GolferIndexRequest(golfer, useMaxIndex);
//   const IndexHistory history = BuildIndexHistory(scores, request);
//   const std::vector<CourseForecast> next =
//       ForecastByCourse(scores, courses, request, history.Current, "20240614");
//   const GolferStatistics stats = Statistics(scores, courses);
//
// Every function reads its tables and changes nothing. Where a round that
// the index looks at holds a score, rating or slope that is not a number, the
// conversion error of CalcIndex is thrown ("'%s' is not a valid floating
// point value"), as the index calculation itself does.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/index.h"
#include "store/records.h"

namespace qm {

// The differential the golfer scores window lists for a round: from the
// adjusted score, else the gross score; 0.0 without a usable rating, slope
// or score (empty, "0", "0.0" or "XXX"). The date is not looked at.
long double ListedDifferential(const TScoreRec& round);

// The index text of the golfer list without its leading space: "9.6", "12.3".
std::string IndexText(long double index);

// "+0.3", "-0.2" for after less before; "" when they are equal.
std::string ChangeText(long double after, long double before);

// The index the golfer had once each round was on file: element p - 1 is
// CalcIndex over the rounds at positions p to the last. The request's form
// and account are ignored (None).
std::vector<long double> IndexAfterEachRound(const TScoreTable& scores,
                                             const IndexRequest& request);

struct IndexHistoryRow {
  int Position = 0;             // 1-based in the table
  std::string DateKey;          // yyyymmdd as stored
  std::string Date;             // mm/dd/yyyy
  std::string Course;           // up to its first NUL
  std::string Score, AdjScore;  // as stored, up to the first NUL
  long double Differential = 0;
  char Mark = ' ';      // '*', 'I' or ' ' (RoundMark)
  bool Counts = false;  // complete: the index looks at it
  long double IndexAfter = 0;
  std::string Change;  // against the next older round; "" for the oldest
};

struct IndexHistory {
  IndexResult Current;                // the index over the whole table
  std::vector<IndexHistoryRow> Rows;  // one per round, in table order
};

IndexHistory BuildIndexHistory(const TScoreTable& scores, const IndexRequest& request);

// The lowest and highest scores the forecast tries for the next round.
inline constexpr int LowestNextScore = 1;
inline constexpr int HighestNextScore = 300;

// The index after one more round at course with score and adjusted score s,
// dated todayKey (yyyymmdd), put before every stored round. Throws when the
// course's rating or slope is not a number.
long double IndexWithNextRound(const TScoreTable& scores, const IndexRequest& request,
                               const TCourseRec& course, const std::string& todayKey, int s);

struct NextRoundScores {
  int Keeps = 0;   // the highest s whose index is at most the current one; 0: none
  int Lowers = 0;  // the highest s whose index is below it; 0: none
};

// Keeps and Lowers for s from 1 to 300 by a search that relies on the index
// not falling as s rises (about 9 indexes each instead of 300). A course
// whose rating or slope is not a number, or with which the round would not
// count for the index (a rating of 0.0 or an empty slope), gives none.
NextRoundScores ScoresForNextRound(const TScoreTable& scores, const IndexRequest& request,
                                   const TCourseRec& course, const std::string& todayKey,
                                   long double currentIndex);

// One row of "what to shoot next"; every text "-" when there is nothing to
// show.
struct CourseForecast {
  std::string Course;
  std::string CourseHandicap;  // at the current index as the golfer list hands it on
  std::string PredictedScore;
  int Rounds = 0;         // complete rounds played there
  std::string BestScore;  // the lowest gross score among them
  std::string Keeps, Lowers;
};

std::vector<CourseForecast> ForecastByCourse(const TScoreTable& scores, const TCourseTable& courses,
                                             const IndexRequest& request,
                                             const IndexResult& current,
                                             const std::string& todayKey);

// The rounds the index window covers.
inline constexpr int IndexWindow = 20;

// "Next to drop out: " with the date, course and differential of the oldest
// of the 20 most recent complete rounds and whether the current index uses
// it; with fewer complete rounds, how many there are and that none drops out.
std::string NextToDropOut(const TScoreTable& scores, const IndexResult& current);

// Statistics of a set of complete rounds. Optional figures are absent when
// there is nothing to count.
struct RoundStatistics {
  int Rounds = 0;
  std::optional<long double> AverageScore;
  std::optional<int> BestScore;
  std::optional<long double> AverageDifferential;
  // Rounds with all 18 hole scores above 0 at a course of the list.
  int HoleRounds = 0;
  int PuttRounds = 0;  // of those, rounds with all 18 putts above 0
  std::optional<long double> AveragePutts;
  std::array<std::optional<long double>, 3> OverPar;  // par 3, 4, 5: strokes over par a hole
  // Share of holes (percent, 0 to 100, unrounded): eagle or better, birdie,
  // par, bogey, double bogey or worse.
  std::array<std::optional<long double>, 5> Share;
};

struct GolferStatistics {
  RoundStatistics Recent;  // the 20 most recent complete rounds
  RoundStatistics All;     // every complete round
};

// Hole figures use the pars of the round's course (FindCourse); a hole
// whose par is not a number above 0 counts for neither the over-par averages
// nor the shares. Hole scores and putts that are not numbers count as 0.
GolferStatistics Statistics(const TScoreTable& scores, const TCourseTable& courses);

// The statistics table as text: a label and the figures of the two columns
// ("-" where there is nothing to count).
struct StatisticsLine {
  std::string Label, Recent, All;
};
std::vector<StatisticsLine> StatisticsLines(const GolferStatistics& stats);
// The sentence under the table: how many rounds the hole figures come from.
std::string HoleFiguresNote(const GolferStatistics& stats);

// Everything the index history window shows of a golfer.
struct GolferInsight {
  IndexHistory History;
  std::vector<CourseForecast> Forecast;
  std::string DropOut;
  GolferStatistics Stats;
};

GolferInsight BuildInsight(const TScoreTable& scores, const TCourseTable& courses,
                           const IndexRequest& request, const std::string& todayKey);

}  // namespace qm
