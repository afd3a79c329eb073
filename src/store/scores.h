// A golfer's score file, ShortName + ".qmg", in the working directory.
//
// One line per score: the 45 fields of TScoreRec in file order, each
// followed by "~", then CR LF. Readers accept LF alone, the six-digit date
// key and the line that stops after the comment.
#pragma once

#include <string>

#include "store/fileio.h"
#include "store/records.h"

namespace qm {

// Sets every field of record n (1-based) to its placeholder.
void ClearScoreRec(TScoreTable& table, int n);
TScoreRec PlaceholderScoreRec();

struct LoadScoresResult {
  bool Read = false;     // the file could be read
  bool Changed = false;  // ForEditing only: an empty gross score was repaired
  // ForEditing only: set when the file could not be opened; the caller shows
  // it (the store shows nothing): "Error: Golfer score file "NAME" not found."
  std::string Message;
};

// Fills table from fileName (file order), every line of it, even past
// MaxScores. Reads as much of a line as the widest line SaveScores writes; each field is put
// through StorableText and cut to its width before the date rule. With forEditing, a file that
// cannot be opened gives Read false and Message set, and a record with an empty ScoreTotal and
// non-empty AdjScore gets ScoreTotal := AdjScore. Without forEditing, a missing file throws
// (general error report). Throws "Invalid filename" for a name that points outside the working
// directory.
LoadScoresResult LoadScores(TScoreTable& table, const std::string& fileName, bool forEditing);

// LoadScores, then SortScores, in one: each line is read straight into the
// place the sort gives its record. What a pass over many golfers uses.
LoadScoresResult LoadSortedScores(TScoreTable& table, const std::string& fileName, bool forEditing);

// Newest first, by the exact exchanges of the program's sort (equal dates
// end in the order those exchanges give; "99999999" first).
void SortScores(TScoreTable& table);

// Replaces the file with the table (temporary file flushed to the disk,
// then rename; on a failure the old file is kept as it was). Every field
// goes through StorableText and the result is stored back, so the table
// holds what the file now holds. Throws "Invalid filename" for a name that
// points outside the working directory or whose stem is "", "." or "..",
// before touching the file system.
void SaveScores(TScoreTable& table, const std::string& fileName);

// The one way to store a confirmed round: reads fileName as it is now
// (another window may have saved it since the round was begun), and when it
// holds fewer than maxScores rounds appends round, sorts and saves. A file
// at the limit is left as it was and false returned; the caller tells the
// user. Throws like LoadScores without forEditing and like SaveScores.
bool AppendRound(const std::string& fileName, const TScoreRec& round, int maxScores);

// The rounds another window stored in the snapshot's file since it was
// taken (FileSnapshot::AddedLines), each read as LoadScores reads a line,
// with the repair of an empty gross score of forEditing; file order.
TScoreTable ScoresAddedSince(const fileio::FileSnapshot& read, bool forEditing);

// Puts every field through StorableText with its width: what a window calls
// on a record before it goes into a table, as the reader does with every
// record it reads.
void MakeStorable(TScoreRec& rec);

// ScoreTotal neither empty nor "0", Rating neither empty nor "0.0", Slope
// neither empty nor "0", Date not "99999999".
bool IsCompleteScore(const TScoreRec& rec);

}  // namespace qm
