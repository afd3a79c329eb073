// The roster from a roster file of any bytes, or rebuilt from score files
// of any names. A loaded table holds only what the file can hold; a saved
// roster reads back as the very table and saves as the very same bytes; a
// save either completes, every golfer with his score file, or changes
// nothing; a rebuilt golfer points at the file that holds his rounds, and
// no score file is left out without being reported.
#include <filesystem>
#include <set>

#include "fuzz_support.h"
#include "store/errors.h"
#include "store/roster.h"
#include "store/text.h"

namespace {

using namespace qm;
namespace fs = std::filesystem;

std::set<std::string> FolderFiles() {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(".")) names.insert(entry.path().filename());
  return names;
}

bool SameTable(const TRosterTable& a, const TRosterTable& b) {
  if (a.Count() != b.Count()) return false;
  for (int n = 1; n <= a.Count(); ++n) {
    const TRosterEntry& x = a.At(n);
    const TRosterEntry& y = b.At(n);
    if (x.LongName != y.LongName || x.ShortName != y.ShortName || x.Sex != y.Sex) return false;
  }
  return true;
}

// Saves and checks the outcome; true when the save went through.
bool SaveAndCheck(TRosterTable& table) {
  const std::set<std::string> before = FolderFiles();
  const std::string oldRoster =
      fuzz::FileExists("golfers.qmd") ? fuzz::ReadBytes("golfers.qmd") : "";
  try {
    SaveRoster(table);
  } catch (const QmError&) {
    QM_FUZZ_CHECK(FolderFiles() == before);
    QM_FUZZ_CHECK(!fuzz::FileExists("golfers.qmd") || fuzz::ReadBytes("golfers.qmd") == oldRoster);
    return false;
  }
  for (const TRosterEntry& entry : table.Entries) {
    QM_FUZZ_CHECK(fuzz::FileExists(ScoreFileName(entry)));
  }
  const std::string first = fuzz::ReadBytes("golfers.qmd");
  TRosterTable again;
  LoadRoster(again);
  QM_FUZZ_CHECK(SameTable(table, again));
  SaveRoster(again);
  QM_FUZZ_CHECK(fuzz::ReadBytes("golfers.qmd") == first);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<fuzz::FileInput> input = fuzz::FreshFileInput(data, size);
  if (!input) return 0;
  const std::string_view rest = input->File;

  if (input->Choice & 1) {
    // Score files named by the lines of the input, each holding its own name.
    std::set<std::string> files;
    std::size_t start = 0;
    while (start <= rest.size() && files.size() < 12) {
      std::size_t end = rest.find('\n', start);
      if (end == std::string_view::npos) end = rest.size();
      std::string name = std::string(rest.substr(start, end - start)) + ".qmg";
      start = end + 1;
      if (name.size() > 200 || name.find_first_of(std::string("/\0", 2)) != std::string::npos ||
          name == "golfers.qmd") {
        continue;
      }
      fuzz::WriteBytes(name, name);
      files.insert(name);
    }
    TRosterTable table;
    LoadRosterResult result = LoadRoster(table);
    QM_FUZZ_CHECK(!fuzz::FileExists("golfers.qmd"));
    std::set<std::string> accounted(result.Unlisted.begin(), result.Unlisted.end());
    for (const TRosterEntry& entry : table.Entries) {
      // Each golfer is his file's stem, and the file holds what it held.
      const std::string file = ScoreFileName(entry);
      QM_FUZZ_CHECK(files.count(file) == 1);
      QM_FUZZ_CHECK(fuzz::ReadBytes(file) == file);
      QM_FUZZ_CHECK(entry.LongName == entry.ShortName);
      accounted.insert(file);
    }
    for (const std::string& file : files) {
      if (file.size() >= 4 && file.compare(file.size() - 4, 4, ".qmg") == 0) {
        QM_FUZZ_CHECK(accounted.count(file) == 1);
      }
    }
    SortRoster(table);
    QM_FUZZ_CHECK(SaveAndCheck(table));  // every golfer a rebuild gives can be saved
    for (const std::string& file : files) QM_FUZZ_CHECK(fuzz::ReadBytes(file) == file);
    return 0;
  }

  fuzz::WriteBytes("golfers.qmd", rest);
  TRosterTable table;
  LoadRoster(table);
  for (const TRosterEntry& entry : table.Entries) {
    QM_FUZZ_CHECK(fuzz::Storable(entry.LongName, 41));
    QM_FUZZ_CHECK(fuzz::Storable(entry.ShortName, 9));
    QM_FUZZ_CHECK(entry.Sex >= 0 && entry.Sex <= 9);
  }
  SortRoster(table);
  for (int n = 2; n <= table.Count(); ++n) {
    QM_FUZZ_CHECK(!(table.At(n).LongName < table.At(n - 1).LongName));
  }
  SaveAndCheck(table);
  return 0;
}
