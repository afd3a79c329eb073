#include "support/pdf_text.h"

#include <QDir>
#include <QProcess>

namespace qm::test {

QStringList Words(const QStringList& lines) {
  QStringList words;
  for (const QString& line : lines)
    if (!line.simplified().isEmpty()) words << line.simplified();
  return words;
}

QStringList PdfWords(const QString& pdf) {
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!text.waitForFinished(20000)) return {};
  return Words(QString::fromUtf8(text.readAllStandardOutput()).split('\n'));
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
