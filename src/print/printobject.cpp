#include "print/printobject.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qm {

std::int32_t TPrintObject::InchesToPixels(float inches, std::int32_t pixelsPerInch) {
  // The product is stored as a float before it is truncated, so no wider
  // intermediate can round it differently (4.6 inches at 300 is 1380, not
  // 1379 as in double).
  const float product = inches * static_cast<float>(pixelsPerInch);
  if (std::isnan(product)) return 0;
  constexpr float kLimit = 2147483520.0f;  // the largest float below 2^31
  if (product >= kLimit) return std::numeric_limits<std::int32_t>::max();
  if (product <= -kLimit) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(product);
}

float TPrintObject::PixelsToInches(std::int32_t pixels, std::int32_t pixelsPerInch) {
  if (pixelsPerInch == 0) return 0;
  return static_cast<float>(pixels) / static_cast<float>(pixelsPerInch);
}

float TPrintObject::LineHeight() const {
  return PixelsToInches(fontHeight_ + fontExternalLeading_, pixelsPerInchY_);
}

void TPrintObject::Start() {
  device_.BeginDocument();
  autoPageBreak_ = true;
  Measure();
  SetMargins(
      PixelsToInches(topOffset_, pixelsPerInchY_), PixelsToInches(bottomStrip_, pixelsPerInchY_),
      PixelsToInches(leftOffset_, pixelsPerInchX_), PixelsToInches(rightStrip_, pixelsPerInchX_));
  currentLine_ = 0;
}

void TPrintObject::Measure() {
  fontHeight_ = device_.FontHeight();
  fontExternalLeading_ = device_.FontExternalLeading();
  pixelsPerInchY_ = device_.PixelsPerInchY();
  pixelsPerInchX_ = device_.PixelsPerInchX();
  leftOffset_ = device_.OffsetX();
  topOffset_ = device_.OffsetY();
  physicalWidth_ = device_.PhysicalWidth();
  physicalHeight_ = device_.PhysicalHeight();
  pageWidth_ = PixelsToInches(physicalWidth_, pixelsPerInchX_);
  pageHeight_ = PixelsToInches(physicalHeight_, pixelsPerInchY_);
  rightStrip_ = physicalWidth_ - leftOffset_ - device_.PrintableWidth();
  bottomStrip_ = physicalHeight_ - topOffset_ - device_.PrintableHeight();
  RaiseMarginsToStrips();
}

void TPrintObject::RaiseMarginsToStrips() {
  topMargin_ = std::max(topMargin_, topOffset_);
  bottomMargin_ = std::max(bottomMargin_, bottomStrip_);
  leftMargin_ = std::max(leftMargin_, leftOffset_);
  rightMargin_ = std::max(rightMargin_, rightStrip_);
}

void TPrintObject::SetMargins(float top, float bottom, float left, float right) {
  const float leftStrip = PixelsToInches(leftOffset_, pixelsPerInchX_);
  const float rightStrip = PixelsToInches(rightStrip_, pixelsPerInchX_);
  const float topStrip = PixelsToInches(topOffset_, pixelsPerInchY_);
  const float bottomStrip = PixelsToInches(bottomStrip_, pixelsPerInchY_);
  if (left + right >= pageWidth_) {
    left = leftStrip;
    right = rightStrip;
  }
  if (left <= 0) left = leftStrip;
  if (right <= 0) right = rightStrip;
  if (top + bottom >= pageHeight_) {
    top = topStrip;
    bottom = bottomStrip;
  }
  if (top <= 0) top = topStrip;
  if (bottom <= 0) bottom = bottomStrip;
  topMargin_ = std::max(InchesToPixels(top, pixelsPerInchY_), topOffset_);
  bottomMargin_ = std::max(InchesToPixels(bottom, pixelsPerInchY_), bottomStrip_);
  leftMargin_ = std::max(InchesToPixels(left, pixelsPerInchX_), leftOffset_);
  rightMargin_ = std::max(InchesToPixels(right, pixelsPerInchX_), rightStrip_);
}

void TPrintObject::SetTextArea(float top, float bottom) {
  textAreaTop_ = top;
  textAreaBottom_ = bottom;
  currentLine_ = top - LineHeight();
}

void TPrintObject::SetFontInformation(const std::string& name, std::int16_t size, FontStyle style) {
  device_.SetFont(name, size, style);
  Measure();
}

void TPrintObject::SetTab(std::int16_t column, float position) {
  if (column < 0 || column > MaxColumn) return;
  tabs_[static_cast<std::size_t>(column)] = position;
}

void TPrintObject::WriteLine(const std::string& text, float x, float y) {
  std::int32_t px = x >= 0 ? InchesToPixels(x, pixelsPerInchX_) : leftMargin_;
  if (px < leftOffset_) px = leftOffset_;

  std::int32_t py;
  if (y > -0.01f) {
    py = InchesToPixels(y, pixelsPerInchY_);
    if (py < topOffset_) py = topOffset_;
    if (py > physicalHeight_) py = physicalHeight_ - bottomStrip_;
    currentLine_ = y;
  } else if (y <= -1.5f) {
    // SameLine, and any code below it.
    py = InchesToPixels(currentLine_, pixelsPerInchY_);
  } else {
    // NextLine, and any code between -0.01 and it.
    const float lineHeight = LineHeight();
    if (autoPageBreak_ && currentLine_ + lineHeight > textAreaBottom_) NewPage();
    const float next = currentLine_ + lineHeight;
    py = InchesToPixels(next, pixelsPerInchY_);
    currentLine_ = next;
  }

  device_.DrawText(px - leftOffset_, py - topOffset_,
                   text.size() > MaxText ? text.substr(0, MaxText) : text);
}

void TPrintObject::WriteLineColumn(std::int16_t column, const std::string& text, float y) {
  const float position =
      column >= 0 && column <= MaxColumn ? tabs_[static_cast<std::size_t>(column)] : -1.0f;
  WriteLine(text, position, y);
}

void TPrintObject::NewPage() {
  currentLine_ = textAreaTop_ - LineHeight();
  device_.NewPage();
}

void TPrintObject::Quit() { device_.EndDocument(); }

}  // namespace qm
