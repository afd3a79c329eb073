// TPrintObject lays text out on printed pages in inches: margins, a text
// area whose bottom governs automatic page breaks, one font, tab stops, and
// lines written either at an absolute position or on the next line.
//
//   TPrintObject page(device);       // device outlives the object
//   page.Start();
//   page.SetMargins(0.5, 0.5, 0.5, 0.5);
//   page.SetTextArea(1.0, 10.0);
//   page.SetFontInformation("Courier", 12, {});
//   page.WriteLine(heading, -1, 1.0);   // left margin, 1 inch from the top
//   page.WriteLine(next, -1, TPrintObject::NextLine);
//   page.Quit();
//
// Positions are inches from the sheet's left and top edges, in single
// precision; inside, everything is the device's pixels. Inches become
// pixels by a single-precision product whose integer part is taken (0.999
// inch at 300 pixels per inch is pixel 299). The object reports nothing
// itself: a failure of the device propagates, and the owner ends the job
// with the device's Abort.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "print/printdevice.h"

namespace qm {

class TPrintObject {
 public:
  // Codes for WriteLine's Y.
  static constexpr float NextLine = -1.0f;
  static constexpr float SameLine = -2.0f;
  // The longest text WriteLine draws; the rest of a longer one is dropped.
  static constexpr std::size_t MaxText = 255;
  static constexpr int MaxColumn = 20;

  explicit TPrintObject(PrintDevice& device) : device_(device) {}

  // Begins the job, measures the sheet and the device's current font, sets
  // the margins to the unprintable strips and the current line to 0.
  void Start();
  // Margins that do not fit the sheet side by side, and margins not greater
  // than 0, fall back to the unprintable strips; no margin is ever closer to
  // the edge than its strip.
  void SetMargins(float top, float bottom, float left, float right);
  // The current line goes one line (of the current font) above top, so that
  // the first next-line write lands at top.
  void SetTextArea(float top, float bottom);
  void SetFontInformation(const std::string& name, std::int16_t size, FontStyle style);
  // Column 0 to 20; others are ignored. A negative position means the left
  // margin.
  void SetTab(std::int16_t column, float position);
  // X >= 0: inches from the left edge; negative: the left margin. Y greater
  // than -0.01: inches from the top edge (never a page break); NextLine:
  // one line below the current one, after a new page when that line would
  // begin below the text area bottom; SameLine: on the current line.
  void WriteLine(const std::string& text, float x, float y);
  void WriteLineColumn(std::int16_t column, const std::string& text, float y);
  void NewPage();
  void Quit();

  // The state, for reports that place things themselves and for tests.
  std::int32_t TopMargin() const { return topMargin_; }
  std::int32_t BottomMargin() const { return bottomMargin_; }
  std::int32_t LeftMargin() const { return leftMargin_; }
  std::int32_t RightMargin() const { return rightMargin_; }
  float PageWidth() const { return pageWidth_; }
  float PageHeight() const { return pageHeight_; }
  float CurrentLine() const { return currentLine_; }
  float TextAreaTop() const { return textAreaTop_; }
  float TextAreaBottom() const { return textAreaBottom_; }
  // The current font's line height in inches.
  float LineHeight() const;

  // Inches to pixels: the single-precision product, truncated toward zero.
  static std::int32_t InchesToPixels(float inches, std::int32_t pixelsPerInch);
  static float PixelsToInches(std::int32_t pixels, std::int32_t pixelsPerInch);

 private:
  void Measure();
  void RaiseMarginsToStrips();

  PrintDevice& device_;

  std::int32_t topMargin_ = 0, bottomMargin_ = 0, leftMargin_ = 0, rightMargin_ = 0;
  std::int32_t pixelsPerInchY_ = 0, pixelsPerInchX_ = 0;
  std::int32_t physicalWidth_ = 0, physicalHeight_ = 0;
  float pageHeight_ = 0, pageWidth_ = 0;
  std::int32_t leftOffset_ = 0, rightStrip_ = 0, topOffset_ = 0, bottomStrip_ = 0;
  float textAreaTop_ = 0, textAreaBottom_ = 0;
  float currentLine_ = 0;
  bool autoPageBreak_ = false;
  std::int32_t fontHeight_ = 0, fontExternalLeading_ = 0;
  std::array<float, MaxColumn + 1> tabs_{};
};

}  // namespace qm
