// A golfer's rounds and the club's handicaps as spreadsheet rows (store/csv.h),
// and rounds read back from such a file.
//
// Export columns of a round: Date, Course, Score, Rating, Slope, Comment,
// Hole1..Hole18, Putts1..Putts18, AGS, EntryIndex, EntryHandicap,
// Differential, Mark; the file of every golfer's rounds puts ShortName and
// LongName first. Dates are written yyyy-mm-dd; a date that is no calendar
// date (the "99999999" of a round without one, a damaged key) is written as
// the eight characters it is stored as. Text is converted from the files'
// Windows-1252 to UTF-8, and cut at a NUL as the files cut it.
//
// Import. The first row names the columns, in any order, matched without
// regard to the case of their letters and to spaces around them; Date,
// Course, Score, Rating and Slope must be there, the other export columns may
// be, any other column is passed over (so a file of every golfer's rounds,
// with its Differential and Mark, reads too). Each row becomes a round made
// storable as every round is (MakeStorable), or a refusal naming its line.
//   Date: yyyy-mm-dd or m/d/yyyy (a calendar date), else eight characters
//     taken as the stored text the export writes for a round without a date.
//   Numbers (Score, Slope, the holes' scores and putts, AGS, EntryHandicap
//     whole; Rating and EntryIndex decimal): empty, or a number as the
//     program reads one from its files, kept as written; one longer than its
//     field is refused, never cut.
//   Text (Course, Comment): cut to its field's width; "~" becomes "-".
//   A character Windows-1252 has no byte for is refused, never replaced.
//   An empty Score takes the row's AGS, as the golfer's scores window does
//     with such a round; a row with neither is refused.
//   A column that is missing gives the field of a new round ("0" for holes,
//     putts, EntryIndex and EntryHandicap, "" for the comment).
// A row without an AGS (no column, or an empty field) comes with NeedsAgs:
// its AdjScore is empty, and the caller works it out as the score entry
// window does, from the course list and the golfer's course handicap.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/csv.h"
#include "store/records.h"

namespace qm {

csv::Row ScoreCsvHeader();
// The round's row; differential and mark as the caller's window shows them
// (mark "*", "I", or blank for none), single-byte text.
csv::Row ScoreCsvRow(const TScoreRec& rec, const std::string& differential,
                     const std::string& mark);

csv::Row AllScoresCsvHeader();
csv::Row AllScoresCsvRow(const TRosterEntry& golfer, const TScoreRec& rec,
                         const std::string& differential, const std::string& mark);

// LongName, ShortName, Sex, Rounds, CompleteRounds, Index.
csv::Row HandicapCsvHeader();
// female by the roster rule (engine SexOf); index as the golfer list shows it.
csv::Row HandicapCsvRow(const TRosterEntry& golfer, bool female, int rounds, int completeRounds,
                        const std::string& index);

// "yyyy-mm-dd" for a stored date that is a calendar date, else the stored
// text as it is (UTF-8).
std::string ExportDate(const std::string& storedDate);

struct ImportedRound {
  int Line = 0;
  TScoreRec Round;
  bool NeedsAgs = false;  // AdjScore is empty: the caller computes it
};

// A row that gives no round. Reason is a whole line of a message, single-byte
// text: 'Line 7: Score "8x" is not a number.'
struct RefusedRow {
  int Line = 0;
  std::string Reason;
};

struct ScoreCsv {
  std::vector<ImportedRound> Rounds;  // file order
  std::vector<RefusedRow> Refused;    // file order
};

// Reads rounds from a CSV file's bytes. Throws QmError with one message for
// a file refused whole: not CSV text (csv::ReadRows' refusals), no rows or
// no rounds, a required column missing, a column named twice.
ScoreCsv ReadScoreCsv(std::string_view bytes);

// What an import adds to a golfer's table, for the one summary the user
// confirms.
struct ScoreImportPlan {
  std::vector<ImportedRound> Add;  // file order
  // Lines of rows with the date, course and score of a round already in
  // the table (or of an earlier row of the file).
  std::vector<int> Duplicates;
  // The reader's refusals and the rows past MaxScores, by line.
  std::vector<RefusedRow> Refused;
};

// Sorts rows into those to add, those already there and those past the
// table's room (MaxScores less what it holds). AdjScore plays no part, so
// the caller may compute the missing ones before or after.
ScoreImportPlan PlanScoreImport(const TScoreTable& table, ScoreCsv rows);

// The summary of a plan as one message (single-byte text, lines joined by
// LF): how many rounds are added, the duplicates' lines, each refusal (the
// first 15, then how many more).
std::string ScoreImportSummary(const ScoreImportPlan& plan);

}  // namespace qm
