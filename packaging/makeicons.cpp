// Makes the program's icons for the hicolor theme from its artwork:
//
//   makeicons ARTWORK OUTDIR SIZE...
//
// writes OUTDIR/SIZExSIZE/apps/quillmor.png for each SIZE. The artwork is
// taller than wide; an icon is square, so the picture is scaled to the
// icon's height and centred between transparent margins.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: makeicons ARTWORK OUTDIR SIZE...\n");
    return 2;
  }
  const QImage artwork(QString::fromLocal8Bit(argv[1]));
  if (artwork.isNull()) {
    std::fprintf(stderr, "makeicons: cannot read %s\n", argv[1]);
    return 1;
  }
  const QDir out(QString::fromLocal8Bit(argv[2]));
  for (int i = 3; i < argc; ++i) {
    bool ok = false;
    const int size = QString::fromLatin1(argv[i]).toInt(&ok);
    if (!ok || size <= 0) {
      std::fprintf(stderr, "makeicons: not a size: %s\n", argv[i]);
      return 2;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    const QImage scaled = artwork.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    {
      QPainter painter(&icon);
      painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    }
    const QString dir = QStringLiteral("%1x%1/apps").arg(size);
    const QString path = out.filePath(dir + QStringLiteral("/quillmor.png"));
    if (!out.mkpath(dir) || !icon.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
      std::fprintf(stderr, "makeicons: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
