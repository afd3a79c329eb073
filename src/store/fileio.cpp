#include "store/fileio.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

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
  if (++hook.counter != hook.step) return false;
  errorNumber = hook.errorNumber;
  hook.step = 0;
  return true;
}

// errno after a failed call, or EIO when the library left none.
int LastError() { return errno != 0 ? errno : EIO; }

class LineSplitter {
 public:
  LineSplitter(std::size_t keep, std::vector<std::string>& lines) : keep_(keep), lines_(lines) {}

  void Feed(const char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      char c = data[i];
      if (c == '\n') {
        EndLine();
        continue;
      }
      // One byte more than kept, so that a CR at the cut can still be told
      // apart from the line's own characters.
      if (current_.size() <= keep_) current_.push_back(c);
      ++rawLength_;
      endsWithCr_ = c == '\r';
    }
  }

  void Finish() {
    // Text after the last LF is a line, unless it is only the CR of a line
    // end whose LF went missing.
    if (rawLength_ > 0 && !(rawLength_ == 1 && endsWithCr_)) EndLine();
  }

 private:
  void EndLine() {
    std::size_t length = rawLength_ - (endsWithCr_ ? 1 : 0);
    if (length > keep_) length = keep_;
    current_.resize(length);
    lines_.push_back(std::move(current_));
    current_.clear();
    rawLength_ = 0;
    endsWithCr_ = false;
  }

  std::size_t keep_;
  std::vector<std::string>& lines_;
  std::string current_;
  std::size_t rawLength_ = 0;
  bool endsWithCr_ = false;
};

void DiscardTemp(const std::string& temp) {
  std::error_code ignored;
  fs::remove(temp, ignored);
}

}  // namespace

bool TryReadLines(const std::string& path, std::size_t keep, std::vector<std::string>& lines,
                  int& openError) {
  lines.clear();
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    openError = LastError();
    return false;
  }
  LineSplitter splitter(keep, lines);
  char buffer[1 << 16];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) splitter.Feed(buffer, got);
  if (std::ferror(file)) {
    int error = LastError();
    std::fclose(file);
    lines.clear();
    ThrowIoError(error);
  }
  splitter.Finish();
  if (std::fclose(file) != 0) {
    lines.clear();
    ThrowIoError(LastError());
  }
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
  char buffer[1 << 16];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  bool failed = std::ferror(file) != 0;
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

void ReplaceFile(const std::string& path, const std::vector<std::string>& lines) {
  const std::string temp = TempFileName(path);
  int error = 0;
  // A leftover from an earlier crash is replaced; "x" refuses to follow a
  // link someone may have put in its place.
  DiscardTemp(temp);
  if (InjectedFailure(error)) ThrowIoError(error);
  errno = 0;
  std::FILE* file = std::fopen(temp.c_str(), "wbx");
  if (file == nullptr) ThrowIoError(LastError());

  for (const std::string& line : lines) {
    errno = 0;
    bool failed = InjectedFailure(error);
    if (!failed && std::fwrite(line.data(), 1, line.size(), file) != line.size()) {
      failed = true;
      error = LastError();
    }
    if (failed) {
      std::fclose(file);
      DiscardTemp(temp);
      ThrowIoError(error);
    }
  }

  errno = 0;
  bool failed = InjectedFailure(error);
  if (!failed && std::fflush(file) != 0) {
    failed = true;
    error = LastError();
  }
  if (std::fclose(file) != 0 && !failed) {
    failed = true;
    error = LastError();
  }
  if (failed) {
    DiscardTemp(temp);
    ThrowIoError(error);
  }

  std::error_code ec;
  fs::file_status old = fs::status(path, ec);
  if (!ec && fs::is_regular_file(old)) {
    std::error_code ignored;  // keeping the old permissions is a courtesy
    fs::permissions(temp, old.permissions(), ignored);
  }

  if (InjectedFailure(error)) {
    DiscardTemp(temp);
    ThrowIoError(error);
  }
  fs::rename(temp, path, ec);
  if (ec) {
    DiscardTemp(temp);
    ThrowIoError(ec.value());
  }
}

void CreateEmptyFileIfMissing(const std::string& path) {
  if (Exists(path)) return;
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "wbx");
  if (file == nullptr) {
    int error = LastError();
    if (error == EEXIST) return;
    ThrowIoError(error);
  }
  if (std::fclose(file) != 0) ThrowIoError(LastError());
}

bool IsBareFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of(std::string("/\\:\0", 4)) == std::string::npos;
}

std::string FieldForFile(const std::string& text) {
  std::string field = CutAtNul(text);
  for (char& c : field) {
    if (c == '~')
      c = '-';
    else if (c == '\r' || c == '\n')
      c = ' ';
  }
  return field;
}

void FailSaveStepForTesting(int step, int errorNumber) {
  Hook() = SaveFailureHook{step, errorNumber, 0};
}

}  // namespace qm::fileio
