// Record and table types of Quillmor's data files.
//
// Every text field is a std::string of single-byte (Windows-1252) text. The
// readers and the windows cut a value to its field's width when they store it;
// nothing here enforces a width.
//
// Positions. The program addresses golfers, courses and scores by 1-based
// position: position n is line n - 1 of a list box. Tables keep their records
// in a 0-based std::vector and offer At(n) with a 1-based n; code that speaks
// of "position n" uses At(n), code that walks a whole table uses the vector.
//
// Capacity. A table may hold more records than the program's limit: a file
// with more records loads whole and saves whole. The limits are checked by the
// windows before they add a record.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "store/text.h"

namespace qm {

inline constexpr int MaxGolfers = 300;
inline constexpr int MaxScores = 200;
inline constexpr int MaxCourses = 200;

inline constexpr int HoleCount = 18;

// Field widths: the most characters a field keeps.
namespace width {
inline constexpr std::size_t LongName = 41;  // entry is limited to 40
inline constexpr std::size_t ShortName = 9;  // entry is limited to 8

inline constexpr std::size_t Date = 8;
inline constexpr std::size_t Course = 30;
inline constexpr std::size_t ScoreTotal = 3;
inline constexpr std::size_t Rating = 4;
inline constexpr std::size_t Slope = 3;
inline constexpr std::size_t Comment = 100;
inline constexpr std::size_t HoleScore = 2;
inline constexpr std::size_t HolePutts = 2;
inline constexpr std::size_t AdjScore = 3;
inline constexpr std::size_t EntryIndex = 4;
inline constexpr std::size_t EntryHandicap = 2;

inline constexpr std::size_t CourseName = 30;
inline constexpr std::size_t ParTotalFile = 2;  // as read from the course file
inline constexpr std::size_t ParTotalMem = 3;   // as kept from the course editor
inline constexpr std::size_t HoleParFile = 1;
inline constexpr std::size_t HoleParMem = 2;
}  // namespace width

// Returns text cut to at most n characters.
inline std::string CutTo(const std::string& text, std::size_t n) {
  return text.size() <= n ? text : text.substr(0, n);
}

// A table of records addressed by 1-based position.
template <class Rec>
struct Table {
  std::vector<Rec> Entries;

  int Count() const { return static_cast<int>(Entries.size()); }
  // 1-based; throws std::out_of_range outside 1..Count().
  Rec& At(int n) { return Entries.at(static_cast<std::size_t>(n) - 1); }
  const Rec& At(int n) const { return Entries.at(static_cast<std::size_t>(n) - 1); }
  void Clear() { Entries.clear(); }
};

// The name sort of the roster and the course lists: ascending by the name
// up to its first NUL, with the exchanges of a selection sort from the end
// (each pass leaves the greatest of 1..b at b), so equal names end in the
// order those exchanges give.
template <class Rec>
void SortByName(std::vector<Rec>& entries, std::string Rec::*name) {
  for (std::size_t b = entries.size(); b >= 2; --b)
    for (std::size_t i = b - 1; i >= 1; --i)
      if (CutAtNul(entries[b - 1].*name) < CutAtNul(entries[i - 1].*name))
        std::swap(entries[b - 1], entries[i - 1]);
}

struct TRosterEntry {
  std::string LongName;
  std::string ShortName;
  int Sex = 0;  // 0 male, 1 female
};

struct TRosterTable : Table<TRosterEntry> {};

struct TScoreRec {
  std::string Date;
  std::string Course;
  std::string ScoreTotal;
  std::string Rating;
  std::string Slope;
  std::string Comment;
  std::array<std::string, HoleCount> HoleScore;  // [0] is hole 1
  std::array<std::string, HoleCount> HolePutts;  // [0] is hole 1
  std::string AdjScore;
  std::string EntryIndex;
  std::string EntryHandicap;
};

struct TScoreTable : Table<TScoreRec> {};

struct TCourseRec {
  std::string CourseName;
  std::string Rating;
  std::string Slope;
  std::string ParTotal;
  std::array<std::string, HoleCount> HolePar;  // [0] is hole 1
};

struct TCourseTable : Table<TCourseRec> {};

struct TCourseSummaryRec {
  std::string CourseName;
  std::string Rating;
  std::string Slope;
  std::string ParTotal;
};

struct TCourseSummaryTable : Table<TCourseSummaryRec> {};

}  // namespace qm
