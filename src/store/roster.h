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

// Replaces golfers.qmd with the table (temporary file, then rename), then
// creates an empty score file for every golfer that has none. Throws
// "Invalid filename" for an entry whose short name is not a safe file stem
// before anything is written.
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

}  // namespace qm
