// The rules of one round: nine-hole and round sums, the adjusted gross
// score, the handicap differential, and typed dates.
//
// A ScoreCard holds every value as the text the score entry window shows, so
// that an empty text, "0", "00" and "XXX" stay distinct. Each Compute
// function reads and writes only the fields its contract names. A failed
// conversion throws QmError ("'%s' is not a valid integer value" or "'%s' is
// not a valid floating point value"); fields written before the failure keep
// their new values, the others their old ones.
#pragma once

#include <array>
#include <string>

#include "store/records.h"

namespace qm {

struct ScoreCard {
  std::array<std::string, HoleCount> Score;  // [0] is Score1
  std::string ScoreOut, ScoreIn, ScoreTotal;
  std::array<std::string, HoleCount> Putts;  // [0] is Putts1
  std::string PuttsOut, PuttsIn, PuttsTotal;
  std::array<std::string, HoleCount> Par;    // [0] is Par1
  std::string ParOut, ParIn, ParTotal;
  std::string AdjScore;
  std::string RatingField, SlopeField;
  std::string CourseHandicapField;
  std::string IndexField;
  std::string ScoreDiff;
  std::string DateField;
  std::string CommentField;
};

void ComputeScoreOut(ScoreCard& card);
void ComputeScoreIn(ScoreCard& card);
// ScoreTotal := ScoreOut + ScoreIn, then ComputeAdjScore and ComputeScoreDiff.
void ComputeScoreTotal(ScoreCard& card);
void ComputePuttsOut(ScoreCard& card);
void ComputePuttsIn(ScoreCard& card);
void ComputePuttsTotal(ScoreCard& card);
// Empty pars become "0", then ParOut and ParIn.
void ComputeParNines(ScoreCard& card);
void ComputeAdjScore(ScoreCard& card);
void ComputeScoreDiff(ScoreCard& card);

// Most strokes counted on a hole for a course handicap; 0 means the
// double-bogey case (par + 2, no cap when the par is 0 or less).
int HoleMaximum(int courseHandicap);

// MM/DD/YYYY (or the longer form it allows), or "" for an invalid date.
std::string NormalizeDate(const std::string& text);
// direction '+' or '-'; "" for an invalid date.
std::string StepDate(const std::string& text, char direction);
// "" counts as "0"; throws for a text that is not a whole number.
std::string StepNumber(const std::string& text, char direction);

}  // namespace qm
