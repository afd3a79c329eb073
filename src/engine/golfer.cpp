#include "engine/golfer.h"

#include <algorithm>

#include "store/text.h"

namespace qm {

Sex SexOf(int rosterCode) { return rosterCode == 0 ? Sex::Male : Sex::Female; }

char RoundMark(int position, const std::vector<int>& usedScores, const TScoreRec& round) {
  if (std::find(usedScores.begin(), usedScores.end(), position) != usedScores.end()) return '*';
  return CountsForIndex(round) ? ' ' : 'I';
}

IndexRequest GolferIndexRequest(Sex sex, const std::string& longName, bool useMaxIndex,
                                IndexOutput output, AccountStyle style) {
  IndexRequest request;
  request.Golfer = sex;
  request.LongName = CutAtNul(longName);
  request.UseMaxIndex = useMaxIndex;
  request.Output = output;
  request.Style = style;
  return request;
}

}  // namespace qm
