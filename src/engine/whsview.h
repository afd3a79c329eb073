// What the golfer insight window and its print show of the World Handicap
// System estimate: its rows and texts, made from the rules of engine/whs.h.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/whs.h"

namespace qm::whs {

// "holes", "lowest", "stored"; "soft", "hard", "".
std::string BasisText(AgsBasis basis);
std::string CapText(Cap cap);

// A course of the list at the estimate now: its course handicap and the net
// par target (par + course handicap). Both are absent for a course whose
// rating, slope or par total is not a number.
struct CourseRow {
  std::string Course;  // up to its first NUL
  std::optional<int> Handicap;
  std::optional<int> NetParTarget;
};

struct View {
  std::optional<Estimate> Result;  // absent when the replay failed
  std::string Failure;             // then why: the error's text
  std::vector<CourseRow> Courses;  // one per course of the list; empty without an estimate
};

// A round's cells as the table shows them: date (mm/dd/yyyy), course,
// AGS, basis, SD, ESR (blank when none), used ("*" or blank), index after
// (blank while there is none), cap ("soft", "hard" or blank).
std::array<std::string, 9> RowCells(const Row& row);
// A course's cells: course, course handicap, net par target (blank when the
// course's figures are not numbers).
std::array<std::string, 3> CourseCells(const CourseRow& row);

// ReplayWhs and the course rows. A replay that throws QmError gives a view
// with that error as its Failure: the estimate is one part of a window that
// shows the rest whatever becomes of it.
View ViewOf(const TScoreTable& table, const TCourseTable& courses, const TStrokeTable& strokes);

// The line above the table: "World Handicap System estimate: " and the
// index (or "no index yet"), the Low Handicap Index when there is one and
// the cap on the last index, if any; for a failed replay, why there is none.
std::string SummaryText(const View& view);

// What the estimate leaves out, and when some rounds count as "lowest",
// which courses' stroke indexes would make them exact.
std::string NoteText(const View& view);

}  // namespace qm::whs
