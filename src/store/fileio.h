// Low-level file access shared by the store's readers and writers.
//
// Reading: files are read as bytes and split into lines at LF; one CR
// before the LF is dropped, so CR LF and LF files read alike. A last line
// without a line end is a line; a file ending in a line end gives no extra
// empty line at the end (nor does a lone CR after the last line end).
//
// Writing: a file is never rewritten in place. The lines go to a temporary
// file beside the target (target + ".tmp~", which no reader takes for a
// data file), every write is checked, the temporary is closed, and only then
// renamed over the target. On any failure the temporary is removed and the
// target keeps its previous bytes.
//
// Every failure throws QmError with the general error report's text
// (ThrowIoError).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm::fileio {

// The lines of a file's bytes as ReadLines sees them, each cut to its first
// keep characters; the views point into bytes.
std::vector<std::string_view> SplitLines(std::string_view bytes, std::size_t keep);

// The lines of path, each cut to its first keep characters (after the CR of
// its line end is dropped). Throws when the file cannot be opened or read.
std::vector<std::string> ReadLines(const std::string& path, std::size_t keep);

// As ReadLines, but an open failure returns false with the system's error
// number in openError instead of throwing. A read failure after a successful
// open still throws.
bool TryReadLines(const std::string& path, std::size_t keep, std::vector<std::string>& lines,
                  int& openError);

// The whole file as bytes, read in one piece. An open failure returns false with the system's
// error number in openError; a read failure throws.
bool TryReadBytes(const std::string& path, std::string& bytes, int& openError);

// True when something named path exists (file, folder or anything else).
// A missing file or folder on the way is false; any other failure throws.
bool Exists(const std::string& path);

// Replaces path with the given bytes, line by line (each element is written
// as it stands, line end included), through a temporary file and a rename.
void ReplaceFile(const std::string& path, const std::vector<std::string>& lines);

// The temporary file that ReplaceFile writes beside path.
std::string TempFileName(const std::string& path);

// Creates path as an empty file when nothing of that name exists; an
// existing file is left untouched (never truncated).
void CreateEmptyFileIfMissing(const std::string& path);

// True when name addresses an entry of the working directory and nowhere
// else: not empty, no "/", "\", ":" or NUL, and not "." or "..".
bool IsBareFileName(const std::string& name);

// Replaces what would split a field or a line in the store's "~" files:
// "~" becomes "-", CR and LF become a space. The text is cut at its first
// NUL first, as every writer does.
std::string FieldForFile(const std::string& text);

// Test hook, for tests only: simulates a failure inside the next saves.
// Steps are counted over every ReplaceFile from this call on: for a file of
// L lines, step 1 creates the temporary file, steps 2 .. L + 1 write the
// lines, step L + 2 closes it and step L + 3 renames it over the target.
// Step n fails as if the system had reported errorNumber; then the hook is
// disarmed. A step of 0 disarms it.
void FailSaveStepForTesting(int step, int errorNumber);

}  // namespace qm::fileio
