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
  std::array<std::string, HoleCount> Par;  // [0] is Par1
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
// AdjScore := ScoreTotal less the strokes above each hole's maximum; empty
// when ScoreTotal is empty, "0" or "00". In the double-bogey case the par of
// a hole is parsed only when the hole has strokes (a hole of 0 adds nothing
// whatever its par).
void ComputeAdjScore(ScoreCard& card);
// ScoreDiff := the differential of AdjScore (or ScoreTotal when AdjScore is
// empty, "XXX" or 0), formatted as FormatTenths and cut to 8 characters.
void ComputeScoreDiff(ScoreCard& card);

// The adjusted gross score the score entry window gives a round with these
// hole scores and total (a round brought in without one): the course
// handicap from indexText at the course's slope (0 for an empty index or
// slope), with the course's pars for the double-bogey case. Without a course
// (its name is not in the course list) the round's own slope stands in and
// no par is known, so only the caps of a course handicap of 10 or more
// apply. A round without hole scores keeps its total as it is. "" for a
// total of "", "0" or "00". Throws the conversion errors of ComputeAdjScore
// and ComputeCourseHandicap.
std::string ImportedAdjScore(const TScoreRec& round, const TCourseRec* course,
                             const std::string& indexText);

// The handicap differential of a round: (x - rating) * 113 / slope with the
// quotient held at 40 bits, rounded to tenths (halves to even) and held at 40
// bits again. 0 whenever x, rating or slope is 0.
long double HandicapDifferential(long double x, long double rating, long double slope);

// Most strokes counted on a hole for a course handicap; 0 means the
// double-bogey case (par + 2, no cap when the par is 0 or less).
int HoleMaximum(int courseHandicap);

// MM/DD/YYYY (or the longer form it allows), or "" for an invalid date.
std::string NormalizeDate(const std::string& text);
// direction '+' or '-'; "" for an invalid date. Stepping back from day 0
// behaves like stepping back from day 1.
std::string StepDate(const std::string& text, char direction);
// "" counts as "0"; throws for a text that is not a whole number.
std::string StepNumber(const std::string& text, char direction);

}  // namespace qm
