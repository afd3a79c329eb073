#include "ui/dataexport.h"

#include <QDir>
#include <QFile>

#include "ui/prompts.h"

namespace qm {

QString DataFolder() { return QDir::currentPath(); }

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString CsvFilter() { return QStringLiteral("Spreadsheet files (*.csv);;All files (*)"); }

bool ExportRows(const QString& caption, const QString& proposedName,
                const std::vector<csv::Row>& rows, const QString& done) {
  const QString path = CurrentPrompts().SaveFileName(
      caption, QDir(DataFolder()).filePath(proposedName), CsvFilter());
  if (path.isEmpty()) return false;
  csv::WriteFileBytes(LocalPath(path), csv::WriteRows(rows));
  CurrentPrompts().Message(done.arg(QDir::toNativeSeparators(path)));
  return true;
}

QString CountOf(int count, const QString& singular, const QString& plural) {
  return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? singular : plural);
}

}  // namespace qm
