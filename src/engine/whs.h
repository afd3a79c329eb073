// An estimate of the golfer's index under the World Handicap System
// (revision of 2024), beside Quillmor's own index and independent of it.
//
// Numbers. Every result is decided in exact decimal arithmetic: ratings,
// slopes, differentials and indexes are whole tenths (int, 132 is 13.2),
// scores, pars and course handicaps whole numbers, and every product or
// quotient is an exact fraction of 64-bit integers until it is rounded. No
// binary floating point takes part. "Half upward" means to the nearest, an
// exact half toward plus infinity (8.45 -> 8.5, -1.55 -> -1.5).
//
// Texts read from the files. A rating or slope is any text the program's
// own index takes as a number (StrToFloat: "72.1", "72", " 72.1", "7.21e1"),
// taken at its exact decimal value; a value with more than one decimal is
// rounded to tenths, half upward, as every published rating has one decimal.
// Totals and pars are whole numbers (StrToInt). A text that is not such a
// number throws QmError with the program's conversion message ("'%s' is not
// a valid floating point value", "'%s' is not a valid integer value"), and
// so does a number that no course can have: a rating beyond +-999.9, a slope
// not above 0 or above 999.9, a score or par beyond +-9999. A date key that
// is no calendar date throws "'mm/dd/yyyy' is not a valid date".
//
// Usage: ReplayWhs with the golfer's score table (newest first, as
// SortScores leaves it), the course list and the stroke indexes
// (LoadStrokes); engine/whsview.h makes the insight window's rows and texts
// of it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/tenths.h"
#include "store/records.h"
#include "store/strokes.h"

namespace qm::whs {

inline constexpr int MaxIndex = 540;  // 54.0
inline constexpr int RecordSize = 20;

enum class AgsBasis {
  Holes,   // every hole's maximum known (or the placement of strokes made no difference)
  Lowest,  // no stroke indexes: the lowest value the true AGS can take
  Stored,  // a total-only round, or a course not in the list (or without hole pars)
};
enum class Cap { None, Soft, Hard };

// The exact tenths of engine/tenths.h, under their old names here too.
using qm::RoundHalfUp;
using qm::TenthsText;
using qm::TryTenths;

// Checked forms of the rules above; throw the conversion message.
int RatingTenths(const std::string& text);
int SlopeTenths(const std::string& text);

// SD = 113 / Slope x (AGS - Rating), PCC 0, in tenths, rounded half upward.
// slope10 must be above 0 (std::invalid_argument otherwise).
int ScoreDifferential(int ags, int rating10, int slope10);

// CH = HI x Slope / 113 + (Rating - Par), rounded half upward. Throws
// "'%s' is not a valid floating point value" only when the result leaves
// the int range (an index no round can give).
int CourseHandicap(int index10, int slope10, int rating10, int par);
// The same from a course's texts (its Rating, Slope and ParTotal); throws
// for texts as described at the top.
int CourseHandicap(int index10, const std::string& rating, const std::string& slope,
                   const std::string& parTotal);

// The most a hole counts: par + 5 without an index (no courseHandicap);
// net double bogey (par + 2 + strokes received, at most par + 5) with one;
// par + 1 on the holes that give a stroke back under a plus handicap (below
// -18 counts as -18). strokeIndex is 1..18.
int HoleMaximum(int par, std::optional<int> courseHandicap, int strokeIndex);

// The 18 hole scores and pars of a round, [0] hole 1; all above 0.
struct HoleFigures {
  std::array<int, HoleCount> Score{};
  std::array<int, HoleCount> Par{};
};

// The adjusted gross score with the stroke indexes known: the sum of each
// hole's score at most its HoleMaximum.
int HolesAgs(const HoleFigures& holes, std::optional<int> courseHandicap,
             const StrokeIndex& strokeIndex);

// Without stroke indexes: the lowest and the highest value HolesAgs takes
// over every stroke index the course could have. They are equal when the
// placement of the strokes makes no difference.
struct AgsRange {
  int Lowest = 0;
  int Highest = 0;
};
AgsRange AgsWithoutStrokeIndex(const HoleFigures& holes, int courseHandicap);

struct Ags {
  int Value = 0;
  AgsBasis Basis = AgsBasis::Stored;
};

// The adjusted gross score of a round that counts for the index (see
// CountsForIndex), for the index in effect on its day (none before the
// golfer has one). course is the round's course in the list or nullptr;
// strokes its stroke index or nullptr. With every hole score a whole number
// from 1 to 99 and every hole par of the course from 1 to 99, the holes
// decide (basis Holes, or Lowest when the strokes of a course without
// stroke indexes could fall in different ways); the course handicap then
// uses the round's Rating and Slope and the course's ParTotal. Otherwise
// the stored AdjScore when it is a whole number above 0, else ScoreTotal.
// Throws for texts as described at the top.
Ags AdjustedGrossScore(const TScoreRec& round, const TCourseRec* course, const StrokeIndex* strokes,
                       std::optional<int> indexBefore);

// The exceptional score reduction (tenths) a differential earns against the
// index in effect: 20 when it is 10.0 or more below, 10 when 7.0 or more,
// else 0.
int ExceptionalReduction(int indexBefore10, int sd10);

// The index from the (adjusted) differentials of the most recent rounds,
// oldest first, at most 20 of them (more throws std::invalid_argument):
// the lowest k averaged, the table's adjustment added, rounded half upward.
// No index with fewer than 3. Among equal differentials the more recent
// round is taken first. Used[0 .. Averaged) are the offsets, in sds, of the
// differentials averaged, lowest first.
struct IndexFromSds {
  std::optional<int> Index;
  int Averaged = 0;
  std::array<int, RecordSize> Used{};
};
IndexFromSds IndexFromDifferentials(std::span<const int> sds);

// The soft cap (more than 3.0 above lowIndex: half of the excess over 3.0
// is kept, rounded half upward), then the hard cap (never more than 5.0
// above lowIndex). The 54.0 limit is not part of it.
struct Capped {
  int Index = 0;
  Cap Applied = Cap::None;
};
Capped ApplyCaps(int index10, int lowIndex10);

// One round considered, as the estimate's table shows it.
struct Row {
  int Position = 0;     // 1-based position in the score table
  std::string DateKey;  // yyyymmdd
  std::string Course;
  int Ags = 0;
  AgsBasis Basis = AgsBasis::Stored;
  int Sd = 0;                     // tenths
  int Esr = 0;                    // tenths: the reductions the round has been given, in all
  bool Used = false;              // the estimate now averages it
  std::optional<int> IndexAfter;  // tenths
  Cap Applied = Cap::None;        // the cap on the index after it
};

struct Estimate {
  std::vector<Row> Rows;     // newest first, as the score table
  std::optional<int> Index;  // the estimate now (tenths); none with fewer than 3 rounds
  // The Low Handicap Index the last index was held against: present when
  // the record holds 20 rounds and an index was in effect within the 365
  // days before the last round's date.
  std::optional<int> LowIndex;
  Cap LastCap = Cap::None;  // the cap on the last index
};

// Replays the rounds of table that count for the index (CountsForIndex),
// in the order played: by date, and of two rounds with the same date the
// one at the higher table position first (the table need not be sorted).
// The round's course is the one FindCourse gives for the round's course
// name, and its stroke index the one FindStrokeIndex gives for that
// course's name. For each
// round: the index in effect (the index after the last round of an earlier
// date), the AGS, the SD, the exceptional reduction given to it and to the
// other rounds among the 20 most recent, the index from the 20 most recent
// adjusted SDs, the caps against the lowest index after the rounds of the
// 365 days before its date (date - 365 <= played < date) once the record
// holds 20 rounds, and the 54.0 limit. Throws for texts as described at the
// top; nothing is returned then.
Estimate ReplayWhs(const TScoreTable& table, const TCourseTable& courses,
                   const TStrokeTable& strokes);

}  // namespace qm::whs
