#include "print/printobject.h"

#include <gtest/gtest.h>

#include "support/recording_device.h"

namespace qm {
namespace {

using test::RecordingDevice;

struct Pixels {
  float Inches;
  int PerInch;
  int Expected;
};

TEST(PrintObject, InchesBecomePixelsBySinglePrecisionTruncation) {
  const Pixels cases[] = {
      {1.0f, 300, 300},  {0.999f, 300, 299},   {4.6f, 300, 1380},  // 1379 if formed in double
      {0.5f, 1200, 600}, {-0.999f, 300, -299}, {1e12f, 300, 2147483647},
  };
  for (const Pixels& c : cases)
    EXPECT_EQ(TPrintObject::InchesToPixels(c.Inches, c.PerInch), c.Expected)
        << c.Inches << " in at " << c.PerInch;

  // The same rule places a line on the sheet.
  RecordingDevice device;
  TPrintObject page(device);
  page.Start();
  page.WriteLine(std::string(300, 'x'), 4.6f, 0.999f);
  ASSERT_EQ(device.Texts.size(), 1u);
  EXPECT_EQ(device.Texts[0].X, 1380);
  EXPECT_EQ(device.Texts[0].Y, 299);
  EXPECT_EQ(device.Texts[0].Value, std::string(255, 'x'));  // a longer text is cut
}

// A line height of exactly a quarter inch (6 x 12 + 3 pixels at 300), so
// the lines land on the text area bottom without rounding.
RecordingDevice QuarterInchLines() {
  RecordingDevice device;
  device.HeightPerPoint = 6;
  device.Leading = 3;
  return device;
}

TEST(PrintObject, NextLineBreaksThePageOnlyBelowTheTextAreaBottom) {
  RecordingDevice device = QuarterInchLines();
  TPrintObject page(device);
  page.Start();
  page.SetMargins(0.5f, 0.5f, 0.5f, 0.5f);
  page.SetFontInformation("Courier", 12, {});
  page.SetTextArea(1.0f, 2.0f);
  for (const char* line : {"1", "2", "3", "4", "5", "6", "7"})
    page.WriteLine(line, -1, TPrintObject::NextLine);
  // Line 5 begins exactly at the bottom (2.0 in) and stays; line 6 opens
  // page 2 at the text area top.
  EXPECT_EQ(device.PageValues(1), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(device.PageValues(2), (std::vector<std::string>{"6", "7"}));
  EXPECT_EQ(device.Texts[4].Y, 600);
  EXPECT_EQ(device.Texts[5].Y, 300);
  EXPECT_EQ(device.Texts[6].Y, 375);

  // An absolute write below the bottom never breaks the page; the next line
  // after it does.
  page.WriteLine("low", -1, 5.0f);
  page.WriteLine("after", -1, TPrintObject::NextLine);
  EXPECT_EQ(device.Texts[7].Page, 2);
  EXPECT_EQ(device.Texts[7].Y, 1500);
  EXPECT_EQ(device.Texts[8].Page, 3);
  EXPECT_EQ(device.Texts[8].Y, 300);
  page.Quit();
  EXPECT_EQ(device.Calls.back(), "End");
}

TEST(PrintObject, SameLineDrawsOnTheLastLineAndLeavesItThere) {
  RecordingDevice device = QuarterInchLines();
  TPrintObject page(device);
  page.Start();
  page.SetFontInformation("Courier", 12, {});
  page.SetTextArea(1.0f, 10.0f);
  page.WriteLine("first", 0.5f, TPrintObject::NextLine);
  page.WriteLine("beside", 3.0f, TPrintObject::SameLine);
  page.WriteLine("second", 0.5f, TPrintObject::NextLine);
  EXPECT_EQ(device.Texts[0].Y, 300);
  EXPECT_EQ(device.Texts[1].Y, 300);
  EXPECT_EQ(device.Texts[1].X, 900);
  EXPECT_EQ(device.Texts[2].Y, 375);
  EXPECT_FLOAT_EQ(page.CurrentLine(), 1.25f);
}

TEST(PrintObject, PositionsKeepOutOfTheUnprintableStrips) {
  RecordingDevice device;
  device.Left = 90;  // 0.3 in
  device.Top = 60;
  device.Bottom = 75;
  TPrintObject page(device);
  page.Start();
  page.SetMargins(0.5f, 0.5f, 0.2f, 0.5f);
  page.SetTab(1, -1);
  page.SetTab(2, 4.6f);
  page.WriteLine("margin", -1, 1.0f);     // the left margin, raised to the strip
  page.WriteLine("edge", 0.1f, 0.1f);     // inside the strips: moved to their edge
  page.WriteLine("inch", 1.0f, 20.0f);    // below the sheet: onto its last printable row
  page.WriteLineColumn(1, "tab1", 2.0f);  // a negative tab is the left margin
  page.WriteLineColumn(2, "tab2", 2.0f);
  // Drawn positions are from the printable area's corner.
  const int expected[][2] = {{0, 240}, {0, 0}, {210, 3300 - 75 - 60}, {0, 540}, {1290, 540}};
  ASSERT_EQ(device.Texts.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(device.Texts[i].X, expected[i][0]) << device.Texts[i].Value;
    EXPECT_EQ(device.Texts[i].Y, expected[i][1]) << device.Texts[i].Value;
  }
}

struct Margins {
  float Top, Bottom, Left, Right;
  int ExpectTop, ExpectBottom, ExpectLeft, ExpectRight;
};

TEST(PrintObject, MarginsFallBackToTheStrips) {
  // Strips: top 0.2 in, bottom 0.25, left 0.1, right 0.15 (at 300).
  const Margins cases[] = {
      {0.5f, 0.5f, 0.5f, 0.5f, 150, 150, 150, 150},
      {0.5f, 0.5f, 5.0f, 3.5f, 150, 150, 30, 45},   // left + right = the sheet's width
      {0.5f, 0.5f, 0.0f, 1.0f, 150, 150, 30, 300},  // left not greater than 0
      {0.5f, 0.5f, 1.0f, -1.0f, 150, 150, 300, 45},
      {6.0f, 5.0f, 0.5f, 0.5f, 60, 75, 150, 150},  // top + bottom = the sheet's height
      {0.0f, -2.0f, 0.5f, 0.5f, 60, 75, 150, 150},
      {0.1f, 0.1f, 0.05f, 0.1f, 60, 75, 30, 45},  // inside the strips: raised to them
  };
  for (const Margins& c : cases) {
    RecordingDevice device;
    device.Left = 30;
    device.Right = 45;
    device.Top = 60;
    device.Bottom = 75;
    TPrintObject page(device);
    page.Start();
    EXPECT_EQ(page.LeftMargin(), 30);  // Start sets the strips
    page.SetMargins(c.Top, c.Bottom, c.Left, c.Right);
    EXPECT_EQ(page.TopMargin(), c.ExpectTop) << c.Top << " " << c.Bottom;
    EXPECT_EQ(page.BottomMargin(), c.ExpectBottom) << c.Top << " " << c.Bottom;
    EXPECT_EQ(page.LeftMargin(), c.ExpectLeft) << c.Left << " " << c.Right;
    EXPECT_EQ(page.RightMargin(), c.ExpectRight) << c.Left << " " << c.Right;
  }
}

TEST(PrintObject, ALargerFontAdvancesFurther) {
  RecordingDevice device;  // 4 pixels per point, leading 2
  TPrintObject page(device);
  page.Start();
  page.SetFontInformation("Courier", 12, {});
  page.SetTextArea(1.0f, 10.0f);
  page.WriteLine("a", -1, TPrintObject::NextLine);
  page.WriteLine("b", -1, TPrintObject::NextLine);
  page.SetFontInformation("Courier", 24, {true, false, false, false});
  page.WriteLine("c", -1, TPrintObject::NextLine);
  page.WriteLine("d", -1, TPrintObject::NextLine);
  ASSERT_EQ(device.Texts.size(), 4u);
  // Sixths of an inch do not add up exactly in single precision.
  EXPECT_NEAR(device.Texts[1].Y - device.Texts[0].Y, 50, 1);
  EXPECT_NEAR(device.Texts[3].Y - device.Texts[2].Y, 98, 1);
  EXPECT_EQ(device.Texts[3].Points, 24);
  EXPECT_TRUE(device.Texts[3].Style.Bold);
}

}  // namespace
}  // namespace qm
