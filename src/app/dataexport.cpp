#include "app/dataexport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/backup.h"
#include "app/folderlock.h"
#include "store/courses.h"
#include "store/settings.h"
#include "ui/prompts.h"
#include "ui/textconv.h"

namespace qm {

QString DataFolder() { return QDir::currentPath(); }

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString CsvFilter() { return QStringLiteral("Spreadsheet files (*.csv);;All files (*)"); }

bool IsProgramFile(const QString& path) {
  const QFileInfo file(path);
  const QString settings =
      QFileInfo(QFile::decodeName(SettingsFilePath().c_str())).absoluteFilePath();
  if (file.absoluteFilePath() == settings) return true;
  if (QDir(file.absolutePath()).canonicalPath() != QDir(DataFolder()).canonicalPath()) return false;
  const QString name = file.fileName();
  return (IsSingleByte(name) && IsBackupFileName(ToBytes(name))) ||
         name == QLatin1String(SampleCourseFileName) || name == QLatin1String(DataFolderLockName);
}

QString ProgramFileRefusal(const QString& path) {
  return QStringLiteral(
             "%1 is a file Quillmor keeps its data in. Nothing was written: choose "
             "another name.")
      .arg(QDir::toNativeSeparators(path));
}

bool ExportRows(const QString& caption, const QString& proposedName,
                const std::vector<csv::Row>& rows, const QString& done) {
  const QString path = CurrentPrompts().SaveFileName(
      caption, QDir(DataFolder()).filePath(proposedName), CsvFilter());
  if (path.isEmpty()) return false;
  if (IsProgramFile(path)) {
    CurrentPrompts().Warning(ProgramFileRefusal(path));
    return false;
  }
  csv::WriteFileBytes(LocalPath(path), csv::WriteRows(rows));
  CurrentPrompts().Message(done.arg(QDir::toNativeSeparators(path)));
  return true;
}

QString CountOf(int count, const QString& singular, const QString& plural) {
  return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? singular : plural);
}

}  // namespace qm
