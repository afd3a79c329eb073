#include "store/fileio.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unordered_map>

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "store/errors.h"
#include "store/text.h"

namespace qm::fileio {

namespace fs = std::filesystem;

namespace {

struct SaveFailureHook {
  int step = 0;
  int errorNumber = 0;
  int counter = 0;
};

SaveFailureHook& Hook() {
  static SaveFailureHook hook;
  return hook;
}

// Counts one step of a save; true (with the error to report) when the test
// hook wants this step to fail.
bool InjectedFailure(int& errorNumber) {
  SaveFailureHook& hook = Hook();
  if (hook.step == 0) return false;
  if (++hook.counter != hook.step) return false;  // a step of -1 only counts
  errorNumber = hook.errorNumber;
  hook.step = 0;
  return true;
}

// errno after a failed call, or EIO when the library left none.
int LastError() { return errno != 0 ? errno : EIO; }

void DiscardTemp(const std::string& temp) {
  std::error_code ignored;
  fs::remove(temp, ignored);
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view bytes, std::size_t keep) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t lf = bytes.find('\n', start);
    bool last = lf == std::string_view::npos;
    std::size_t stop = last ? bytes.size() : lf;
    // Text after the last LF is a line, unless it is only the CR of a line
    // end whose LF went missing.
    if (last && stop - start == 1 && bytes[start] == '\r') break;
    std::size_t length = stop - start;
    if (length > 0 && bytes[stop - 1] == '\r') --length;
    lines.push_back(bytes.substr(start, length < keep ? length : keep));
    if (last) break;
    start = lf + 1;
  }
  return lines;
}

bool TryReadLines(const std::string& path, std::size_t keep, std::vector<std::string>& lines,
                  int& openError) {
  lines.clear();
  std::string bytes;
  if (!TryReadBytes(path, bytes, openError)) return false;
  std::vector<std::string_view> views = SplitLines(bytes, keep);
  lines.reserve(views.size());
  for (std::string_view line : views) lines.emplace_back(line);
  return true;
}

bool TryReadBytes(const std::string& path, std::string& bytes, int& openError) {
  bytes.clear();
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    openError = LastError();
    return false;
  }
  // One read of the whole file straight into the text, sized by what the
  // system says the file holds; a file that grows meanwhile (or reports no
  // size) is read on in steps until its end.
  std::setvbuf(file, nullptr, _IONBF, 0);
  std::error_code ec;
  std::uintmax_t size = fs::file_size(path, ec);  // fails for a folder: no hint then
  if (ec) size = 0;
  bytes.resize(static_cast<std::size_t>(size) + 1);
  errno = 0;
  std::size_t have = 0;
  bool failed = false;
  for (;;) {
    std::size_t got = std::fread(bytes.data() + have, 1, bytes.size() - have, file);
    have += got;
    if (have < bytes.size()) {
      failed = std::ferror(file) != 0;
      break;
    }
    bytes.resize(bytes.size() + (1 << 16));
  }
  bytes.resize(have);
  int error = failed ? LastError() : 0;
  if (std::fclose(file) != 0 && !failed) {
    failed = true;
    error = LastError();
  }
  if (failed) {
    bytes.clear();
    ThrowIoError(error);
  }
  return true;
}

std::vector<std::string> ReadLines(const std::string& path, std::size_t keep) {
  std::vector<std::string> lines;
  int openError = 0;
  if (!TryReadLines(path, keep, lines, openError)) ThrowIoError(openError);
  return lines;
}

bool ReadBytesUpTo(const std::string& path, std::size_t limit, std::string& bytes) {
  bytes.clear();
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) ThrowIoError(LastError());
  char buffer[1 << 16];
  bool failed = false;
  while (bytes.size() <= limit) {
    const std::size_t want = std::min(sizeof buffer, limit + 1 - bytes.size());
    const std::size_t got = std::fread(buffer, 1, want, file);
    bytes.append(buffer, got);
    if (got < want) {
      failed = std::ferror(file) != 0;
      break;
    }
  }
  const int error = LastError();
  std::fclose(file);
  if (failed) {
    bytes.clear();
    ThrowIoError(error);
  }
  return bytes.size() <= limit;
}

std::vector<std::string> ListFiles(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) ThrowIoError(ec.value());
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code statusError;
    if (it->is_regular_file(statusError)) names.push_back(it->path().filename().string());
  }
  if (ec) ThrowIoError(ec.value());
  return names;
}

void RemoveFile(const std::string& path) {
  std::error_code ec;
  fs::remove(path, ec);
  if (ec && ec != std::errc::no_such_file_or_directory) ThrowIoError(ec.value());
  SyncFolderOf(path);
}

bool Exists(const std::string& path) {
  std::error_code ec;
  // A dangling symbolic link counts as existing: nothing is ever created
  // through it.
  fs::file_status status = fs::symlink_status(path, ec);
  if (ec) {
    if (ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory) {
      return false;
    }
    ThrowIoError(ec.value());
  }
  return fs::exists(status);
}

std::string TempFileName(const std::string& path) { return path + ".tmp~"; }

namespace {

// Closes file, counting the close as one step of a save.
bool CloseCounted(std::FILE* file, int& error) {
  errno = 0;
  bool failed = InjectedFailure(error);
  if (std::fclose(file) != 0 && !failed) {
    failed = true;
    error = LastError();
  }
  return !failed;
}

// Hands what the library still buffers to the system and has the system put
// it on the disk, so that a save reported as done survives a power cut.
bool FlushToDisk(std::FILE* file, int& error) {
  errno = 0;
  if (InjectedFailure(error)) return false;
  if (std::fflush(file) != 0) {
    error = LastError();
    return false;
  }
#if defined(_WIN32)
  if (_commit(_fileno(file)) != 0) {
    error = LastError();
    return false;
  }
#else
  if (::fsync(::fileno(file)) != 0) {
    error = LastError();
    return false;
  }
#endif
  return true;
}

}  // namespace

void SyncFolderOf(const std::string& path) {
  int error = 0;
  if (InjectedFailure(error)) ThrowIoError(error);
#if !defined(_WIN32)
  // A rename or a new file is on the disk only once its folder is.
  std::string folder = fs::path(path).parent_path().string();
  if (folder.empty()) folder = ".";
  errno = 0;
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) ThrowIoError(LastError());
  errno = 0;
  int synced = ::fsync(fd);
  error = LastError();
  ::close(fd);
  // Some file systems cannot sync a folder at all; their renames are as
  // durable as they get.
  if (synced != 0 && error != EINVAL && error != ENOTSUP) ThrowIoError(error);
#endif
}

void WriteTemporary(const std::string& path, const std::vector<std::string>& lines) {
  const std::string temp = TempFileName(path);
  int error = 0;
  // A leftover from an earlier crash is replaced; "x" refuses to follow a
  // link someone may have put in its place.
  DiscardTemp(temp);
  if (InjectedFailure(error)) ThrowIoError(error);
  errno = 0;
  std::FILE* file = std::fopen(temp.c_str(), "wbx");
  if (file == nullptr) ThrowIoError(LastError());

  auto fail = [&](int number) {
    DiscardTemp(temp);
    ThrowIoError(number);
  };
  for (const std::string& line : lines) {
    errno = 0;
    bool failed = InjectedFailure(error);
    if (!failed && std::fwrite(line.data(), 1, line.size(), file) != line.size()) {
      failed = true;
      error = LastError();
    }
    if (failed) {
      std::fclose(file);
      fail(error);
    }
  }
  if (!FlushToDisk(file, error)) {
    std::fclose(file);
    fail(error);
  }
  if (!CloseCounted(file, error)) fail(error);
}

void DiscardTemporary(const std::string& path) { DiscardTemp(TempFileName(path)); }

void PutTemporaryInPlace(const std::string& path) {
  const std::string temp = TempFileName(path);
  int error = 0;
  auto fail = [&](int number) {
    DiscardTemp(temp);
    ThrowIoError(number);
  };
  std::error_code ec;
  fs::file_status old = fs::status(path, ec);
  if (!ec && fs::is_regular_file(old)) {
    std::error_code ignored;  // keeping the old permissions is a courtesy
    fs::permissions(temp, old.permissions(), ignored);
  }

  if (InjectedFailure(error)) fail(error);
  fs::rename(temp, path, ec);
  if (ec) fail(ec.value());
}

void ReplaceFile(const std::string& path, const std::vector<std::string>& lines, bool* renamed) {
  WriteTemporary(path, lines);
  PutTemporaryInPlace(path);
  if (renamed != nullptr) *renamed = true;
  // The new file is in place; a failure here says that it may not survive
  // a power cut, and is reported as the save's failure.
  SyncFolderOf(path);
}

bool CreateEmptyFileIfMissing(const std::string& path) {
  if (Exists(path)) return false;
  int error = 0;
  if (InjectedFailure(error)) ThrowIoError(error);
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "wbx");
  if (file == nullptr) {
    error = LastError();
    if (error == EEXIST) return false;
    ThrowIoError(error);
  }
  if (!CloseCounted(file, error)) {
    std::error_code ignored;
    fs::remove(path, ignored);
    ThrowIoError(error);
  }
  return true;
}

bool IsBareFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of(std::string("/\\:\0", 4)) == std::string::npos;
}

std::string FieldForFile(const std::string& text) { return StorableText(text); }

void FailSaveStepForTesting(int step, int errorNumber) {
  Hook() = SaveFailureHook{step, errorNumber, 0};
}

int SaveStepsCountedForTesting() { return Hook().counter; }

FileSnapshot FileSnapshot::Of(const std::string& path) {
  FileSnapshot snapshot;
  snapshot.path_ = path;
  int openError = 0;
  if (TryReadBytes(path, snapshot.bytes_, openError)) {
    snapshot.existed_ = true;
  } else if (Exists(path)) {
    ThrowIoError(openError);
  }
  return snapshot;
}

bool FileSnapshot::Changed() const {
  const FileSnapshot now = Of(path_);
  return now.existed_ != existed_ || now.bytes_ != bytes_;
}

std::vector<std::string> FileSnapshot::AddedLines() const {
  const FileSnapshot now = Of(path_);
  std::unordered_map<std::string_view, int> read;
  for (std::string_view line : SplitLines(bytes_, std::string_view::npos)) ++read[line];
  std::vector<std::string> added;
  for (std::string_view line : SplitLines(now.bytes_, std::string_view::npos)) {
    auto found = read.find(line);
    if (found != read.end() && found->second > 0)
      --found->second;
    else
      added.emplace_back(line);
  }
  return added;
}

}  // namespace qm::fileio
