// The stroke index file, strokes.qmd: which hole of a course takes the
// first stroke of a handicap, which the second, and so on.
//
// One line per course: CourseName~ then the stroke index of holes 1 to 18,
// each followed by "~", then CR LF. A line is valid when those 18 fields
// hold each of 1 to 18 exactly once (as whole numbers, spaces around them
// allowed) and nothing but spaces follows the last "~". Any other line is
// kept as it stands but gives no course a stroke index: a course never has
// a partial one.
//
// A course's line is found as the score entry window finds a round's course:
// the first valid line whose name equals the course name, with the letters A
// to Z compared without regard to case. Lines of renamed or deleted courses
// stay in the file, unused, and are written back as they were.
//
// Usage: the dialog that edits a course's stroke index reads the fields with
// StrokeFieldsOf and stores the result with StoreStrokeIndex (which reads
// the file again just before it writes); the handicap engine looks the
// indexes up with FindStrokeIndex on a table from LoadStrokes.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "store/datafiles.h"
#include "store/records.h"

namespace qm {

// [0] is the stroke index of hole 1; a valid one holds each of 1..18 once.
using StrokeIndex = std::array<int, HoleCount>;

struct TStrokeLine {
  std::string Text;        // the line as read (without its line end); written back as it stands
  std::string CourseName;  // the text before the first "~" through StorableText, width 30
  bool Valid = false;
  StrokeIndex Index{};  // when Valid
};

struct TStrokeTable : Table<TStrokeLine> {};

// Fills table with every line of strokes.qmd, in file order. A missing file
// is an empty table (no course has a stroke index yet); any other failure
// to read throws the general error report's text.
void LoadStrokes(TStrokeTable& table);

// The stroke index of the course named courseName (the first valid line of
// that name), or nullptr. The pointer lives as long as the table is not
// changed.
const StrokeIndex* FindStrokeIndex(const TStrokeTable& table, const std::string& courseName);

// The 18 texts the stroke index dialog shows for a course: its valid line's
// numbers; else, so that a damaged line can be mended, the fields of the
// first line of that name (each through StorableText, width 2; a missing
// field empty); nullopt when the file has no line of that name.
std::optional<std::array<std::string, HoleCount>> StrokeFieldsOf(const TStrokeTable& table,
                                                                 const std::string& courseName);

// True when the 18 numbers hold each of 1 to 18 exactly once.
bool IsStrokePermutation(const StrokeIndex& index);

// Gives the course named courseName the stroke index index (which must be a
// permutation: throws std::invalid_argument otherwise), or with nullopt
// takes its stroke index away. Every line of that name is replaced: the
// first by the new line (the new line is appended when there is none), the
// others removed. Lines of other names are untouched. The name is written
// through StorableText, width 30.
void SetStrokeIndex(TStrokeTable& table, const std::string& courseName,
                    const std::optional<StrokeIndex>& index);

// Replaces strokes.qmd with the table (temporary file flushed to the disk,
// then rename; on a failure the old file is kept as it was). Each line is
// written as its Text, followed by CR LF.
void SaveStrokes(const TStrokeTable& table);

// LoadStrokes, SetStrokeIndex and SaveStrokes in one, reading the file just
// before it is written so that nothing saved meanwhile is lost. Throws as
// those do; a file that cannot be read is never overwritten.
void StoreStrokeIndex(const std::string& courseName, const std::optional<StrokeIndex>& index);

}  // namespace qm
