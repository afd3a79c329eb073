// The golfer rules that every window and report shares: the sex of a
// roster entry, a round's mark in a list of rounds, and the index request
// for a golfer. Windows and reports call these; none builds them by hand.
#pragma once

#include <string>
#include <vector>

#include "engine/index.h"
#include "store/records.h"

namespace qm {

// 0 is male; every other code a roster file can hold (a hand-edited file
// may say 2 or 9) is female.
Sex SexOf(int rosterCode);
inline Sex SexOf(const TRosterEntry& golfer) { return SexOf(golfer.Sex); }

// The mark of the round at 1-based position in a table whose index used
// usedScores: '*' when the index averaged it, 'I' when the index passes
// over it (incomplete, or cut short in its file), else ' '.
char RoundMark(int position, const std::vector<int>& usedScores, const TScoreRec& round);

// The index request for a golfer: the sex by the roster rule, the long
// name up to its first NUL, the Maximum Index Rule as the caller holds it.
// The caller sets Sheet or Report for the forms that take an account.
IndexRequest GolferIndexRequest(Sex sex, const std::string& longName, bool useMaxIndex,
                                IndexOutput output = IndexOutput::None,
                                AccountStyle style = AccountStyle::GolferList);
inline IndexRequest GolferIndexRequest(const TRosterEntry& golfer, bool useMaxIndex,
                                       IndexOutput output = IndexOutput::None,
                                       AccountStyle style = AccountStyle::GolferList) {
  return GolferIndexRequest(SexOf(golfer), golfer.LongName, useMaxIndex, output, style);
}

}  // namespace qm
