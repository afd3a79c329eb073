// Backups of the data folder as one zip file, and their restore.
//
// A backup holds the program's files of the data folder: the roster
// golfers.qmd, the course list courses.qmd, the courses' stroke indexes
// strokes.qmd (when the folder has one) and every score file *.qmg, plus
// the settings file under its bare name quillmor.ini. Entry names are the
// files' names as UTF-8 (the files' single-byte names read as Windows-1252).
//
// A restore trusts nothing in the zip: CheckBackup reads every entry into
// memory and refuses the whole backup at the first entry that is not a bare
// file name of those kinds (no folder part, no "..", no absolute name, no
// name twice), that is larger than its kind may be, that cannot be read or
// whose CRC is wrong. Only a checked backup can be restored, so a refused one
// writes nothing.
//
// Limits, from the formats: a score file line is at most 276 bytes, so a
// file of the 200 rounds a golfer keeps is some 55 KB; a score file in a
// backup may have 4 MiB (some 15,000 full rounds: older files load whole
// past the limit). The roster (300 golfers of at most 57 bytes), the course
// list (200 courses of at most 100 bytes), the stroke indexes (a line a
// course) and the settings file may have 1 MiB each. A backup holds at most 4,096 files and 64 MiB
// in all (300 golfers at 55 KB are 16.5 MB). Sizes are checked as declared before an entry is read,
// and reading never goes past the declared size.
//
// Every failure throws QmError with a single-byte message for the error
// guard.
//
//   int files = MakeBackup(DefaultBackupPath(folder, now, false), folder, SettingsFilePath());
//   CheckedBackup backup = CheckBackup(chosen);              // throws when refused
//   ... ask, then MakeBackup(DefaultBackupPath(folder, now, true), ...) ...
//   RestoreBackup(backup, folder, SettingsFilePath());
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "store/datafiles.h"

namespace qm {

inline constexpr std::uint64_t MaxBackupScoreFileBytes = 4u << 20;
inline constexpr std::uint64_t MaxBackupListFileBytes = 1u << 20;  // roster, courses, settings
inline constexpr std::uint64_t MaxBackupBytes = 64u << 20;
inline constexpr int MaxBackupFiles = 4096;

inline constexpr const char* BackupSettingsName = SettingsFileName;
inline constexpr const char* BackupStrokesName = StrokeFileName;

// True for the single-byte names a backup holds: golfers.qmd, courses.qmd,
// strokes.qmd, quillmor.ini, and a score file: a short name (a safe stem,
// roster IsSafeFileStem, of at most 8 characters) with ".qmg".
bool IsBackupFileName(const std::string& name);

// "Quillmor backup yyyy-mm-dd.zip"; withTime (the backup made before a
// restore): "Quillmor backup yyyy-mm-dd hh-mm-ss.zip".
QString BackupFileName(const QDateTime& when, bool withTime);
// That name in the folder that holds dataFolder (beside it).
QString DefaultBackupPath(const QString& dataFolder, const QDateTime& when, bool withTime);

// Writes a backup of dataFolder's program files and of the settings file at
// settingsPath (left out when it does not exist) to zipPath, through a
// temporary file and a rename. Returns how many files it holds. Throws when
// a file cannot be read or is larger than a backup may hold (a backup that
// could not be restored is never written), or the zip cannot be written.
int MakeBackup(const QString& zipPath, const std::string& dataFolder,
               const std::string& settingsPath);

struct BackupFile {
  std::string Name;   // single-byte, as IsBackupFileName
  std::string Bytes;  // the file's bytes
};

struct CheckedBackup {
  std::vector<BackupFile> Files;  // the order of the zip
};

// Reads and checks the backup at zipPath (see above). Also refused: a zip
// holding no data file (no roster, course list or score file), whose
// restore would only empty the folder.
CheckedBackup CheckBackup(const QString& zipPath);

// Puts a checked backup in place: each data file into dataFolder and the
// settings file to settingsPath. Every file is first written to a
// temporary file beside its target; only when all are written are they
// renamed over their targets, so a failure while writing (a full disk)
// removes the temporaries, throws and leaves every file as it was. Then the
// score files, and the roster, that the backup does not hold are removed,
// so the folder holds the golfers the backup holds. A course list, stroke
// index file or settings file that the backup lacks is kept.
void RestoreBackup(const CheckedBackup& backup, const std::string& dataFolder,
                   const std::string& settingsPath);

}  // namespace qm
