#include "engine/scorecard.h"

#include <cstdint>

#include "engine/coursehcp.h"
#include "engine/numeric.h"
#include "store/text.h"

namespace qm {

namespace {

// Sums of whole-number texts are formed in 64 bits so that no typed value can
// overflow; they are written back as plain decimal.
std::int64_t SumOf(const std::array<std::string, HoleCount>& fields, int first, int last) {
  std::int64_t sum = 0;
  for (int hole = first; hole <= last; ++hole) sum += StrToInt(fields[hole - 1]);
  return sum;
}

// The total of a card's two nine-hole sums, as text.
std::string TotalOf(const std::string& out, const std::string& in) {
  std::int64_t total = StrToInt(out);
  total += StrToInt(in);
  return std::to_string(total);
}

}  // namespace

void ComputeScoreOut(ScoreCard& card) { card.ScoreOut = std::to_string(SumOf(card.Score, 1, 9)); }

void ComputeScoreIn(ScoreCard& card) { card.ScoreIn = std::to_string(SumOf(card.Score, 10, 18)); }

void ComputeScoreTotal(ScoreCard& card) {
  card.ScoreTotal = TotalOf(card.ScoreOut, card.ScoreIn);
  ComputeAdjScore(card);
  ComputeScoreDiff(card);
}

void ComputePuttsOut(ScoreCard& card) { card.PuttsOut = std::to_string(SumOf(card.Putts, 1, 9)); }

void ComputePuttsIn(ScoreCard& card) { card.PuttsIn = std::to_string(SumOf(card.Putts, 10, 18)); }

void ComputePuttsTotal(ScoreCard& card) { card.PuttsTotal = TotalOf(card.PuttsOut, card.PuttsIn); }

void ComputeParNines(ScoreCard& card) {
  for (auto& par : card.Par) {
    if (par.empty()) par = "0";
  }
  card.ParOut = std::to_string(SumOf(card.Par, 1, 9));
  card.ParIn = std::to_string(SumOf(card.Par, 10, 18));
}

int HoleMaximum(int courseHandicap) {
  if (courseHandicap >= 40) return 10;
  if (courseHandicap >= 30) return 9;
  if (courseHandicap >= 20) return 8;
  if (courseHandicap >= 10) return 7;
  return 0;
}

void ComputeAdjScore(ScoreCard& card) {
  const std::string& total = card.ScoreTotal;
  if (total.empty() || total == "0" || total == "00") {
    card.AdjScore.clear();
    return;
  }
  int maximum = HoleMaximum(StrToInt(card.CourseHandicapField));
  std::int64_t reduction = 0;
  for (int hole = 0; hole < HoleCount; ++hole) {
    if (card.Score[hole].empty()) continue;
    std::int64_t strokes = StrToInt(card.Score[hole]);
    if (maximum > 0) {
      if (strokes > maximum) reduction += strokes - maximum;
    } else if (strokes > 0) {
      // A hole without strokes can never exceed a double bogey, so its par
      // is not needed: a total typed before a course is shown (pars still
      // empty) must not fail on the untouched holes.
      std::int64_t par = StrToInt(card.Par[hole]);
      if (par > 0 && strokes > par + 2) reduction += strokes - par - 2;
    }
  }
  card.AdjScore = std::to_string(StrToInt(total) - reduction);
}

std::string ImportedAdjScore(const TScoreRec& round, const TCourseRec* course,
                             const std::string& indexText) {
  ScoreCard card;
  card.ScoreTotal = round.ScoreTotal;
  if (card.ScoreTotal.empty() || card.ScoreTotal == "0" || card.ScoreTotal == "00") return {};
  bool holes = false;
  for (int hole = 0; hole < HoleCount; ++hole) {
    card.Score[hole] = round.HoleScore[hole];
    if (!card.Score[hole].empty() && StrToInt(card.Score[hole]) > 0) holes = true;
  }
  if (!holes) return round.ScoreTotal;
  const std::string& slope = course != nullptr ? course->Slope : round.Slope;
  const int handicap =
      indexText.empty() || slope.empty() ? 0 : ComputeCourseHandicap(indexText, slope);
  card.CourseHandicapField = std::to_string(handicap);
  if (course != nullptr) card.Par = course->HolePar;
  ComputeParNines(card);
  ComputeAdjScore(card);
  return card.AdjScore;
}

long double HandicapDifferential(long double x, long double rating, long double slope) {
  if (x == 0 || rating == 0 || slope == 0) return 0;
  long double quotient = RoundTo40Bits((x - rating) * 113 / slope);
  return RoundToTenths40(quotient);
}

void ComputeScoreDiff(ScoreCard& card) {
  long double x = 0;
  if (!card.AdjScore.empty() && card.AdjScore != "XXX") x = ParseDecimal(card.AdjScore);
  if (x == 0 && !card.ScoreTotal.empty() && card.ScoreTotal != "0") {
    x = ParseDecimal(card.ScoreTotal);
  }
  long double d = 0;
  if (x != 0 && !card.RatingField.empty() && card.RatingField != "0.0" &&
      !card.SlopeField.empty()) {
    long double slope = ParseDecimal(card.SlopeField);
    if (slope != 0) d = HandicapDifferential(x, ParseDecimal(card.RatingField), slope);
  }
  card.ScoreDiff = CutTo(FormatTenths(d), 8);
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSeparator(char c) { return c == '/' || c == '\\' || c == ',' || c == '-' || c == '.'; }

// Character n of the text, counted from 1; NUL past the end, which is
// neither a digit nor "/".
char At(const std::string& text, std::size_t n) { return n <= text.size() ? text[n - 1] : '\0'; }

bool AllDigits(const std::string& text) {
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

}  // namespace

std::string NormalizeDate(const std::string& typed) {
  if (typed.size() < 6 || typed.size() > 10) return {};
  std::string text = typed;
  for (char& c : text) {
    if (IsDigit(c)) continue;
    if (!IsSeparator(c)) return {};
    c = '/';
  }
  if ((text.size() == 8 || text.size() == 6) && AllDigits(text)) {
    text = text.substr(0, 2) + "/" + text.substr(2, 2) + "/" + text.substr(4);
  }
  if (!IsDigit(At(text, 1))) return {};
  if (At(text, 2) == '/') text.insert(0, "0");
  if (At(text, 3) != '/' || !IsDigit(At(text, 4))) return {};
  if (At(text, 5) == '/') {
    text.insert(3, "0");
    text = CutTo(text, 10);
  }
  if (At(text, 6) != '/' || !IsDigit(At(text, 7)) || !IsDigit(At(text, 8))) return {};
  if (text.size() > 8 && (!IsDigit(At(text, 9)) || !IsDigit(At(text, 10)))) return {};
  if (text.size() == 8) {
    int yy = (text[6] - '0') * 10 + (text[7] - '0');
    text.insert(6, yy <= 80 ? "20" : "19");
  }
  return text;
}

namespace {

// The day stepping's own leap years: every fourth, 1900 and 2100 included.
// It is how the stepping has always walked the days, kept as it is; every
// other date of the program is checked by the Gregorian calendar.
bool IsSteppingLeapYear(int year) { return year % 4 == 0; }

}  // namespace

std::string StepDate(const std::string& typed, char direction) {
  std::string text = NormalizeDate(typed);
  if (text.empty()) return text;
  // A normalised date has digits in all these places, so the parses succeed.
  int month = StrToInt(text.substr(0, 2));
  int day = StrToInt(text.substr(3, 2));
  int year = StrToInt(text.substr(6, 4));

  if (direction == '-') {
    if (day > 1) {
      --day;
    } else {
      switch (month) {
        case 1:
          month = 12;
          day = 31;
          --year;
          break;
        case 2:
        case 4:
        case 6:
        case 8:
        case 9:
        case 11:
          --month;
          day = 31;
          break;
        case 5:
        case 7:
        case 10:
        case 12:
          --month;
          day = 30;
          break;
        case 3:
          month = 2;
          day = IsSteppingLeapYear(year) ? 29 : 28;
          break;
        default: break;  // no such month: left as it is
      }
    }
  } else if (direction == '+') {
    bool longMonth = month == 1 || month == 3 || month == 5 || month == 7 || month == 8 ||
                     month == 10 || month == 12;
    bool shortMonth = month == 4 || month == 6 || month == 9 || month == 11;
    if ((longMonth && day >= 31) || (shortMonth && day >= 30) ||
        (month == 2 && day >= (IsSteppingLeapYear(year) ? 29 : 28))) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    } else {
      ++day;
    }
  }
  return NormalizeDate(std::to_string(month) + "/" + std::to_string(day) + "/" +
                       std::to_string(year));
}

std::string StepNumber(const std::string& text, char direction) {
  std::int64_t value = text.empty() ? 0 : StrToInt(text);
  if (direction == '+') ++value;
  if (direction == '-') --value;
  return std::to_string(value);
}

}  // namespace qm
