// A competition's field, from the files: every roster golfer's score file
// read once when the competition window opens, then for a date and a
// course the golfers who played it, with their cards and the index each
// had that morning. The rules of the results are engine/competition.h's.
#pragma once

#include <string>
#include <vector>

#include "engine/competition.h"
#include "store/records.h"
#include "store/strokes.h"

namespace qm {

// The roster (sorted by long name) and each golfer's score table, newest
// first. A file that cannot be read was reported through the error guard:
// its golfer has an empty table and is named in Unreadable.
struct Club {
  TRosterTable Roster;
  std::vector<TScoreTable> Scores;  // one per roster entry
  std::vector<std::string> Unreadable;
};
Club ReadClub();

// The newest calendar date key (yyyymmdd) of any round, "" for none.
std::string NewestDate(const Club& club);
// The 1-based course of courses with the most rounds on dateKey; the first
// of the list on a tie, 1 when none has any (0 for an empty list).
int BusiestCourse(const Club& club, const TCourseTable& courses, const std::string& dateKey);

enum class HandicapBasis { Quillmor, Whs };

struct FieldEntry {
  int Golfer = 0;  // 0-based roster entry
  comp::Player Player;
};

// Every golfer with a round dated dateKey at course (the course name rule
// of FindCourse), in roster order: the round played first of two, which is
// the one nearer the end of the table. The index is the one in effect that
// morning, over the rounds dated before dateKey: the program's own (with
// the golfer's sex and the Maximum Index Rule) or the World Handicap System
// estimate; none when it has no rounds to stand on or a round cannot be
// read.
std::vector<FieldEntry> GatherField(const Club& club, const TCourseRec& course,
                                    const TCourseTable& courses, const TStrokeTable& strokes,
                                    const std::string& dateKey, HandicapBasis basis,
                                    bool useMaxIndex);

// The course facts the rules need; false (with why) when the rating, slope,
// par total or a hole's par is no number.
bool CourseFacts(const TCourseRec& course, const TStrokeTable& strokes, comp::Course& facts,
                 std::string& why);

}  // namespace qm
