// The message texts that more than one window shows, written once.
#pragma once

#include <QString>

namespace qm::msg {

// The program's title: the main window's caption and heading, the caption
// of every box, the About box's product name.
inline QString ProgramTitle() { return QStringLiteral("Quillmor for Windows"); }

// A list at its limit refuses to take another course (the course list
// maintenance window, the score entry window's Add Course).
inline QString CoursesFull() {
  return QStringLiteral(
      "You have reached the maximum allowed number of courses.  If possible, delete some courses "
      "that you do not use.  Then, you can enter more new ones.");
}

// A golfer at the score limit gets no new score (the golfer scores window,
// the group-of-scores window).
inline QString ScoresFull() {
  return QStringLiteral(
      "This golfer has reached the maximum allowed number of scores for a golfer.  You must "
      "delete some old scores for this golfer before you can add any new scores.  REMEMBER: the "
      "last 20 complete scores are used to calculate the index.");
}

// A report or a handicap asked for before the user picked a course (the
// course handicap window, the print handicaps dialog).
inline QString SelectCourseFirst() { return QStringLiteral("You must select a course first."); }

inline QString HelpNotImplemented() { return QStringLiteral("Help not implemented yet."); }

}  // namespace qm::msg
