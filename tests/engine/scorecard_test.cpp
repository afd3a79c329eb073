#include "engine/scorecard.h"

#include <gtest/gtest.h>

#include "store/errors.h"

namespace qm {
namespace {

// A card as the score entry window holds it after a course with par 4 on
// every hole is shown.
ScoreCard Card(const std::string& courseHandicap = "12") {
  ScoreCard card;
  card.Score.fill("0");
  card.Putts.fill("0");
  card.Par.fill("4");
  card.CourseHandicapField = courseHandicap;
  card.RatingField = "72.0";
  card.SlopeField = "113";
  return card;
}

std::string ErrorOf(void (*compute)(ScoreCard&), ScoreCard& card) {
  try {
    compute(card);
  } catch (const QmError& e) {
    return e.what();
  }
  return "no error";
}

TEST(ScoreCardSums, NinesTotalsAndPars) {
  ScoreCard card = Card();
  for (int i = 0; i < 9; ++i) card.Score[i] = "5";
  card.Score[9] = "-3";
  card.Score[17] = "12";
  card.Putts[0] = "2";
  card.Putts[10] = "3";
  ComputeScoreOut(card);
  ComputeScoreIn(card);
  ComputeScoreTotal(card);
  ComputePuttsOut(card);
  ComputePuttsIn(card);
  ComputePuttsTotal(card);
  EXPECT_EQ(card.ScoreOut, "45");
  EXPECT_EQ(card.ScoreIn, "9");
  EXPECT_EQ(card.ScoreTotal, "54");
  EXPECT_EQ(card.AdjScore, "49");  // the 12 counts as 7 at course handicap 12
  EXPECT_EQ(card.ScoreDiff, "-23.0");
  EXPECT_EQ(card.PuttsTotal, "5");

  card.Par.fill("");
  card.Par[0] = "5";
  card.ParTotal = "71";
  ComputeParNines(card);
  EXPECT_EQ(card.Par[1], "0");
  EXPECT_EQ(card.ParOut, "5");
  EXPECT_EQ(card.ParIn, "0");
  EXPECT_EQ(card.ParTotal, "71");
}

TEST(ScoreCardSums, FailedConversionKeepsWhatWasWritten) {
  ScoreCard card = Card("");
  card.ScoreOut = "40";
  card.ScoreIn = "41";
  card.AdjScore = "old";
  card.ScoreDiff = "old";
  // The total is written, then forming the adjusted score fails.
  EXPECT_EQ(ErrorOf(ComputeScoreTotal, card), "'' is not a valid integer value");
  EXPECT_EQ(card.ScoreTotal, "81");
  EXPECT_EQ(card.AdjScore, "old");
  EXPECT_EQ(card.ScoreDiff, "old");

  card.Score[3] = "";
  EXPECT_EQ(ErrorOf(ComputeScoreOut, card), "'' is not a valid integer value");
  EXPECT_EQ(card.ScoreOut, "40");

  card.Par.fill("");
  card.Par[11] = "x";
  card.ParOut = card.ParIn = "old";
  EXPECT_EQ(ErrorOf(ComputeParNines, card), "'x' is not a valid integer value");
  EXPECT_EQ(card.Par[0], "0");
  EXPECT_EQ(card.ParOut, "0");
  EXPECT_EQ(card.ParIn, "old");
}

TEST(AdjustedScore, HoleMaximumByCourseHandicap) {
  struct Case {
    const char* handicap;
    const char* par;
    const char* strokes;
    const char* adjusted;  // total 80 with this hole among the others of 0
  } cases[] = {
      {"9", "4", "7", "79"},   {"10", "4", "7", "80"},  {"10", "4", "8", "79"},
      {"19", "5", "9", "78"},  {"20", "5", "9", "79"},  {"30", "5", "10", "79"},
      {"39", "3", "12", "77"}, {"40", "3", "12", "78"}, {"-2", "3", "6", "79"},
      {"5", "0", "12", "80"},  {"5", "-1", "12", "80"}, {"9", "4", "0", "80"},
  };
  for (const Case& c : cases) {
    ScoreCard card = Card(c.handicap);
    card.Par[4] = c.par;
    card.Score[4] = c.strokes;
    card.ScoreTotal = "80";
    ComputeAdjScore(card);
    EXPECT_EQ(card.AdjScore, c.adjusted) << c.handicap << " " << c.par << " " << c.strokes;
  }
}

TEST(AdjustedScore, TotalsWithoutHoles) {
  ScoreCard card = Card("5");
  card.ScoreTotal = "95";
  ComputeAdjScore(card);
  EXPECT_EQ(card.AdjScore, "95");

  for (const char* none : {"", "0", "00"}) {
    card.ScoreTotal = none;
    card.AdjScore = "95";
    ComputeAdjScore(card);
    EXPECT_EQ(card.AdjScore, "") << none;
  }
  card.ScoreTotal = "0";
  ComputeScoreDiff(card);
  EXPECT_EQ(card.ScoreDiff, " 0.0");

  // No course shown yet: empty pars fail only where a hole has strokes.
  card.Par.fill("");
  card.ScoreTotal = "88";
  ComputeAdjScore(card);
  EXPECT_EQ(card.AdjScore, "88");
  card.Score[2] = "6";
  EXPECT_EQ(ErrorOf(ComputeAdjScore, card), "'' is not a valid integer value");
  EXPECT_EQ(card.AdjScore, "88");
}

// A round brought in without an AGS gets the score entry window's: the
// course's slope and pars when the course is listed, the round's own slope
// (113) and no pars when it is not, the total as it is without hole scores.
TEST(AdjustedScore, ImportedRounds) {
  TCourseRec pine{"PINE", "72.0", "140", "72", {}};
  pine.HolePar.fill("4");
  pine.HolePar[0] = "3";
  struct Case {
    bool listed;
    const char* index;
    int hole1;  // strokes on hole 1, the others 5; 0: no hole scores
    const char* total;
    const char* expected;
  } cases[] = {
      {true, "36.4", 12, "97", "95"},   // handicap 45: at most 10
      {false, "36.4", 12, "97", "94"},  // 36: at most 9
      {true, "5.0", 8, "93", "90"},     // 6: double bogey on the par 3
      {false, "5.0", 8, "93", "93"},    // no par known
      {true, "", 12, "97", "90"},       // no index: handicap 0
      {true, "36.4", 0, "085", "085"}, {true, "36.4", 12, "0", ""},
  };
  for (const Case& c : cases) {
    TScoreRec round;
    round.ScoreTotal = c.total;
    round.Slope = "113";
    round.HoleScore.fill(c.hole1 == 0 ? "0" : "5");
    round.HoleScore[0] = std::to_string(c.hole1);
    EXPECT_EQ(ImportedAdjScore(round, c.listed ? &pine : nullptr, c.index), c.expected)
        << c.index << " " << c.hole1 << (c.listed ? " listed" : "");
  }
}

TEST(Differential, ExamplesAndFallbacks) {
  struct Case {
    const char *adj, *total, *rating, *slope, *diff;
  } cases[] = {
      {"79", "79", "72.5", "130", " 5.7"},  // d*10 is 56.5 exactly; held at 40 bits it is above
      {"", "90", "72.0", "130", "15.6"},     {"", "70", "72.1", "120", "-2.0"},
      {"", "72", "72.0", "113", " 0.0"},     {"82", "90", "72.0", "0", " 0.0"},
      {"82", "90", "0.0", "113", " 0.0"},    {"82", "90", "", "113", " 0.0"},
      {"82", "90", "0", "113", " 0.0"},  // a rating of 0 gives no differential either
      {"XXX", "88", "72.0", "113", "16.0"},  {"0", "88", "72.0", "113", "16.0"},
      {"83", "85", "72.0", "113", "11.0"},   {"", "0", "72.0", "113", " 0.0"},
      {"", "999", "1.0", "0.1", "1127740."},  // cut to 8 characters
  };
  for (const Case& c : cases) {
    ScoreCard card = Card();
    card.AdjScore = c.adj;
    card.ScoreTotal = c.total;
    card.RatingField = c.rating;
    card.SlopeField = c.slope;
    ComputeScoreDiff(card);
    EXPECT_EQ(card.ScoreDiff, c.diff)
        << c.adj << "/" << c.total << "/" << c.rating << "/" << c.slope;
  }

  ScoreCard card = Card();
  card.ScoreTotal = "85";
  card.RatingField = "7O.5";
  card.ScoreDiff = "old";
  EXPECT_EQ(ErrorOf(ComputeScoreDiff, card), "'7O.5' is not a valid floating point value");
  EXPECT_EQ(card.ScoreDiff, "old");
  card.AdjScore = "8x";
  EXPECT_EQ(ErrorOf(ComputeScoreDiff, card), "'8x' is not a valid floating point value");
}

TEST(Dates, Normalize) {
  struct Case {
    const char *typed, *normalized;
  } cases[] = {
      {"1/2/03", "01/02/2003"},
      {"12-25-81", "12/25/1981"},
      {"7.4.1999", "07/04/1999"},
      {"070481", "07/04/1981"},
      {"070480", "07/04/2080"},
      {"07041999", "07/04/1999"},
      {"13/45/01", "13/45/2001"},
      {"1\\2,2003", "01/02/2003"},
      {"12/5/2003", "12/05/2003"},
      {"1/25/20034", "01/25/20034"},  // the longer form is kept
      {"1/2/199999", "01/02/1999"},
      {"1 2 2003", ""},
      {"1/2/3", ""},
      {"1/1/199", ""},
      {"12345678901", ""},
      {"a1/02/2003", ""},
      {"/1/02/2003", ""},
      {"12/503", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(NormalizeDate(c.typed), c.normalized) << c.typed;
}

TEST(Dates, Step) {
  struct Case {
    const char* date;
    char direction;
    const char* stepped;
  } cases[] = {
      {"12/31/1999", '+', "01/01/2000"},
      {"03/01/2000", '-', "02/29/2000"},
      {"03/01/1900", '-', "02/29/1900"},
      {"03/01/2001", '-', "02/28/2001"},
      {"02/28/2001", '+', "03/01/2001"},
      {"02/28/2004", '+', "02/29/2004"},
      {"02/29/2004", '+', "03/01/2004"},
      {"01/01/2000", '-', "12/31/1999"},
      {"05/01/2001", '-', "04/30/2001"},
      {"04/01/2001", '-', "03/31/2001"},
      {"04/30/2001", '+', "05/01/2001"},
      {"01/30/2001", '+', "01/31/2001"},
      {"06/15/2001", '-', "06/14/2001"},
      {"13/01/2001", '-', "13/01/2001"},
      {"13/40/2001", '+', "13/41/2001"},
      {"1/2/03", '+', "01/03/2003"},
      {"1 2 2003", '+', ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StepDate(c.date, c.direction), c.stepped) << c.date << " " << c.direction;
  }
}

TEST(StepNumber, UpAndDownWithoutBounds) {
  EXPECT_EQ(StepNumber("", '+'), "1");
  EXPECT_EQ(StepNumber("0", '-'), "-1");
  EXPECT_EQ(StepNumber("4", '+'), "5");
  EXPECT_EQ(StepNumber("-1", '-'), "-2");
  EXPECT_THROW(StepNumber("x", '+'), QmError);
}

}  // namespace
}  // namespace qm
