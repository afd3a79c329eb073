// Low-level file access shared by the store's readers and writers.
//
// Reading: files are read as bytes and split into lines at LF; one CR
// before the LF is dropped, so CR LF and LF files read alike. A last line
// without a line end is a line; a file ending in a line end gives no extra
// empty line at the end (nor does a lone CR after the last line end).
//
// Writing: a file is never rewritten in place. The lines go to a temporary
// file beside the target (target + ".tmp~", which no reader takes for a
// data file), every write is checked, the temporary is flushed to the disk
// and closed, and only then renamed over the target; last the folder is
// flushed, so that the rename itself is on the disk. On any failure up to
// the rename the temporary is removed and the target keeps its previous
// bytes; a failure of the last flush is reported too, with the new file
// already in place.
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

// What a window read of a file, kept so that it can tell, before it writes
// the whole file back, whether another window (or program) changed it
// since: the file's bytes then, not its time, which a quick second save
// can leave as it was.
class FileSnapshot {
 public:
  // The file as it is now; a missing file is a snapshot of "no file".
  // Throws when the file exists but cannot be read.
  static FileSnapshot Of(const std::string& path);

  const std::string& Path() const { return path_; }
  // True when the file now differs from the snapshot in its bytes, or has
  // appeared or gone. Throws like Of.
  bool Changed() const;
  // The lines of the file now that the snapshot did not hold, as multisets
  // of whole lines (CR LF and LF alike): each line now is matched against
  // one line read, at most once; what is left over is returned in file
  // order. Lines removed since are not reported. Throws like Of.
  std::vector<std::string> AddedLines() const;

 private:
  std::string path_;
  bool existed_ = false;
  std::string bytes_;
};

// The whole file, when it holds at most limit bytes; false when it holds
// more (it is then read no further than limit + 1 bytes, whatever size the
// system reports, so a device or a growing file costs no more). Open and read
// failures throw.
bool ReadBytesUpTo(const std::string& path, std::size_t limit, std::string& bytes);

// The names of the regular files in folder (links followed), as the system
// spells them. Throws when the folder cannot be listed.
std::vector<std::string> ListFiles(const std::string& folder);

// Removes the file at path and flushes its folder; a missing file is no
// failure, any other throws.
void RemoveFile(const std::string& path);

// True when something named path exists (file, folder or anything else).
// A missing file or folder on the way is false; any other failure throws.
bool Exists(const std::string& path);

// Replaces path with the given bytes, line by line (each element is written
// as it stands, line end included), through a temporary file and a rename.
// renamed, when given, is set once the new file is in place, so that a
// caller can tell the failure of the last flush from the others.
void ReplaceFile(const std::string& path, const std::vector<std::string>& lines,
                 bool* renamed = nullptr);

// ReplaceFile in two halves, for a caller that replaces several files all
// or none: WriteTemporary writes and flushes path's temporary file (on a
// failure it is removed and the error thrown), PutTemporaryInPlace renames
// it over path (on a failure it is removed and the error thrown; the
// caller flushes the folder), DiscardTemporary removes it.
void WriteTemporary(const std::string& path, const std::vector<std::string>& lines);
void PutTemporaryInPlace(const std::string& path);
void DiscardTemporary(const std::string& path);

// The temporary file that ReplaceFile writes beside path.
std::string TempFileName(const std::string& path);

// Creates path as an empty file when nothing of that name exists; an
// existing file is left untouched (never truncated). True when it created
// the file. The caller makes the creation durable with SyncFolderOf.
bool CreateEmptyFileIfMissing(const std::string& path);

// Flushes the folder that holds path to the disk (renames and new names in
// it). Throws on failure.
void SyncFolderOf(const std::string& path);

// True when name addresses an entry of the working directory and nowhere
// else: not empty, no "/", "\", ":" or NUL, and not "." or "..".
bool IsBareFileName(const std::string& name);

// Replaces what would split a field or a line in the store's "~" files:
// "~" becomes "-", CR and LF become a space. The text is cut at its first
// NUL first, as every writer does.
std::string FieldForFile(const std::string& text);

// Test hook, for tests only: simulates a failure inside the next saves.
// Steps are the file calls of the saves, counted from this call on:
// ReplaceFile of L lines makes L + 5 (create the temporary, write each line,
// flush it to the disk, close it, rename it over the target, flush the
// folder), CreateEmptyFileIfMissing two when it creates (create, close) and
// none when the file exists, SyncFolderOf one. Step n fails as if the
// system had reported errorNumber; then the hook is disarmed. A step of 0
// disarms it; a step of -1 only counts.
void FailSaveStepForTesting(int step, int errorNumber);
// The steps counted since FailSaveStepForTesting.
int SaveStepsCountedForTesting();

}  // namespace qm::fileio
