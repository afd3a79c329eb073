// The print device over a QPrinter: the painter draws in full-page mode in
// the sheet's pixels, the unprintable strips are the printer's minimum
// margins, and font metrics come from the printer (never from the screen).
//
//   QPrinter printer(QPrinter::HighResolution);
//   PrepareLetterPrinter(printer);
//   if (!CurrentPrompts().SelectPrinter(printer)) return;
//   QtPrintDevice device(printer);  // printer outlives device
//   TPrintObject page(device);
//
// "Courier" is printed in a fixed-pitch face that the system has (Liberation
// Mono on Debian); any missing face falls back by the typewriter style hint,
// so the columns of the reports still line up.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

#include "print/printdevice.h"

class QPrinter;

namespace qm {

// A printer at its own resolution, US Letter, full-page mode.
void PrepareLetterPrinter(QPrinter& printer);

// The font the device uses for a name, size (points) and style.
QFont PrinterFont(const std::string& name, int points, FontStyle style);

class QtPrintDevice : public PrintDevice {
 public:
  explicit QtPrintDevice(QPrinter& printer);
  // An open document is aborted.
  ~QtPrintDevice() override;
  QtPrintDevice(const QtPrintDevice&) = delete;
  QtPrintDevice& operator=(const QtPrintDevice&) = delete;

  // "Unable to write to NAME" for an output file that cannot be written,
  // "Unable to open the printer NAME" otherwise.
  void BeginDocument() override;
  // "Unable to start a new page".
  void NewPage() override;
  // "Unable to finish printing".
  void EndDocument() override;
  // Discards the job; a PDF file it had begun is removed.
  void Abort() noexcept override;

  int PixelsPerInchX() const override;
  int PixelsPerInchY() const override;
  int PhysicalWidth() const override;
  int PhysicalHeight() const override;
  int PrintableWidth() const override;
  int PrintableHeight() const override;
  int OffsetX() const override;
  int OffsetY() const override;

  void SetFont(const std::string& name, int points, FontStyle style) override;
  int FontHeight() const override;
  int FontExternalLeading() const override;

  void DrawText(int x, int y, const std::string& text) override;

  const QFont& Font() const { return font_; }
  // The painter on the sheet, in the sheet's pixels from its top-left
  // corner (full page); active between BeginDocument and EndDocument. For
  // pictures drawn beside the text (a chart).
  QPainter& Painter() { return painter_; }

 private:
  QPrinter& printer_;
  QPainter painter_;
  QFont font_;
  // The sheet and its unprintable strips, in pixels, read once.
  int width_ = 0, height_ = 0;
  int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
};

}  // namespace qm
