// The golfer roster file, golfers.qmd, in the working directory.
//
// One line per golfer: LongName~ShortName~Sex~ with CR LF. Readers accept
// LF alone. Every failed file operation throws QmError with the general
// error report's text; nothing is shown from here.
#pragma once

#include <string>

#include "store/records.h"

namespace qm {

inline constexpr const char* RosterFileName = "golfers.qmd";

// Fills table from golfers.qmd (file order), or, when that file does not
// exist, rebuilds it from the "*.qmg" files of the working directory (each
// stem becomes LongName and ShortName, Sex 0). Writes nothing. Loads every
// line, even past MaxGolfers.
void LoadRoster(TRosterTable& table);

// Sorts by LongName, comparing bytes (selection sort from the end).
void SortRoster(TRosterTable& table);

// Replaces golfers.qmd with the table (temporary file, then rename; on a
// failure the old file is kept as it was), then creates an empty score file
// for every golfer that has none. Throws "Invalid filename" for an entry
// whose short name is not a safe file stem before anything is written.
// Each field is cut at NUL, and a "~" in it is written as "-", a CR or LF as
// a space; the score file created is the one the written short name names.
void SaveRoster(TRosterTable& table);

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
