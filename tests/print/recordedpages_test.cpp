#include "print/recordedpages.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include "print/qtprintdevice.h"
#include "support/gui_app.h"

namespace qm {
namespace {

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
