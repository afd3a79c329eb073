#include "store/roster.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "store/errors.h"
#include "store/fileio.h"
#include "store/text.h"

namespace qm {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t RosterLineKeep = 60;

// The stem that a "*.qmg" file gives a rebuilt roster: of the first 9
// characters of its name, what stands before the last "." among them
// (nothing when there is none).
std::string StemOfScoreFile(const std::string& fileName) {
  std::string head = fileName.substr(0, 9);
  auto dot = head.rfind('.');
  return dot == std::string::npos ? std::string() : head.substr(0, dot);
}

bool MatchesScoreFilePattern(const std::string& fileName) {
  const std::string ext = ScoreFileExtension;
  return fileName.size() >= ext.size() &&
         fileName.compare(fileName.size() - ext.size(), ext.size(), ext) == 0;
}

// A rebuilt golfer must point at the file that holds his rounds: a file is
// taken only when the stem it gives, as the roster can hold it, names that
// very file again. The others are left out and named in unlisted.
void RebuildFromScoreFiles(TRosterTable& table, std::vector<std::string>& unlisted) {
  std::error_code ec;
  fs::directory_iterator it(".", ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (!MatchesScoreFilePattern(name)) continue;
    std::string stem = StemOfScoreFile(name);
    if (!IsSafeFileStem(stem) || StorableText(stem, width::ShortName) != stem ||
        ScoreFileName(stem) != name) {
      unlisted.push_back(name);
      continue;
    }
    TRosterEntry entry;
    entry.LongName = stem;
    entry.ShortName = stem;
    entry.Sex = 0;
    table.Entries.push_back(std::move(entry));
  }
  if (ec) ThrowIoError(ec.value());
}

void ReadRosterFile(TRosterTable& table) {
  std::vector<std::string> lines = fileio::ReadLines(RosterFileName, RosterLineKeep);
  table.Entries.reserve(lines.size());
  // The sex value is worked out digit by digit and carried from line to
  // line: an empty third field repeats the line before.
  int sex = 0;
  for (const std::string& line : lines) {
    TRosterEntry& entry = table.Entries.emplace_back(PlaceholderRosterEntry());
    int field = 0;
    std::string text;
    for (char c : line) {
      if (c != '~') {
        if (field == 2) sex = (c >= '0' && c <= '9') ? c - '0' : 0;
        text.push_back(c);
        continue;
      }
      if (field == 0)
        entry.LongName = StorableText(text, width::LongName);
      else if (field == 1)
        entry.ShortName = StorableText(text, width::ShortName);
      else
        entry.Sex = sex;
      text.clear();
      if (++field == 3) break;
    }
  }
}

[[noreturn]] void ThrowInvalidName() { ThrowFileFault(FileFault::InvalidName); }

// The score file of a short name, refused when the name could reach beyond
// the working directory.
std::string SafeScoreFileName(const std::string& shortName) {
  std::string stem = CutAtNul(shortName);
  if (!IsSafeFileStem(stem)) ThrowInvalidName();
  return stem + ScoreFileExtension;
}

}  // namespace

TRosterEntry PlaceholderRosterEntry() {
  TRosterEntry entry;
  entry.LongName = std::string(40, 'X');
  entry.ShortName = std::string(8, 'X');
  entry.Sex = 0;
  return entry;
}

void ClearRosterEntry(TRosterTable& table, int n) { table.At(n) = PlaceholderRosterEntry(); }

LoadRosterResult LoadRoster(TRosterTable& table) {
  table.Clear();
  LoadRosterResult result;
  if (fileio::Exists(RosterFileName))
    ReadRosterFile(table);
  else
    RebuildFromScoreFiles(table, result.Unlisted);
  return result;
}

std::string UnlistedScoreFileMessage(const std::string& fileName) {
  return "The score file \"" + fileName +
         "\" cannot be named in the roster; rename it to a short name of upper-case letters, "
         "digits, \"-\" and \"_\" to list its golfer.";
}

void SortRoster(TRosterTable& table) { SortByName(table.Entries, &TRosterEntry::LongName); }

void SaveRoster(TRosterTable& table) {
  // Every name is checked before anything is written.
  std::vector<std::string> scoreFiles;
  std::vector<std::string> lines;
  scoreFiles.reserve(table.Entries.size());
  lines.reserve(table.Entries.size());
  for (const TRosterEntry& entry : table.Entries) {
    std::string shortName = StorableText(entry.ShortName);
    scoreFiles.push_back(SafeScoreFileName(shortName));
    lines.push_back(StorableText(entry.LongName) + "~" + shortName + "~" +
                    CutTo(std::to_string(entry.Sex), 2) + "~\r\n");
  }
  // The table holds what the file gets: a short name is the score file that
  // is created for it.
  for (TRosterEntry& entry : table.Entries) {
    entry.LongName = StorableText(entry.LongName);
    entry.ShortName = StorableText(entry.ShortName);
  }
  // The new golfers' score files come first, so that the roster never names
  // a file that is not there. Until the new roster is in place, a failure
  // takes back the files this save created: nothing is left changed.
  std::vector<std::string> created;
  bool rosterInPlace = false;
  try {
    for (const std::string& file : scoreFiles) {
      if (fileio::CreateEmptyFileIfMissing(file)) created.push_back(file);
    }
    if (!created.empty()) fileio::SyncFolderOf(created.front());
    fileio::ReplaceFile(RosterFileName, lines, &rosterInPlace);
  } catch (...) {
    if (!rosterInPlace) {
      for (const std::string& file : created) {
        std::error_code ignored;
        fs::remove(file, ignored);
      }
    }
    throw;
  }
}

void MakeStorable(TRosterEntry& entry) {
  entry.LongName = StorableText(entry.LongName, width::LongName);
  entry.ShortName = StorableText(entry.ShortName, width::ShortName);
}

std::string ScoreFileName(const TRosterEntry& entry) { return ScoreFileName(entry.ShortName); }

std::string ScoreFileName(const std::string& shortName) {
  return CutAtNul(shortName) + ScoreFileExtension;
}

bool IsSafeFileStem(const std::string& stem) { return fileio::IsBareFileName(stem); }

bool ScoreFileExists(const std::string& shortName) {
  return fileio::Exists(SafeScoreFileName(shortName));
}

void CreateEmptyScoreFile(const std::string& shortName) {
  fileio::CreateEmptyFileIfMissing(SafeScoreFileName(shortName));
}

bool RenameScoreFile(const std::string& oldShort, const std::string& newShort) {
  std::string from = SafeScoreFileName(oldShort);
  std::string to = SafeScoreFileName(newShort);
  // The system's rename would silently replace an existing file.
  if (fileio::Exists(to)) return false;
  std::error_code ec;
  fs::rename(from, to, ec);
  return !ec;
}

void DeleteScoreFile(const std::string& shortName) {
  std::string file = SafeScoreFileName(shortName);
  std::error_code ignored;
  fs::remove(file, ignored);
}

}  // namespace qm
