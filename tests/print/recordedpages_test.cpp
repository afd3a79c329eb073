#include "print/recordedpages.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include "print/printobject.h"
#include "print/qtprintdevice.h"
#include "support/gui_app.h"
#include "support/recording_device.h"

namespace qm {
namespace {

// Two fonts, a picture and three pages (54 lines of 1/6 inch a page).
void Document(PrintDevice& device) {
  TPrintObject page(device);
  page.Start();
  page.SetTextArea(1.0f, 10.0f);
  page.SetFontInformation("Courier", 12, {});
  page.WriteLine("HEADING", -1, 1.0f);
  device.Paint([](QPainter&) {});
  page.SetFontInformation("Courier", 10, {true});
  for (int n = 1; n <= 130; ++n) page.WriteLine("line " + std::to_string(n), 2.0f, -1.0f);
  page.Quit();
}

std::vector<std::string> Drawn(const test::RecordingDevice& device) {
  std::vector<std::string> drawn = device.Calls;
  for (const auto& t : device.Texts)
    drawn.push_back(std::to_string(t.Page) + " " + std::to_string(t.X) + "," + std::to_string(t.Y) +
                    " " + t.Font + std::to_string(t.Points) + " " + t.Value);
  return drawn;
}

TEST(RecordedPages, ReplayMakesTheCallsOfADirectDrawing) {
  test::RecordingDevice direct, measure, replayed;
  for (auto* device : {&direct, &measure, &replayed}) device->Left = 45;
  Document(direct);
  RecordedPages pages(measure);
  Document(pages);
  EXPECT_EQ(pages.PageCount(), 3);
  EXPECT_TRUE(measure.Texts.empty());
  pages.Replay(replayed);
  EXPECT_EQ(Drawn(replayed), Drawn(direct));
}

// The record is measured by a printer whose job has not begun; the pages
// come out as laid out only if a begun job measures the same.
TEST(RecordedPages, APrinterMeasuresTheSameBeforeItsJobBegins) {
  test::EnsureApplication();
  QPrinter printer(QPrinter::HighResolution);
  PrepareLetterPrinter(printer);
  printer.setOutputFileName(QStringLiteral("measured.pdf"));
  QtPrintDevice device(printer);
  auto measures = [&device] {
    std::vector<int> values = {device.PixelsPerInchY(), device.PhysicalHeight(), device.OffsetX()};
    for (int size : {8, 12}) {
      device.SetFont("Courier", size, {});
      values.insert(values.end(), {device.FontHeight(), device.FontExternalLeading()});
    }
    return values;
  };
  const std::vector<int> before = measures();
  device.BeginDocument();
  EXPECT_EQ(measures(), before);
  device.EndDocument();
}

}  // namespace
}  // namespace qm
