#include "store/errors.h"

#include <cerrno>

namespace qm {

std::string FileFaultText(FileFault fault) {
  switch (fault) {
    case FileFault::NotFound: return "File not found";
    case FileFault::InvalidName: return "Invalid filename";
    case FileFault::TooManyOpen: return "Too many open files";
    case FileFault::AccessDenied: return "File access denied";
    case FileFault::ReadPastEnd: return "Read beyond end of file";
    case FileFault::DiskFull: return "Disk full";
    case FileFault::InvalidNumeric: return "Invalid numeric input";
  }
  return "Invalid filename";
}

void ThrowFileFault(FileFault fault) { throw QmError(FileFaultText(fault)); }

void ThrowIoError(int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
    case ENOTDIR: ThrowFileFault(FileFault::NotFound);
    case ENAMETOOLONG:
    case EINVAL:
    case EISDIR: ThrowFileFault(FileFault::InvalidName);
    case EMFILE:
    case ENFILE: ThrowFileFault(FileFault::TooManyOpen);
    case EACCES:
    case EPERM:
    case EROFS: ThrowFileFault(FileFault::AccessDenied);
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      ThrowFileFault(FileFault::DiskFull);
    default: break;
  }
  throw QmError("I/O error " + std::to_string(errorNumber));
}

void ThrowNotInteger(const std::string& text) {
  throw QmError("'" + text + "' is not a valid integer value");
}

void ThrowNotFloat(const std::string& text) {
  throw QmError("'" + text + "' is not a valid floating point value");
}

}  // namespace qm
