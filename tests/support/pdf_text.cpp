#include "support/pdf_text.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

namespace qm::test {

QStringList Words(const QStringList& lines) {
  QStringList words;
  for (const QString& line : lines)
    if (!line.simplified().isEmpty()) words << line.simplified();
  return words;
}

QStringList PdfWords(const QString& pdf, const QStringList& options) {
  QProcess text;
  text.start(QStringLiteral("pdftotext"), QStringList{QStringLiteral("-layout")} + options +
                                              QStringList{pdf, QStringLiteral("-")});
  if (!text.waitForFinished(20000)) return {};
  return Words(QString::fromUtf8(text.readAllStandardOutput()).split('\n'));
}

int PdfPageCount(const QString& pdf) {
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {pdf});
  info.waitForFinished(20000);
  return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
      .match(QString::fromUtf8(info.readAllStandardOutput()))
      .captured(1)
      .toInt();
}

void SavePdfPicture(const QString& pdf, const QString& name) {
  const QString screens = qEnvironmentVariable("QM_SCREENS_DIR");
  if (screens.isEmpty()) return;
  QDir().mkpath(screens);
  QProcess::execute(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                     QStringLiteral("-singlefile"), pdf, screens + '/' + name});
}

}  // namespace qm::test
