#include "print/history.h"

#include "engine/golfer.h"
#include "engine/numeric.h"
#include "engine/scorecard.h"
#include "print/printorfile.h"
#include "print/reporttext.h"
#include "store/scores.h"
#include "store/text.h"
#include "ui/textconv.h"

namespace qm {

namespace {

constexpr std::size_t kLineWidth = 120;

long double RowDifferential(const TScoreRec& rec) {
  const std::string& total = rec.ScoreTotal;
  const std::string& rating = rec.Rating;
  const std::string& slope = rec.Slope;
  if (total.empty() || total == "0") return 0;
  if (rating.empty() || rating == "0.0" || rating == "XXX") return 0;
  if (slope.empty() || slope == "0" || slope == "XXX") return 0;
  const std::string& adj = rec.AdjScore;
  const bool adjUsable = !adj.empty() && adj != "0" && adj != "000" && adj != "XXX";
  return HandicapDifferential(ParseDecimal(adjUsable ? adj : total), ParseDecimal(rating),
                              ParseDecimal(slope));
}

}  // namespace

std::string HistoryRow(int n, TScoreRec& rec, char mark) {
  rec.ScoreTotal = CutAtNul(rec.ScoreTotal);
  rec.AdjScore = CutAtNul(rec.AdjScore);
  rec.Rating = CutAtNul(rec.Rating);
  rec.Slope = CutAtNul(rec.Slope);
  return std::string(1, mark) + RightAligned(std::to_string(n), 3) + " - " +
         DateKeyToDisplay(CutAtNul(rec.Date)) + "  " + PadRight(rec.Course, 22) + "  " +
         PadLeft(rec.ScoreTotal, 4) + "  " + PadLeft(rec.AdjScore, 4) + "  " + rec.Rating + "    " +
         rec.Slope + "    " + RightAligned(FormatTenths(RowDifferential(rec)), 4);
}

void GolferHistoryLines(const TRosterEntry& golfer, TScoreTable scores, bool useMaxIndex,
                        ReportSink& sink) {
  CuttingSink out(sink, kLineWidth);
  const std::string longName = CutAtNul(golfer.LongName);
  out.AddLine("QUILLMOR PERSONAL GOLF HISTORY FOR:  " + longName);
  out.AddLine("");

  // The engine writes the same account for both forms of the report.
  IndexRequest request = GolferIndexRequest(golfer, useMaxIndex, IndexOutput::ReportFile);
  request.Report = &out;
  const IndexResult index = CalcIndex(scores, request);

  out.AddLine("");
  out.AddLine("       DATE        COURSE               SCORE  AGS  RATING  SLOPE  DIFF");
  if (scores.Count() == 0) {
    out.AddLine("");
    out.AddLine("    NO SCORES ON FILE FOR THIS GOLFER");
    return;
  }
  for (int n = 1; n <= scores.Count(); ++n)
    out.AddLine(HistoryRow(n, scores.At(n), RoundMark(n, index.UsedScores, scores.At(n))));
  out.AddLine("");
  out.AddLine("* = score used in index calculation.");
}

void PrintGolferHistory(const TRosterEntry& golfer, const TScoreTable& scores, bool useMaxIndex) {
  PrinterOrFileJob job;
  job.Question = QStringLiteral("Output scores to the printer or to a file?");
  job.FileName = CutAtNul(golfer.ShortName) + ".qmr";
  job.CreatedMessage =
      QStringLiteral("Score file \"") + FromBytes(job.FileName) + QStringLiteral("\" created.");
  job.Layout.FontSize = 12;
  job.Lines = [&](ReportSink& out) { GolferHistoryLines(golfer, scores, useMaxIndex, out); };
  PrintOrWrite(job);
}

}  // namespace qm
