// What the spreadsheet exports and the backup share at the windows' edge:
// the data folder, local file names, and an export's walk from the save-as
// dialog to the message that says where the file went.
//
//   std::vector<csv::Row> rows = {ScoreCsvHeader(), ...};
//   ExportRows(QStringLiteral("Export Scores"), QStringLiteral("PAT scores.csv"), rows,
//              QStringLiteral("Wrote 12 rounds to %1."));
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "store/csv.h"

namespace qm {

// The data folder: the program's working directory, absolute.
QString DataFolder();
// A path as the file system takes it (std::filesystem, the store).
std::string LocalPath(const QString& path);
// The filter the exports' and the import's dialogs offer.
QString CsvFilter();

// True for a path whose file the program keeps: a data file of the data
// folder (roster, course lists, stroke indexes, score files), its lock, or
// the settings file. An export or a backup written there would destroy it.
bool IsProgramFile(const QString& path);

// Asks for the file with the save-as dialog (through the prompts),
// proposing proposedName in the data folder; writes the rows there as CSV
// through a temporary file and a rename, then shows done with %1 the path
// written. False, with nothing written, when the user cancelled or chose a
// program's file (IsProgramFile; the user is told). Throws the store's
// errors when the file cannot be written (an earlier file of that name is
// kept as it was).
bool ExportRows(const QString& caption, const QString& proposedName,
                const std::vector<csv::Row>& rows, const QString& done);

// The message that refuses to write over a program's file.
QString ProgramFileRefusal(const QString& path);

// "1 round", "12 rounds".
QString CountOf(int count, const QString& singular, const QString& plural);

}  // namespace qm
