// A print device for tests: a sheet and resolution the test chooses, fonts
// whose height grows with their size in a known way, and a record of every
// call, so that a test can check exactly what was drawn where.
//
//   qm::test::RecordingDevice device;          // Letter at 300 pixels per inch
//   qm::TPrintObject page(device);
//   page.Start(); ... page.Quit();
//   EXPECT_EQ(device.Texts[0].Y, 300);
#pragma once

#include <string>
#include <vector>

#include "print/printdevice.h"

namespace qm::test {

class RecordingDevice : public PrintDevice {
 public:
  struct Text {
    int Page;  // 1 for the first page
    int X, Y;  // as given: pixels from the printable area's top-left corner
    std::string Value;
    std::string Font;
    int Points;
    FontStyle Style;
  };

  // The sheet and its strips; change them before Start.
  int DpiX = 300, DpiY = 300;
  int Width = 2550, Height = 3300;  // 8.5 x 11 inches at 300
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  // A font's height in pixels is HeightPerPoint x its size (external
  // leading Leading): 12 points give 48 + 2 = 50 pixels, 1/6 inch at 300.
  int HeightPerPoint = 4;
  int Leading = 2;
  // The call that fails with a QmError ("" for none): "Begin", "NewPage",
  // "End".
  std::string FailAt;

  std::vector<Text> Texts;
  std::vector<std::string> Calls;  // "Begin", "NewPage", "End", "Abort", "Font ...", "Paint"
  int Page = 0;                    // the current page; 0 before Begin
  bool Open = false;               // between Begin and End/Abort

  // The values drawn on page p, in order.
  std::vector<std::string> PageValues(int p) const;

  void BeginDocument() override;
  void NewPage() override;
  void EndDocument() override;
  void Abort() noexcept override;
  int PixelsPerInchX() const override { return DpiX; }
  int PixelsPerInchY() const override { return DpiY; }
  int PhysicalWidth() const override { return Width; }
  int PhysicalHeight() const override { return Height; }
  int PrintableWidth() const override { return Width - Left - Right; }
  int PrintableHeight() const override { return Height - Top - Bottom; }
  int OffsetX() const override { return Left; }
  int OffsetY() const override { return Top; }
  void SetFont(const std::string& name, int points, FontStyle style) override;
  int FontHeight() const override { return HeightPerPoint * points_; }
  int FontExternalLeading() const override { return Leading; }
  void DrawText(int x, int y, const std::string& text) override;
  void Paint(const PaintWork& work) override;

 private:
  std::string font_ = "System";
  int points_ = 10;
  FontStyle style_{};
};

}  // namespace qm::test
