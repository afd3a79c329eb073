// The one error type of the store and the engine.
//
// A failed file operation or conversion abandons the whole user action: the
// store and the engine throw QmError, and the window handler's guard shows
// What() in the program's general error report. The message is the exact
// text the user sees.
#pragma once

#include <stdexcept>
#include <string>

namespace qm {

class QmError : public std::runtime_error {
 public:
  explicit QmError(const std::string& message) : std::runtime_error(message) {}
};

// The general error report's texts for failed file operations.
enum class FileFault {
  NotFound,         // "File not found"
  InvalidName,      // "Invalid filename"
  TooManyOpen,      // "Too many open files"
  AccessDenied,     // "File access denied"
  ReadPastEnd,      // "Read beyond end of file"
  DiskFull,         // "Disk full"
  InvalidNumeric,   // "Invalid numeric input"
};

std::string FileFaultText(FileFault fault);

// Throws the error for a fault.
[[noreturn]] void ThrowFileFault(FileFault fault);

// Throws the error that matches a system error number (errno): one of the
// fixed texts where one fits, otherwise "I/O error %d" with the number.
[[noreturn]] void ThrowIoError(int errorNumber);

// "'%s' is not a valid integer value" / "'%s' is not a valid floating point value"
[[noreturn]] void ThrowNotInteger(const std::string& text);
[[noreturn]] void ThrowNotFloat(const std::string& text);

}  // namespace qm
