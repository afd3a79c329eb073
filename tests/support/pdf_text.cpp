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

QStringList PdfWords(const QString& pdf) {
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!text.waitForFinished(20000)) return {};
  return Words(QString::fromUtf8(text.readAllStandardOutput()).split('\n'));
}

namespace {

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(20000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

int PdfPageCount(const QString& pdf) {
  const auto match =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
          .match(Run(QStringLiteral("pdfinfo"), {pdf}));
  return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QRectF PdfWordBox(const QString& pdf, const QString& word) {
  const QString boxes = Run(QStringLiteral("pdftotext"),
                            {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                             QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
  static const QRegularExpression kWord(
      QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                     "yMax=\"([\\d.]+)\">([^<]*)</word>"));
  for (auto it = kWord.globalMatch(boxes); it.hasNext();) {
    const auto match = it.next();
    if (match.captured(5) != word.toHtmlEscaped()) continue;
    return QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                  QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()));
  }
  return {};
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
