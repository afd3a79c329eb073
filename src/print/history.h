// The personal golf history: every score on file for one golfer, newest
// first, after the golfer's index account, with the scores the index used
// marked "*" and the incomplete ones "I".
//
//   LoadSortedScores(table, ScoreFileName(golfer), false);
//   PrintGolferHistory(golfer, table, Program().UseMaxIndex);   // guarded handler
#pragma once

#include <string>

#include "engine/index.h"
#include "store/records.h"

namespace qm {

// One row of the history for the score at 1-based position n: mark
// (RoundMark), number,
// date, course, score, adjusted score, rating, slope and differential in
// fixed columns (the score starts at column 43). The record's ScoreTotal,
// AdjScore, Rating and Slope are cut at NUL first and stored back. Throws the
// conversion error for a complete score whose numbers are not numbers.
std::string HistoryRow(int n, TScoreRec& rec, char mark);

// The whole report into out: heading, the index account of CalcIndex in the
// report form, the column heading, the rows (or the no-scores line) and the
// footnote. Every line is cut to 120 characters. scores is a copy: the rows
// store the cut fields back into it.
void GolferHistoryLines(const TRosterEntry& golfer, TScoreTable scores, bool useMaxIndex,
                        ReportSink& out);

// Asks printer or file, then prints the history or writes it to
// SHORTNAME.qmr (replacing an earlier one), and says so once it is done.
// Cancel writes and shows nothing. Throws QmError on any failure (an
// earlier file keeps its bytes, a print job is ended unprinted): call it from
// a guarded handler.
void PrintGolferHistory(const TRosterEntry& golfer, const TScoreTable& scores, bool useMaxIndex);

}  // namespace qm
