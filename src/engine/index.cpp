#include "engine/index.h"

#include <algorithm>
#include <optional>
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

long double RoundDifferential(const TScoreRec& rec, const IndexRequest& request) {
  const long double x =
      ParseDecimal(ScoreText(Field(rec.AdjScore), Field(rec.ScoreTotal), request));
  return HandicapDifferential(x, ParseDecimal(Field(rec.Rating)), ParseDecimal(Field(rec.Slope)));
}

// Keeps entry among the kBestList lowest, behind every entry equal to it:
// of two equal differentials the more recent score (walked first) ranks
// first.
void KeepIfLow(std::vector<BestEntry>& best, BestEntry entry) {
  auto place = std::find_if(best.begin(), best.end(), [&entry](const BestEntry& e) {
    return e.Differential > entry.Differential;
  });
  if (place == best.end() && best.size() == kBestList) return;
  best.insert(place, entry);
  if (best.size() > kBestList) best.pop_back();
}

// The index of h counting rounds whose lowest differentials are best.
long double IndexOfBest(const std::vector<BestEntry>& best, int h, const IndexRequest& request) {
  if (h < kMinimum) return MaximumIndex(request.Golfer);
  const int n = kAveraged[h];
  long double sum = 0;
  for (int i = 0; i < n; ++i)
    sum = RoundTo40Bits(sum + best[static_cast<std::size_t>(i)].Differential);
  // The average is an intermediate of full precision; only the product is
  // held at 40 bits before it is rounded.
  const long double product = RoundTo40Bits(sum / n * 0.96L);
  const long double index = RoundToTenths40(product);
  return request.UseMaxIndex ? std::min(index, MaximumIndex(request.Golfer)) : index;
}

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
    KeepIfLow(best, {RoundDifferential(rec, request), position});
  }

  const int h = found;
  const int n = kAveraged[h];
  IndexResult result;
  result.Index = IndexOfBest(best, h, request);
  std::string explanation;
  if (h < kMinimum) {
    explanation = "A golfer needs 5 valid scores to receive an index.";
  } else {
    explanation = "Calculated index using best " + std::to_string(n) + " out of " +
                  std::to_string(h) + " differentials.";
    for (int i = 0; i < n; ++i) result.UsedScores.push_back(best[i].Position);
  }
  if (!sheet && !report) return result;

  WriteAccount(table, request, best, h, explanation, result.Index, sheet, report);
  return result;
}

IndexWithNewest::IndexWithNewest(const TScoreTable& table, const IndexRequest& request)
    : request_(request) {
  for (int position = 1; position <= table.Count() && counted_ < kWindow - 1; ++position) {
    const TScoreRec& rec = table.At(position);
    if (!CountsForIndex(rec)) continue;
    ++counted_;
    lowest_.push_back(RoundDifferential(rec, request));
  }
  std::sort(lowest_.begin(), lowest_.end());
  if (lowest_.size() > kBestList) lowest_.resize(kBestList);
}

long double IndexWithNewest::Of(const TScoreRec& newest) const {
  std::vector<BestEntry> best;
  best.reserve(kBestList + 1);
  for (const long double d : lowest_) best.push_back({d, 0});
  // Ahead of every entry equal to it, being the most recent; only the
  // values make the index.
  const long double d = RoundDifferential(newest, request_);
  best.insert(std::find_if(best.begin(), best.end(),
                           [d](const BestEntry& e) { return e.Differential >= d; }),
              BestEntry{d, 1});
  if (best.size() > kBestList) best.pop_back();
  return IndexOfBest(best, counted_ + 1, request_);
}

std::vector<long double> IndexFromEachRound(const TScoreTable& table, const IndexRequest& request) {
  // Each round's differential once; each run from a round on walks them.
  const std::size_t count = table.Entries.size();
  std::vector<std::optional<long double>> differential(count);
  for (std::size_t i = 0; i < count; ++i)
    if (CountsForIndex(table.Entries[i]))
      differential[i] = RoundDifferential(table.Entries[i], request);
  std::vector<long double> index(count);
  std::vector<BestEntry> best;
  best.reserve(kBestList + 1);
  for (std::size_t first = 0; first < count; ++first) {
    best.clear();
    int found = 0;
    for (std::size_t i = first; i < count && found < kWindow; ++i) {
      if (!differential[i]) continue;
      ++found;
      KeepIfLow(best, {*differential[i], static_cast<int>(i - first) + 1});
    }
    index[first] = IndexOfBest(best, found, request);
  }
  return index;
}

std::string IndexText5(long double index) {
  std::string text = FormatTenths(index);
  if (text.size() < 5) text.insert(0, 5 - text.size(), ' ');
  return TrimSpaces(text);
}

std::string IndexText4(long double index) { return FormatTenths(index); }

}  // namespace qm
