#include "app/folderlock.h"

#include <QDir>
#include <QLockFile>

namespace qm {

std::unique_ptr<QLockFile> LockDataFolder(const QString& folder, QString& refusal) {
  const QString shown = QDir::toNativeSeparators(QDir(folder).absolutePath());
  auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QLatin1String(DataFolderLockName)));
  // Only a dead owner makes a lock stale: by default a lock older than 30
  // seconds would be taken from a program that is still running.
  lock->setStaleLockTime(0);
  if (lock->tryLock(0)) return lock;
  if (lock->error() == QLockFile::LockFailedError) {
    qint64 pid = 0;
    QString hostName;
    QString appName;
    lock->getLockInfo(&pid, &hostName, &appName);
    refusal = QStringLiteral(
                  "The data folder %1 is in use by another Quillmor (process %2%3).  Use that "
                  "one, or end it and start again.")
                  .arg(shown)
                  .arg(pid)
                  .arg(hostName.isEmpty() ? QString() : QStringLiteral(" on ") + hostName);
  } else {
    refusal = QStringLiteral("The data folder %1 cannot be locked for this program.").arg(shown);
  }
  return nullptr;
}

}  // namespace qm
