#include "store/strokes.h"

#include <cerrno>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "store/courses.h"
#include "store/errors.h"
#include "store/fileio.h"
#include "store/text.h"

namespace qm {

namespace {

constexpr std::size_t StrokeFieldWidth = 2;

// One stroke index field: a whole number 1 to 18, spaces around it allowed;
// 0 for anything else.
int StrokeNumber(std::string_view field) {
  std::size_t first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  field = field.substr(first, field.find_last_not_of(' ') - first + 1);
  if (field.size() > 2) return 0;
  int value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value >= 1 && value <= HoleCount ? value : 0;
}

// The fields of a line: the name and the texts ended by the next 18 "~"
// (fewer when the line has fewer); rest is what follows the 19th "~".
struct LineFields {
  bool Named = false;  // the line holds a "~"
  std::string_view Name;
  std::vector<std::string_view> Holes;
  std::string_view Rest;
};

LineFields SplitStrokeLine(std::string_view line) {
  LineFields fields;
  std::size_t tilde = line.find('~');
  if (tilde == std::string_view::npos) return fields;
  fields.Named = true;
  fields.Name = line.substr(0, tilde);
  std::size_t start = tilde + 1;
  while (fields.Holes.size() < HoleCount) {
    tilde = line.find('~', start);
    if (tilde == std::string_view::npos) return fields;
    fields.Holes.push_back(line.substr(start, tilde - start));
    start = tilde + 1;
  }
  fields.Rest = line.substr(start);
  return fields;
}

TStrokeLine ParseStrokeLine(std::string_view text) {
  TStrokeLine line;
  line.Text.assign(text);
  const LineFields fields = SplitStrokeLine(text);
  line.CourseName = StorableText(fields.Name, width::CourseName);
  if (fields.Holes.size() != HoleCount) return line;
  if (fields.Rest.find_first_not_of(' ') != std::string_view::npos) return line;
  for (int h = 0; h < HoleCount; ++h) line.Index[h] = StrokeNumber(fields.Holes[h]);
  line.Valid = IsStrokePermutation(line.Index);
  if (!line.Valid) line.Index = {};
  return line;
}

// Whether line is a line of the course named storableName (a name already
// through StorableText): a line without a "~" names no course.
bool IsLineOf(const TStrokeLine& line, const std::string& storableName) {
  return SameCourseName(line.CourseName, storableName) && line.Text.find('~') != std::string::npos;
}

std::string LineText(const std::string& storableName, const StrokeIndex& index) {
  std::string text = storableName + '~';
  for (int si : index) {
    text += std::to_string(si);
    text += '~';
  }
  return text;
}

}  // namespace

bool IsStrokePermutation(const StrokeIndex& index) {
  std::array<bool, HoleCount + 1> seen{};
  for (int si : index) {
    if (si < 1 || si > HoleCount || seen[si]) return false;
    seen[si] = true;
  }
  return true;
}

void LoadStrokes(TStrokeTable& table) {
  table.Clear();
  std::string bytes;
  int openError = 0;
  if (!fileio::TryReadBytes(StrokeFileName, bytes, openError)) {
    if (openError == ENOENT) return;
    ThrowIoError(openError);
  }
  // Whole lines: a line that is not understood is still written back whole.
  const std::vector<std::string_view> lines = fileio::SplitLines(bytes, std::string_view::npos);
  table.Entries.reserve(lines.size());
  for (std::string_view line : lines) table.Entries.push_back(ParseStrokeLine(line));
}

const StrokeIndex* FindStrokeIndex(const TStrokeTable& table, const std::string& courseName) {
  const std::string name = StorableText(courseName, width::CourseName);
  for (const TStrokeLine& line : table.Entries) {
    // A valid line was read with its "~"s: its name is all that decides.
    if (line.Valid && SameCourseName(line.CourseName, name)) return &line.Index;
  }
  return nullptr;
}

std::optional<std::array<std::string, HoleCount>> StrokeFieldsOf(const TStrokeTable& table,
                                                                 const std::string& courseName) {
  std::array<std::string, HoleCount> texts;
  if (const StrokeIndex* index = FindStrokeIndex(table, courseName)) {
    for (int h = 0; h < HoleCount; ++h) texts[h] = std::to_string((*index)[h]);
    return texts;
  }
  const std::string name = StorableText(courseName, width::CourseName);
  for (const TStrokeLine& line : table.Entries) {
    if (!IsLineOf(line, name)) continue;
    const LineFields fields = SplitStrokeLine(line.Text);
    for (std::size_t h = 0; h < fields.Holes.size(); ++h) {
      texts[h] = StorableText(fields.Holes[h], StrokeFieldWidth);
    }
    return texts;
  }
  return std::nullopt;
}

void SetStrokeIndex(TStrokeTable& table, const std::string& courseName,
                    const std::optional<StrokeIndex>& index) {
  if (index && !IsStrokePermutation(*index)) {
    throw std::invalid_argument("a stroke index must hold each of 1 to 18 once");
  }
  const std::string name = StorableText(courseName, width::CourseName);
  std::vector<TStrokeLine> kept;
  kept.reserve(table.Entries.size() + 1);
  bool placed = !index;
  for (TStrokeLine& line : table.Entries) {
    if (!IsLineOf(line, name)) {
      kept.push_back(std::move(line));
    } else if (!placed) {
      kept.push_back(ParseStrokeLine(LineText(name, *index)));
      placed = true;
    }
  }
  if (!placed) kept.push_back(ParseStrokeLine(LineText(name, *index)));
  table.Entries = std::move(kept);
}

void SaveStrokes(const TStrokeTable& table) {
  std::vector<std::string> lines;
  lines.reserve(table.Entries.size());
  for (const TStrokeLine& line : table.Entries) lines.push_back(line.Text + "\r\n");
  fileio::ReplaceFile(StrokeFileName, lines);
}

void StoreStrokeIndex(const std::string& courseName, const std::optional<StrokeIndex>& index) {
  TStrokeTable table;
  LoadStrokes(table);
  SetStrokeIndex(table, courseName, index);
  SaveStrokes(table);
}

}  // namespace qm
