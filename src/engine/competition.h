// A competition's results: one course on one date, the rounds already
// stored. Playing handicaps, strokes per hole, stroke play, Stableford and
// Par / Bogey, countback, places and divisions, in exact integer
// arithmetic (indexes and ratings in whole tenths, see engine/tenths.h).
// Gathering the field from the files is the caller's; these rules only
// turn cards into a results sheet and a card's working.
//
//   comp::Course course{pars, strokeIndex, parTotal, rating10, slope};
//   comp::Settings settings;  // stroke play, 95 %, countback, exact fractions
//   std::vector<comp::Line> sheet = comp::ResultSheet(course, settings, players);
//   comp::CardRows(course, settings, players[sheet[0].Player]);  // the working
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/records.h"
#include "store/strokes.h"

namespace qm::comp {

using Holes = std::array<int, HoleCount>;  // [0] is hole 1

enum class Format { StrokePlay, Stableford, ParBogey };
enum class Fractions { Exact, WholeStrokes };

// PH = CH x percent / 100 rounded once, half upward (toward plus infinity),
// with CH = HI x Slope / 113 + (Rating - Par) unrounded. index10 and rating10
// in tenths; a plus handicap is negative.
int PlayingHandicap(int index10, int slope, int rating10, int par, int percent);
// The course handicap a sheet shows: CH rounded the same way.
inline int ShownCourseHandicap(int index10, int slope, int rating10, int par) {
  return PlayingHandicap(index10, slope, rating10, par, 100);
}

// The strokes each hole receives: floor(PH / 18) everywhere and one more
// where the stroke index is at most the rest; they add up to PH.
Holes StrokesReceived(int playingHandicap, const StrokeIndex& strokeIndex);

// "+2" for -2 (a plus handicap), "12" for 12.
std::string HandicapText(int handicap);
// Par / Bogey results: "+2", "AS", "-3".
std::string MatchText(int holes);

// "12, 20" -> {12, 20}: upper limits of the playing handicap, ascending.
// Empty text: none (one division). nullopt for anything else that is not
// ascending whole numbers separated by commas.
std::optional<std::vector<int>> ParseDivisions(const std::string& text);
// 1-based: the first division whose limit is at least ph, else the last.
int DivisionOf(int playingHandicap, const std::vector<int>& limits);

struct Course {
  Holes Par{};
  std::optional<StrokeIndex> Strokes;  // none: no Stableford or Par / Bogey results
  int ParTotal = 72;
  int Rating10 = 720;
  int Slope = 113;
};

struct Settings {
  Format Play = Format::StrokePlay;
  int Allowance = 95;     // percent
  bool Countback = true;  // else equal results share the place
  Fractions Fraction = Fractions::Exact;
  bool Scratch = false;
  std::vector<int> Divisions;  // upper limits; empty: one division
};

struct Player {
  std::string Name;            // the long name
  std::optional<int> Index10;  // none: not placed, "no index"
  Holes Score{};               // 0: no score on that hole
  std::optional<int> Stored;   // the round's own total, for a card without holes
  bool StoredIsNumber = true;  // a total that is no number makes the card NR
};

// One row of the sheet, its cells as shown.
struct Line {
  int Player = 0;  // the position in the players given
  std::string Pos, Name, Div, Index, CourseHcp, PlayingHcp, Out, In, Gross, Result, Note;
};

// The sheet: each division in turn with its placed players by place
// (shared places by name), then the players not placed (NR, then no hole
// scores, then no index; each by name). The caller checks that a format
// other than stroke play has the course's stroke indexes.
std::vector<Line> ResultSheet(const Course& course, const Settings& settings,
                              const std::vector<Player>& players);

// The working of one card: rows "Par", "Stroke index", "Strokes", "Gross",
// "Net" and "Points" (Stableford) or "Result" (Par / Bogey), each with 21
// cells: holes 1 to 18, "Out", "In", "Total". Cells that cannot be worked
// out are empty.
struct CardRow {
  std::string Heading;
  std::array<std::string, HoleCount + 3> Cells;
};
std::vector<CardRow> CardRows(const Course& course, const Settings& settings, const Player& player);

}  // namespace qm::comp
