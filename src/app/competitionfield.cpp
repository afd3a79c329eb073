#include "app/competitionfield.h"

#include <cmath>

#include "engine/golfer.h"
#include "engine/index.h"
#include "engine/tenths.h"
#include "engine/whs.h"
#include "store/calendar.h"
#include "store/courses.h"
#include "store/errors.h"
#include "store/roster.h"
#include "store/scores.h"
#include "store/text.h"
#include "ui/guard.h"
#include "ui/rosterload.h"

namespace qm {

namespace {

// A field's whole number above 0, else 0 (no score).
int HoleScore(const std::string& field) {
  int value = 0;
  return TryStrToInt(CutAtNul(field), value) && value > 0 ? value : 0;
}

TScoreTable RoundsBefore(const TScoreTable& scores, const std::string& dateKey) {
  TScoreTable before;
  for (const TScoreRec& round : scores.Entries)
    if (CutAtNul(round.Date) < dateKey) before.Entries.push_back(round);
  return before;
}

std::optional<int> IndexThatMorning(const TRosterEntry& golfer, const TScoreTable& before,
                                    const TCourseTable& courses, const TStrokeTable& strokes,
                                    HandicapBasis basis, bool useMaxIndex) {
  try {
    if (basis == HandicapBasis::Whs) return whs::ReplayWhs(before, courses, strokes).Index;
    const IndexResult result = CalcIndex(before, GolferIndexRequest(golfer, useMaxIndex));
    if (result.UsedScores.empty()) return std::nullopt;
    return static_cast<int>(std::llround(result.Index * 10));
  } catch (const QmError&) {
    return std::nullopt;  // a round that cannot be read: no index to play off
  }
}

}  // namespace

Club ReadClub() {
  Club club;
  LoadSortedRoster(club.Roster);
  for (const TRosterEntry& golfer : club.Roster.Entries) {
    TScoreTable& scores = club.Scores.emplace_back();
    if (!Guard([&] { LoadSortedScores(scores, ScoreFileName(golfer), false); })) {
      scores.Clear();
      club.Unreadable.push_back(CutAtNul(golfer.LongName));
    }
  }
  return club;
}

std::string NewestDate(const Club& club) {
  std::string newest;
  for (const TScoreTable& scores : club.Scores)
    for (const TScoreRec& round : scores.Entries) {
      const std::string key = CutAtNul(round.Date);
      if (key > newest && DateOfKey(key)) newest = key;
    }
  return newest;
}

int BusiestCourse(const Club& club, const TCourseTable& courses, const std::string& dateKey) {
  if (courses.Count() == 0) return 0;
  std::vector<int> rounds(static_cast<std::size_t>(courses.Count()) + 1, 0);
  for (const TScoreTable& scores : club.Scores)
    for (const TScoreRec& round : scores.Entries)
      if (CutAtNul(round.Date) == dateKey)
        ++rounds[static_cast<std::size_t>(FindCourse(courses, round.Course))];
  int busiest = 1;
  for (int n = 2; n <= courses.Count(); ++n)
    if (rounds[static_cast<std::size_t>(n)] > rounds[static_cast<std::size_t>(busiest)])
      busiest = n;
  return busiest;
}

std::vector<FieldEntry> GatherField(const Club& club, const TCourseRec& course,
                                    const TCourseTable& courses, const TStrokeTable& strokes,
                                    const std::string& dateKey, HandicapBasis basis,
                                    bool useMaxIndex) {
  std::vector<FieldEntry> field;
  for (int g = 0; g < club.Roster.Count(); ++g) {
    const TScoreTable& scores = club.Scores[static_cast<std::size_t>(g)];
    const TScoreRec* played = nullptr;
    for (const TScoreRec& round : scores.Entries)
      if (CutAtNul(round.Date) == dateKey && SameCourseName(round.Course, course.CourseName))
        played = &round;  // the last of the table: played first
    if (played == nullptr) continue;
    const TRosterEntry& golfer = club.Roster.At(g + 1);
    FieldEntry& entry = field.emplace_back();
    entry.Golfer = g;
    comp::Player& player = entry.Player;
    player.Name = CutAtNul(golfer.LongName);
    for (int h = 0; h < HoleCount; ++h) player.Score[h] = HoleScore(played->HoleScore[h]);
    int total = 0;
    player.StoredIsNumber = TryStrToInt(TrimSpaces(CutAtNul(played->ScoreTotal)), total);
    if (player.StoredIsNumber) player.Stored = total;
    player.Index10 = IndexThatMorning(golfer, RoundsBefore(scores, dateKey), courses, strokes,
                                      basis, useMaxIndex);
  }
  return field;
}

bool CourseFacts(const TCourseRec& course, const TStrokeTable& strokes, comp::Course& facts,
                 std::string& why) {
  const std::string name = CutAtNul(course.CourseName);
  const std::string rating = TrimSpaces(CutAtNul(course.Rating));
  const std::string slope = TrimSpaces(CutAtNul(course.Slope));
  int slope10 = 0;
  if (!TryTenths(rating, facts.Rating10) || !TryTenths(slope, slope10) || slope10 <= 0) {
    why = "The rating or slope of " + name + " is no number (course list).";
    return false;
  }
  facts.Slope = static_cast<int>(RoundHalfUp(slope10, 10));
  if (!TryStrToInt(TrimSpaces(CutAtNul(course.ParTotal)), facts.ParTotal)) {
    why = "The par of " + name + " is no number (course list).";
    return false;
  }
  for (int h = 0; h < HoleCount; ++h)
    if (!TryStrToInt(TrimSpaces(CutAtNul(course.HolePar[h])), facts.Par[h])) {
      why = "The par of hole " + std::to_string(h + 1) + " of " + name +
            " is no number (course list).";
      return false;
    }
  if (const StrokeIndex* index = FindStrokeIndex(strokes, course.CourseName)) {
    facts.Strokes = *index;
  } else {
    facts.Strokes.reset();
  }
  return true;
}

}  // namespace qm
