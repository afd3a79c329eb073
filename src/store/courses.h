// The course file, courses.qmd, and the sample course file, sample.qmd.
//
// One line per course: CourseName~Rating~Slope~ParTotal~ then the 18 hole
// pars each followed by "~", then CR LF.
#pragma once

#include <string>

#include "store/datafiles.h"
#include "store/records.h"

namespace qm {

inline constexpr const char* SampleRenameError = "Error renaming sample courses file!";

struct LoadCoursesResult {
  // Empty, or "Error renaming sample courses file!" when courses.qmd was
  // missing and sample.qmd could not be renamed to it; the caller shows it
  // and works with the empty table.
  std::string Message;
};

// Fills table from courses.qmd (file order), renaming sample.qmd to
// courses.qmd first when courses.qmd is missing. Loads every line, even past
// MaxCourses. Each field read goes through StorableText and is cut to its
// width.
LoadCoursesResult LoadCourses(TCourseTable& table);
// The same, keeping CourseName, Rating, Slope and ParTotal only, with the
// summary placeholders ("00.0", "000").
LoadCoursesResult LoadCourseSummaries(TCourseSummaryTable& table);

// By CourseName, comparing bytes (selection sort from the end).
void SortCourses(TCourseTable& table);
void SortCourses(TCourseSummaryTable& table);

// Replaces courses.qmd with the table (temporary file flushed to the disk,
// then rename; on a failure the old file is kept as it was). Each field is
// written through StorableText.
void SaveCourses(const TCourseTable& table);

// The course a name means: the 1-based position of the first course of
// table whose name equals name, the letters A to Z compared without regard
// to case and both names taken up to their first NUL; 0 when none does.
// Every window, report and rule that finds a round's course uses it, so that
// they all agree on which course that is.
int FindCourse(const TCourseTable& table, const std::string& name);
// The name rule of FindCourse, for lists keyed by a course's name.
bool SameCourseName(const std::string& a, const std::string& b);

// Puts every field through StorableText with the width the course editor
// keeps (3 for the total par, 2 for a hole par, as typed): what a window
// calls on an entry before it goes into the table. The reader does the same
// with the file's widths (2 and 1).
void MakeStorable(TCourseRec& rec);

// Sets entry n (1-based) to the full-entry placeholders.
void ClearCourseRec(TCourseTable& table, int n);
TCourseRec PlaceholderCourseRec();
TCourseSummaryRec PlaceholderCourseSummaryRec();

}  // namespace qm
