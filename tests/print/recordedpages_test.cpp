#include "print/recordedpages.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include "print/printobject.h"
#include "print/printorfile.h"
#include "print/qtprintdevice.h"
#include "store/errors.h"
#include "support/gui_app.h"
#include "support/recording_device.h"

namespace qm {
namespace {

using test::RecordingDevice;

// Two fonts, a picture and lines enough for three pages: 9 inches of the
// text area hold 54 lines of 1/6 inch.
void Document(PrintDevice& device) {
  TPrintObject page(device);
  page.Start();
  page.SetMargins(0.5f, 0.5f, 0.5f, 0.5f);
  page.SetTextArea(1.0f, 10.0f);
  page.SetFontInformation("Courier", 12, {});
  page.WriteLine("HEADING", -1, 1.0f);
  device.Paint([](QPainter&) {});
  page.SetFontInformation("Courier", 10, {true});
  for (int n = 1; n <= 130; ++n) page.WriteLine("line " + std::to_string(n), 2.0f, -1.0f);
  page.Quit();
}

TEST(RecordedPages, ReplayMakesTheCallsOfADirectDrawing) {
  RecordingDevice direct;
  direct.Left = 45;
  direct.Top = 30;
  Document(direct);

  RecordingDevice measure = direct;  // the same sheet and fonts, nothing drawn
  measure.Calls.clear();
  measure.Texts.clear();
  RecordedPages pages(measure);
  Document(pages);
  EXPECT_TRUE(pages.Complete());
  EXPECT_EQ(pages.PageCount(), direct.Page);
  EXPECT_GT(direct.Page, 2);

  RecordingDevice replayed;
  replayed.Left = 45;
  replayed.Top = 30;
  pages.Replay(replayed);
  pages.Replay(replayed);  // as often as asked, the same each time
  std::vector<std::string> twice = direct.Calls;
  twice.insert(twice.end(), direct.Calls.begin(), direct.Calls.end());
  EXPECT_EQ(replayed.Calls, twice);
  ASSERT_EQ(replayed.Texts.size(), 2 * direct.Texts.size());
  for (std::size_t i = 0; i < direct.Texts.size(); ++i) {
    const auto& want = direct.Texts[i];
    const auto& got = replayed.Texts[i];
    EXPECT_EQ(
        std::tie(got.Page, got.X, got.Y, got.Value, got.Font, got.Points, got.Style.Bold),
        std::tie(want.Page, want.X, want.Y, want.Value, want.Font, want.Points, want.Style.Bold))
        << i;
  }
}

TEST(RecordedPages, AFailingPrinterEndsItsJob) {
  RecordingDevice measure;
  RecordedPages pages(measure);
  Document(pages);
  RecordingDevice printer;
  printer.FailAt = "NewPage";
  EXPECT_THROW(pages.Replay(printer), QmError);
  EXPECT_EQ(printer.Calls.back(), "Abort");
  EXPECT_FALSE(printer.Open);
}

TEST(RecordedPages, AFailedReportIsNoCompleteRecord) {
  RecordingDevice measure;
  RecordedPages pages(measure);
  EXPECT_THROW(PrintLines(pages, {},
                          [](ReportSink& out) {
                            out.AddLine("one");
                            throw QmError("File access denied");
                          }),
               QmError);
  EXPECT_FALSE(pages.Complete());
  EXPECT_FALSE(measure.Open);  // the measuring device never begins a job
}

// The record is measured by a printer whose job has not begun; the print
// then measures nothing, so the two must agree for the pages to come out
// as laid out.
TEST(RecordedPages, APrinterMeasuresTheSameBeforeItsJobBegins) {
  test::EnsureApplication();
  QPrinter printer(QPrinter::HighResolution);
  PrepareLetterPrinter(printer);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QStringLiteral("measured.pdf"));
  QtPrintDevice device(printer);
  auto measures = [&device] {
    std::vector<int> values = {device.PixelsPerInchX(), device.PixelsPerInchY(),
                               device.PhysicalWidth(),  device.PhysicalHeight(),
                               device.OffsetX(),        device.OffsetY()};
    for (int size : {8, 10, 12}) {
      device.SetFont("Courier", size, {});
      values.push_back(device.FontHeight());
      values.push_back(device.FontExternalLeading());
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
