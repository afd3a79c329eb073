#include "print/qtprintdevice.h"

#include <QFile>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <algorithm>

#include "store/errors.h"
#include "ui/textconv.h"

namespace qm {

void PrepareLetterPrinter(QPrinter& printer) {
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setFullPage(true);
}

QFont PrinterFont(const std::string& name, int points, FontStyle style) {
  QFont font;
  const QString family = FromBytes(name);
  if (family.compare(QStringLiteral("Courier"), Qt::CaseInsensitive) == 0 ||
      family.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0) {
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"),
                      QStringLiteral("Courier"), QStringLiteral("Nimbus Mono PS"),
                      QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
  } else {
    font.setFamilies({family});
  }
  font.setPointSize(std::max(points, 1));
  font.setBold(style.Bold);
  font.setItalic(style.Italic);
  font.setUnderline(style.Underline);
  font.setStrikeOut(style.StrikeOut);
  return font;
}

QtPrintDevice::QtPrintDevice(QPrinter& printer) : printer_(printer) {
  printer_.setFullPage(true);
  const int resolution = printer_.resolution();
  QPageLayout layout = printer_.pageLayout();
  const QRect sheet = layout.fullRectPixels(resolution);
  width_ = sheet.width();
  height_ = sheet.height();
  // The strips the printer cannot print on are its minimum margins; the
  // layout's own margins are only Qt's suggestion and are not used here.
  layout.setMode(QPageLayout::StandardMode);
  if (layout.setMargins(layout.minimumMargins())) {
    const QMargins strips = layout.marginsPixels(resolution);
    left_ = strips.left();
    top_ = strips.top();
    right_ = strips.right();
    bottom_ = strips.bottom();
  }
  font_ = PrinterFont("Courier", 12, {});
}

QtPrintDevice::~QtPrintDevice() { Abort(); }

void QtPrintDevice::BeginDocument() {
  if (painter_.begin(&printer_)) return;
  if (!printer_.outputFileName().isEmpty())
    throw QmError(ToBytes(QStringLiteral("Unable to write to ") + printer_.outputFileName()));
  const QString name = printer_.printerName();
  throw QmError(ToBytes(name.isEmpty() ? QStringLiteral("Unable to open the printer")
                                       : QStringLiteral("Unable to open the printer ") + name));
}

void QtPrintDevice::NewPage() {
  if (!printer_.newPage()) {
    Abort();
    throw QmError("Unable to start a new page");
  }
}

void QtPrintDevice::EndDocument() {
  if (!painter_.isActive()) return;
  if (!painter_.end() || printer_.printerState() == QPrinter::Error)
    throw QmError("Unable to finish printing");
}

void QtPrintDevice::Abort() noexcept {
  if (!painter_.isActive()) return;
  const bool aborted = printer_.abort();
  if (painter_.isActive()) painter_.end();
  // A PDF writer cannot abort; what it wrote is not a finished document.
  if (!aborted && printer_.outputFormat() == QPrinter::PdfFormat &&
      !printer_.outputFileName().isEmpty())
    QFile::remove(printer_.outputFileName());
}

int QtPrintDevice::PixelsPerInchX() const { return printer_.logicalDpiX(); }
int QtPrintDevice::PixelsPerInchY() const { return printer_.logicalDpiY(); }
int QtPrintDevice::PhysicalWidth() const { return width_; }
int QtPrintDevice::PhysicalHeight() const { return height_; }
int QtPrintDevice::PrintableWidth() const { return width_ - left_ - right_; }
int QtPrintDevice::PrintableHeight() const { return height_ - top_ - bottom_; }
int QtPrintDevice::OffsetX() const { return left_; }
int QtPrintDevice::OffsetY() const { return top_; }

void QtPrintDevice::SetFont(const std::string& name, int points, FontStyle style) {
  font_ = PrinterFont(name, points, style);
}

int QtPrintDevice::FontHeight() const { return QFontMetrics(font_, &printer_).height(); }

int QtPrintDevice::FontExternalLeading() const {
  // Qt's leading can be negative for faces whose line gap is smaller than
  // their height; a printer font's external leading never is.
  return std::max(QFontMetrics(font_, &printer_).leading(), 0);
}

void QtPrintDevice::DrawText(int x, int y, const std::string& text) {
  if (!painter_.isActive()) return;
  // The painter draws on a baseline; the object gives the top-left corner.
  painter_.setFont(QFont(font_, &printer_));
  const int ascent = QFontMetrics(font_, &printer_).ascent();
  painter_.drawText(QPoint(left_ + x, top_ + y + ascent), FromBytes(text));
}

void QtPrintDevice::Paint(const PaintWork& work) {
  if (!painter_.isActive() || !work) return;
  painter_.save();
  work(painter_);
  painter_.restore();
}

}  // namespace qm
