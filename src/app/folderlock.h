// The lock that keeps a second program off a data folder: two programs
// saving the same files would each write over what the other confirmed.
#pragma once

#include <QString>
#include <memory>

#include "store/datafiles.h"  // DataFolderLockName

class QLockFile;

namespace qm {

// Locks folder for this program's run (held until the returned lock is
// destroyed). A lock left by a program that is no longer running is taken
// over, so a crash never locks a user out; a lock's age alone never makes it
// stale, however long the other program has been running. Null when another
// running program holds the folder (refusal then says which folder and
// which process) or the lock file cannot be made (refusal says why).
std::unique_ptr<QLockFile> LockDataFolder(const QString& folder, QString& refusal);

}  // namespace qm
