// A stroke index file of any bytes (after one byte that picks an edit): it
// loads without a fault, and every stroke index a course finds holds each of
// 1 to 18 exactly once. Saved as loaded, it reads back as the same lines
// with the same lookups. One course's line set or taken away (as the stroke
// index dialog does): that course finds what was stored, every other line
// stays as it was, and the file read back gives the same lookups again.
#include <optional>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "store/strokes.h"
#include "store/text.h"

namespace {

using namespace qm;

std::optional<StrokeIndex> Lookup(const TStrokeTable& table, const std::string& name) {
  const StrokeIndex* found = FindStrokeIndex(table, name);
  if (!found) return std::nullopt;
  QM_FUZZ_CHECK(IsStrokePermutation(*found));
  return *found;
}

// The names worth looking up: every line's, and the edited one.
std::vector<std::string> Names(const TStrokeTable& table, const std::string& edited) {
  std::vector<std::string> names{edited, ""};
  for (const TStrokeLine& line : table.Entries) names.push_back(line.CourseName);
  return names;
}

void CheckSameLookups(const TStrokeTable& a, const TStrokeTable& b,
                      const std::vector<std::string>& names) {
  for (const std::string& name : names) QM_FUZZ_CHECK(Lookup(a, name) == Lookup(b, name));
}

std::vector<std::string> Texts(const TStrokeTable& table) {
  std::vector<std::string> texts;
  for (const TStrokeLine& line : table.Entries) texts.push_back(line.Text);
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<fuzz::FileInput> input = fuzz::FreshFileInput(data, size);
  if (!input) return 0;
  const std::uint8_t edit = input->Choice;
  const std::string_view file = input->File;
  fuzz::WriteBytes(StrokeFileName, file);

  TStrokeTable table;
  LoadStrokes(table);
  std::string expected;
  for (const TStrokeLine& line : table.Entries) {
    QM_FUZZ_CHECK(fuzz::Storable(line.CourseName, 30));
    QM_FUZZ_CHECK(!line.Valid || IsStrokePermutation(line.Index));
    QM_FUZZ_CHECK(line.Text.find('\n') == std::string::npos);
    expected += line.Text + "\r\n";
    if (auto fields = StrokeFieldsOf(table, line.CourseName)) {
      for (const std::string& field : *fields) QM_FUZZ_CHECK(fuzz::Storable(field, 2));
    }
  }

  // The course edited: one of the file's (by the edit byte), or a new one.
  std::string name = "New Course";
  if (table.Count() > 0 && (edit & 0x80) == 0) {
    name = table.Entries[edit % table.Entries.size()].CourseName;
  }
  const std::vector<std::string> names = Names(table, name);

  SaveStrokes(table);
  QM_FUZZ_CHECK(fuzz::ReadBytes(StrokeFileName) == expected);
  TStrokeTable again;
  LoadStrokes(again);
  QM_FUZZ_CHECK(Texts(again) == Texts(table));
  CheckSameLookups(table, again, names);

  std::optional<StrokeIndex> stored;
  if (edit & 0x40) {
    stored.emplace();
    for (int h = 0; h < HoleCount; ++h) (*stored)[h] = (h + edit) % HoleCount + 1;
  }
  StoreStrokeIndex(name, stored);
  TStrokeTable edited;
  LoadStrokes(edited);
  QM_FUZZ_CHECK(Lookup(edited, name) == stored);
  // The other lines, in their order.
  std::vector<std::string> others;
  const std::string storable = StorableText(name, 30);
  for (const TStrokeLine& line : table.Entries) {
    bool same =
        EqualCaseBlind(line.CourseName, storable) && line.Text.find('~') != std::string::npos;
    if (same) continue;
    others.push_back(line.Text);
    // A line without a "~" names no course, not even the edited one.
    if (!EqualCaseBlind(line.CourseName, storable)) {
      QM_FUZZ_CHECK(Lookup(edited, line.CourseName) == Lookup(table, line.CourseName));
    }
  }
  std::vector<std::string> left;
  for (const TStrokeLine& line : edited.Entries) {
    if (!EqualCaseBlind(line.CourseName, storable) || line.Text.find('~') == std::string::npos) {
      left.push_back(line.Text);
    }
  }
  QM_FUZZ_CHECK(left == others);
  QM_FUZZ_CHECK(edited.Count() == static_cast<int>(others.size()) + (stored ? 1 : 0));

  SaveStrokes(edited);
  TStrokeTable reread;
  LoadStrokes(reread);
  CheckSameLookups(edited, reread, names);
  return 0;
}
