#include "engine/index.h"

#include <algorithm>
#include <string_view>

#include "engine/scorecard.h"
#include "store/scores.h"
#include "store/text.h"

namespace qm {

namespace {

constexpr int kWindow = 20;
constexpr int kBestList = 10;
constexpr int kMinimum = 5;
constexpr std::size_t kLineWidth = 80;

// Differentials averaged for h complete scores (h at most 20).
constexpr int kAveraged[kWindow + 1] = {0, 0, 0, 0, 0, 1, 1, 2, 2, 3, 3,
                                        4, 4, 5, 5, 6, 6, 7, 8, 9, 10};

struct BestEntry {
  long double Differential;
  int Position;
};

std::string_view Field(const std::string& text) { return CutAtNulView(text); }

bool IsFileLineCutShort(std::string_view rating, std::string_view slope) {
  return rating == "XXXX" || slope == "XXX";
}

// The text of the score a differential is formed from.
std::string_view ScoreText(std::string_view adj, std::string_view total,
                           const IndexRequest& request) {
  if (request.GrossScoreVariant) return total;
  bool report =
      request.Output == IndexOutput::ReportFile || request.Output == IndexOutput::ReportPrinter;
  bool skipZeros = request.Style == AccountStyle::GolferList || report;
  if (adj.empty() || adj == "0" || adj == "XXX" || (skipZeros && adj == "000")) return total;
  return adj;
}

std::string Line(const std::string& text) { return CutTo(text, kLineWidth); }

// The account of an index, line by line: the count, the explanation, each
// differential used and the index. The index display shows it on its sheet,
// the score history report prints it.
void WriteAccount(const TScoreTable& table, const IndexRequest& request,
                  const std::vector<BestEntry>& best, int h, const std::string& explanation,
                  long double index, IndexSheet* sheet, ReportSink* report) {
  const int n = kAveraged[h];
  const bool golferList = request.Style == AccountStyle::GolferList;
  std::string countLine =
      std::to_string(table.Count()) + " scores on file for " + request.LongName + ".";
  if (golferList && h < kWindow) countLine += "  (" + std::to_string(h) + " are valid)";

  std::vector<std::string> differentials;
  differentials.reserve(static_cast<std::size_t>(n));
  for (int j = 1; j <= n; ++j) {
    const BestEntry& e = best[j - 1];
    const TScoreRec& rec = table.At(e.Position);
    std::string line;
    line.reserve(kLineWidth);
    line += "Differential ";
    line += std::to_string(j);
    line += j < 10 ? "   = " : (golferList ? "  = " : " = ");
    if (sheet && e.Differential < 10) line += ' ';
    line += FormatTenths(e.Differential);
    line += "  ";
    line += DateKeyToDisplay(CutAtNul(rec.Date));
    line += "  ";
    line += CutAtNul(rec.Course);
    differentials.push_back(Line(line));
  }
  std::string indexLine =
      "The current index for " + request.LongName + " is " + FormatTenths(index);

  if (sheet) {
    sheet->SetIndexLine(1, Line(countLine));
    sheet->SetIndexLine(2, Line(explanation));
    for (int j = 1; j <= n; ++j) sheet->SetIndexLine(j + 2, differentials[j - 1]);
    sheet->SetIndexLine(n + 4, Line(indexLine));
  } else {
    report->AddLine(Line(countLine));
    report->AddLine(Line(explanation));
    for (const std::string& line : differentials) report->AddLine(line);
    report->AddLine("");
    report->AddLine(Line(indexLine));
  }
}

}  // namespace

bool CountsForIndex(const TScoreRec& rec) {
  return IsCompleteScore(rec) && !IsFileLineCutShort(Field(rec.Rating), Field(rec.Slope));
}

long double MaximumIndex(Sex golfer) {
  return RoundToTenths40(golfer == Sex::Male ? 36.4L : 40.4L);
}

IndexResult CalcIndex(const TScoreTable& table, const IndexRequest& request) {
  IndexSheet* sheet = request.Output == IndexOutput::Display ? request.Sheet : nullptr;
  ReportSink* report =
      (request.Output == IndexOutput::ReportFile || request.Output == IndexOutput::ReportPrinter)
          ? request.Report
          : nullptr;
  if (sheet) sheet->ClearIndexLines();

  const int target = std::min(table.Count(), kWindow);
  int found = 0;
  std::vector<BestEntry> best;
  best.reserve(kBestList + 1);

  for (int position = 1; position <= table.Count() && found < target; ++position) {
    const TScoreRec& rec = table.At(position);
    if (!CountsForIndex(rec)) continue;
    ++found;
    long double x = ParseDecimal(ScoreText(Field(rec.AdjScore), Field(rec.ScoreTotal), request));
    long double rating = ParseDecimal(Field(rec.Rating));
    long double slope = ParseDecimal(Field(rec.Slope));
    long double d = HandicapDifferential(x, rating, slope);

    // Behind every entry equal to it: of two equal differentials the more
    // recent score ranks first.
    auto place = std::find_if(best.begin(), best.end(),
                              [d](const BestEntry& e) { return e.Differential > d; });
    if (place == best.end() && best.size() == kBestList) continue;
    best.insert(place, BestEntry{d, position});
    if (best.size() > kBestList) best.pop_back();
  }

  const int h = found;
  const int n = kAveraged[h];
  IndexResult result;
  std::string explanation;
  if (h < kMinimum) {
    result.Index = MaximumIndex(request.Golfer);
    explanation = "A golfer needs 5 valid scores to receive an index.";
  } else {
    explanation = "Calculated index using best " + std::to_string(n) + " out of " +
                  std::to_string(h) + " differentials.";
    long double sum = 0;
    for (int i = 0; i < n; ++i) sum = RoundTo40Bits(sum + best[i].Differential);
    // The average is an intermediate of full precision; only the product is
    // held at 40 bits before it is rounded.
    long double product = RoundTo40Bits(sum / n * 0.96L);
    result.Index = RoundToTenths40(product);
    if (request.UseMaxIndex) {
      result.Index = std::min(result.Index, MaximumIndex(request.Golfer));
    }
    for (int i = 0; i < n; ++i) result.UsedScores.push_back(best[i].Position);
  }
  if (!sheet && !report) return result;

  WriteAccount(table, request, best, h, explanation, result.Index, sheet, report);
  return result;
}

std::string IndexText5(long double index) {
  std::string text = FormatTenths(index);
  if (text.size() < 5) text.insert(0, 5 - text.size(), ' ');
  return TrimSpaces(text);
}

std::string IndexText4(long double index) { return FormatTenths(index); }

}  // namespace qm
