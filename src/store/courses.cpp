#include "store/courses.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "store/fileio.h"
#include "store/text.h"

namespace qm {

namespace {

// Only the first part of a line is read.
constexpr std::size_t CourseLineKeep = 120;
constexpr int CourseFieldCount = 4 + HoleCount;

// Makes sure courses.qmd exists, turning the sample list into it on the
// first run. False when neither can be had.
bool ObtainCourseFile() {
  if (fileio::Exists(CourseFileName)) return true;
  std::error_code ec;
  // Nothing of the name exists, so the rename cannot replace a file.
  std::filesystem::rename(SampleCourseFileName, CourseFileName, ec);
  return !ec;
}

// Walks the "~" fields of one course line, calling store(fieldNumber, text)
// for each field ended by a "~" up to the last one of a course line. Text
// not followed by a "~" is dropped.
template <class Store>
void ScanCourseLine(const std::string& line, Store store) {
  int field = 0;
  std::string text;
  for (char c : line) {
    if (c != '~') {
      text.push_back(c);
      continue;
    }
    store(field, text);
    text.clear();
    if (++field == CourseFieldCount) break;
  }
}

// The fields both kinds of entry keep: name, rating, slope and total par.
// False for a field beyond them.
template <class Rec>
bool StoreHeadField(Rec& rec, int field, const std::string& text) {
  switch (field) {
    case 0: rec.CourseName = StorableText(text, width::CourseName); return true;
    case 1: rec.Rating = StorableText(text, width::Rating); return true;
    case 2: rec.Slope = StorableText(text, width::Slope); return true;
    case 3: rec.ParTotal = StorableText(text, width::ParTotalFile); return true;
    default: return false;
  }
}

// Fills table with one entry per line of the course file, each starting as
// placeholder; fields beyond the first four go to storeRest.
template <class Table, class Rec, class StoreRest>
LoadCoursesResult LoadCourseLines(Table& table, const Rec& placeholder, StoreRest storeRest) {
  table.Clear();
  if (!ObtainCourseFile()) return {SampleRenameError};
  std::vector<std::string> lines = fileio::ReadLines(CourseFileName, CourseLineKeep);
  table.Entries.reserve(lines.size());
  for (const std::string& line : lines) {
    Rec& rec = table.Entries.emplace_back(placeholder);
    ScanCourseLine(line, [&rec, &storeRest](int field, const std::string& text) {
      if (!StoreHeadField(rec, field, text)) storeRest(rec, field, text);
    });
  }
  return {};
}

}  // namespace

TCourseRec PlaceholderCourseRec() {
  TCourseRec rec;
  rec.CourseName = std::string(width::CourseName, 'X');
  rec.Rating = "XXXX";
  rec.Slope = "XXX";
  rec.ParTotal = "00";
  rec.HolePar.fill("0");
  return rec;
}

TCourseSummaryRec PlaceholderCourseSummaryRec() {
  TCourseSummaryRec rec;
  rec.CourseName = std::string(width::CourseName, 'X');
  rec.Rating = "00.0";
  rec.Slope = "000";
  rec.ParTotal = "00";
  return rec;
}

void ClearCourseRec(TCourseTable& table, int n) { table.At(n) = PlaceholderCourseRec(); }

void MakeStorable(TCourseRec& rec) {
  rec.CourseName = StorableText(rec.CourseName, width::CourseName);
  rec.Rating = StorableText(rec.Rating, width::Rating);
  rec.Slope = StorableText(rec.Slope, width::Slope);
  rec.ParTotal = StorableText(rec.ParTotal, width::ParTotalMem);
  for (std::string& par : rec.HolePar) par = StorableText(par, width::HoleParMem);
}

LoadCoursesResult LoadCourses(TCourseTable& table) {
  return LoadCourseLines(table, PlaceholderCourseRec(),
                         [](TCourseRec& rec, int field, const std::string& text) {
                           rec.HolePar[field - 4] = StorableText(text, width::HoleParFile);
                         });
}

LoadCoursesResult LoadCourseSummaries(TCourseSummaryTable& table) {
  // The summary keeps no hole pars.
  return LoadCourseLines(table, PlaceholderCourseSummaryRec(),
                         [](TCourseSummaryRec&, int, const std::string&) {});
}

void SortCourses(TCourseTable& table) { SortByName(table.Entries, &TCourseRec::CourseName); }
void SortCourses(TCourseSummaryTable& table) {
  SortByName(table.Entries, &TCourseSummaryRec::CourseName);
}

void SaveCourses(const TCourseTable& table) {
  std::vector<std::string> lines;
  lines.reserve(table.Entries.size());
  for (const TCourseRec& rec : table.Entries) {
    std::string line;
    for (const std::string* field : {&rec.CourseName, &rec.Rating, &rec.Slope, &rec.ParTotal}) {
      line += fileio::FieldForFile(*field);
      line += '~';
    }
    for (const std::string& par : rec.HolePar) {
      line += fileio::FieldForFile(par);
      line += '~';
    }
    line += "\r\n";
    lines.push_back(std::move(line));
  }
  fileio::ReplaceFile(CourseFileName, lines);
}

bool SameCourseName(const std::string& a, const std::string& b) {
  return EqualCaseBlind(CutAtNul(a), CutAtNul(b));
}

int FindCourse(const TCourseTable& table, const std::string& name) {
  const std::string wanted = CutAtNul(name);
  for (int n = 1; n <= table.Count(); ++n)
    if (EqualCaseBlind(CutAtNul(table.At(n).CourseName), wanted)) return n;
  return 0;
}

}  // namespace qm
