// The handicap index of a golfer from a score table sorted newest first.
#pragma once

#include <string>
#include <vector>

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

struct IndexRequest {
  Sex Golfer = Sex::Male;
  std::string LongName;
  bool UseMaxIndex = true;
  IndexOutput Output = IndexOutput::None;
  AccountStyle Style = AccountStyle::GolferList;
  bool GrossScoreVariant = false;
  IndexSheet* Sheet = nullptr;  // Output Display
  ReportSink* Report = nullptr;  // Output ReportFile / ReportPrinter
};

struct IndexResult {
  long double Index = 0;  // rounded to tenths, held at 40 bits
  std::vector<int> UsedScores;  // 1-based table positions, best first
};

// Throws "'%s' is not a valid floating point value" for a complete score
// whose numbers are not numbers; nothing is returned then.
IndexResult CalcIndex(const TScoreTable& table, const IndexRequest& request);

// One decimal right-aligned in at least 4 characters (" 9.6", "12.3", "-1.2").
std::string FormatTenths(long double value);
// The golfer scores window's form: 5 characters with the spaces removed.
std::string IndexText5(long double index);
// The form handed to the score entry and course handicap windows: one
// decimal right-aligned in 4 characters.
std::string IndexText4(long double index);

}  // namespace qm
