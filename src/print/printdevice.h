// What the print layout object needs of a printer: a document of pages,
// the sheet's geometry in device pixels, one current font and text drawn at
// a pixel position.
//
// QtPrintDevice (qtprintdevice.h) prints through QPrinter; tests use a
// recording device (tests/support/recording_device.h).
#pragma once

#include <functional>
#include <string>

class QPainter;

namespace qm {

// Drawing that is not text on a line (a chart): it paints with a painter
// whose coordinates are the sheet's pixels from its top-left edge.
using PaintWork = std::function<void(QPainter&)>;

struct FontStyle {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
};

class PrintDevice {
 public:
  virtual ~PrintDevice() = default;

  // The document. BeginDocument, NewPage and EndDocument throw QmError with
  // the text the user sees when the printer (or the output file) cannot do
  // them; after a failure the job is over and nothing more may be drawn.
  virtual void BeginDocument() = 0;
  virtual void NewPage() = 0;
  virtual void EndDocument() = 0;
  // Ends an open document without finishing it (a report failed part-way).
  // Does nothing when no document is open. Never throws.
  virtual void Abort() noexcept = 0;

  // The sheet, in device pixels. The printable area lies OffsetX pixels from
  // the left edge and OffsetY from the top (the unprintable strips).
  virtual int PixelsPerInchX() const = 0;
  virtual int PixelsPerInchY() const = 0;
  virtual int PhysicalWidth() const = 0;
  virtual int PhysicalHeight() const = 0;
  virtual int PrintableWidth() const = 0;
  virtual int PrintableHeight() const = 0;
  virtual int OffsetX() const = 0;
  virtual int OffsetY() const = 0;

  // The current font: name, size in points and style; its height and
  // external leading in vertical device pixels.
  virtual void SetFont(const std::string& name, int points, FontStyle style) = 0;
  virtual int FontHeight() const = 0;
  virtual int FontExternalLeading() const = 0;

  // Draws single-byte (Windows-1252) text in the current font with its
  // top-left corner at (x, y), in pixels from the printable area's top-left
  // corner. Only between BeginDocument and EndDocument.
  virtual void DrawText(int x, int y, const std::string& text) = 0;

  // Runs work on the current page. Only between BeginDocument and
  // EndDocument; a device that draws no pictures only notes the call.
  virtual void Paint(const PaintWork& work) = 0;
};

}  // namespace qm
