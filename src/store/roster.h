// The golfer roster file, golfers.qmd, in the working directory.
//
// One line per golfer: LongName~ShortName~Sex~ with CR LF. Readers accept
// LF alone. Every failed file operation throws QmError with the general
// error report's text; nothing is shown from here.
#pragma once

#include <string>
#include <vector>

#include "store/datafiles.h"
#include "store/records.h"

namespace qm {

struct LoadRosterResult {
  // Rebuilding only: the "*.qmg" files that were left out because no short
  // name the roster can hold names them (a stem cut at 9 characters, one
  // holding "~", a CR or an LF, or "", "." or ".."). Their rounds stay in
  // them, untouched; the caller tells the user with
  // UnlistedScoreFileMessage.
  std::vector<std::string> Unlisted;
};

// Fills table from golfers.qmd (file order), or, when that file does not
// exist, rebuilds it from the "*.qmg" files of the working directory (each
// stem becomes LongName and ShortName, Sex 0). Writes nothing. Loads every
// line, even past MaxGolfers. Each name read goes through StorableText and
// is cut to its width.
LoadRosterResult LoadRoster(TRosterTable& table);

// The notice for a score file that a rebuilt roster left out.
std::string UnlistedScoreFileMessage(const std::string& fileName);

// Sorts by LongName, comparing bytes (selection sort from the end).
void SortRoster(TRosterTable& table);

// Creates an empty score file for every golfer that has none, then
// replaces golfers.qmd with the table (temporary file flushed to the disk,
// then rename), so the roster never names a missing file. A failure before
// the new roster is in place removes the score files this save created and
// keeps the old roster as it was: nothing is changed. Throws "Invalid
// filename" for an entry whose short name is not a safe file stem before
// anything is written. Each name goes through StorableText and the result is
// stored back, so the table holds what the file holds and each short name
// names the score file created for it.
void SaveRoster(TRosterTable& table);

// Puts both names through StorableText with their widths: what a window
// calls on an entry before it goes into the table.
void MakeStorable(TRosterEntry& entry);

// Sets entry n (1-based) to the placeholders: 40 X, 8 X, Sex 0.
void ClearRosterEntry(TRosterTable& table, int n);
TRosterEntry PlaceholderRosterEntry();

// ShortName (cut at NUL) + ".qmg".
std::string ScoreFileName(const TRosterEntry& entry);
std::string ScoreFileName(const std::string& shortName);

// True when stem names a file in the working directory and nowhere else:
// not empty, no "/", "\" or NUL, not "." or "..", no drive colon. Every
// operation on a score file checks its name with this and throws "Invalid
// filename" when it fails.
bool IsSafeFileStem(const std::string& stem);

// Score files by short name (cut at NUL), for the roster maintenance window.
// Each throws "Invalid filename" when the short name is not a safe file stem,
// before touching the file system.
//
// True when the golfer's score file exists.
bool ScoreFileExists(const std::string& shortName);
// Creates the golfer's score file, empty, when it does not exist; an
// existing file is left as it is. Throws on failure.
void CreateEmptyScoreFile(const std::string& shortName);
// Renames oldShort's score file to newShort's. False when refused or failed:
// newShort's file already exists (it is never replaced) or oldShort's cannot
// be renamed (for example because it is missing).
bool RenameScoreFile(const std::string& oldShort, const std::string& newShort);
// Deletes the golfer's score file; a failure (a missing file) is not
// reported.
void DeleteScoreFile(const std::string& shortName);

}  // namespace qm
