// The handicap index of a golfer from a score table sorted newest first.
#pragma once

#include <string>
#include <vector>

#include "engine/numeric.h"
#include "store/records.h"

namespace qm {

enum class IndexOutput { None, Display, ReportFile, ReportPrinter };
enum class AccountStyle { ScoresWindow, GolferList };
enum class Sex { Male, Female };

// The index display's sheet of 14 lines (the index display window
// implements it).
class IndexSheet {
 public:
  virtual ~IndexSheet() = default;
  virtual void ClearIndexLines() = 0;
  // n from 1 to 14; other n are ignored by the sheet.
  virtual void SetIndexLine(int n, const std::string& text) = 0;
};

// Takes the account one line at a time (the score history report).
class ReportSink {
 public:
  virtual ~ReportSink() = default;
  virtual void AddLine(const std::string& line) = 0;
};

// Style decides the account's small differences and one rule of the score:
// an adjusted score of "000" is passed over for the gross score in the golfer
// list style and in the report forms; only the scores window's own
// calculations (Display or None in the ScoresWindow style) take it as it is.
// The handicap list and cards use the default style.
struct IndexRequest {
  Sex Golfer = Sex::Male;
  std::string LongName;
  bool UseMaxIndex = true;
  IndexOutput Output = IndexOutput::None;
  AccountStyle Style = AccountStyle::GolferList;
  bool GrossScoreVariant = false;
  IndexSheet* Sheet = nullptr;   // Output Display
  ReportSink* Report = nullptr;  // Output ReportFile / ReportPrinter
};

struct IndexResult {
  long double Index = 0;        // rounded to tenths, held at 40 bits
  std::vector<int> UsedScores;  // 1-based table positions, best first
};

// Reads the table, changes nothing. The Display form clears the sheet first
// (also when a conversion fails later). Throws "'%s' is not a valid floating
// point value" for a complete score whose numbers are not numbers; nothing
// is returned then. A null Sheet or Report takes no account.
IndexResult CalcIndex(const TScoreTable& table, const IndexRequest& request);

// For each position p of table (element p - 1), CalcIndex(...).Index over
// the rounds from p to the last: the index as it stood once that round was
// on file. Each round is read once.
std::vector<long double> IndexFromEachRound(const TScoreTable& table, const IndexRequest& request);

// CalcIndex(...).Index of table with one more round, newest, before all its
// rounds, for many such rounds: table is read once (its first 19 rounds
// that count; the newest takes the place of the 20th). newest must count
// for the index (CountsForIndex). Throws as CalcIndex does.
class IndexWithNewest {
 public:
  IndexWithNewest(const TScoreTable& table, const IndexRequest& request);
  long double Of(const TScoreRec& newest) const;

 private:
  IndexRequest request_;
  std::vector<long double> lowest_;  // the lowest differentials, at most as many as are kept
  int counted_ = 0;
};

// Whether a score takes part in the calculation: complete (gross score,
// rating, slope and date all present) and not cut short in its file. A line
// that stopped before the rating or the slope leaves the placeholders "XXXX"
// or "XXX" there; such a score has no differential, so it is passed over like
// an incomplete one instead of counting as 0.0 and pulling the index down.
bool CountsForIndex(const TScoreRec& rec);

// The Maximum Index: what a golfer with too few scores gets, and the most
// any golfer gets while the Maximum Index Rule is on (36.4 men, 40.4 women).
long double MaximumIndex(Sex golfer);

// The golfer scores window's form: 5 characters with the spaces removed.
std::string IndexText5(long double index);
// The form handed to the score entry and course handicap windows: one
// decimal right-aligned in 4 characters.
std::string IndexText4(long double index);

}  // namespace qm
