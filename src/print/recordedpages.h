// A document laid out once and drawn as often as needed: the preview and the
// print of a report show the same pages, and the report reads its files only
// while it is being recorded.
//
//   QtPrintDevice measure(printer);      // the chosen printer, not begun
//   RecordedPages pages(measure);
//   PrintHandicapCards(pages, job);      // any drawing, Start through Quit
//   QtPrintDevice device(printer);
//   pages.Replay(device);                // the same calls, in the same order
//
// The record answers every measurement (resolution, sheet, font height) as
// the measuring device does, so a report lays its pages out exactly as it
// would on that device, and Replay hands the target the calls the report
// made. It keeps nothing but the calls: a file the report read is not read
// again by Replay.
#pragma once

#include <string>
#include <vector>

#include "print/printdevice.h"

namespace qm {

class RecordedPages : public PrintDevice {
 public:
  // measure outlives the record; only its measurements and SetFont are used.
  explicit RecordedPages(PrintDevice& measure) : measure_(measure) {}

  // The pages of a finished document: 0 before BeginDocument, then one more
  // for each NewPage.
  int PageCount() const { return pages_; }

  // Makes on device every call recorded, in order. A failure of device
  // aborts its job (device.Abort) and propagates.
  void Replay(PrintDevice& device) const;

  void BeginDocument() override;
  void NewPage() override;
  void EndDocument() override;
  // Nothing to end: a drawing that failed throws, and its record is dropped.
  void Abort() noexcept override {}

  int PixelsPerInchX() const override { return measure_.PixelsPerInchX(); }
  int PixelsPerInchY() const override { return measure_.PixelsPerInchY(); }
  int PhysicalWidth() const override { return measure_.PhysicalWidth(); }
  int PhysicalHeight() const override { return measure_.PhysicalHeight(); }
  int PrintableWidth() const override { return measure_.PrintableWidth(); }
  int PrintableHeight() const override { return measure_.PrintableHeight(); }
  int OffsetX() const override { return measure_.OffsetX(); }
  int OffsetY() const override { return measure_.OffsetY(); }

  void SetFont(const std::string& name, int points, FontStyle style) override;
  int FontHeight() const override { return measure_.FontHeight(); }
  int FontExternalLeading() const override { return measure_.FontExternalLeading(); }

  void DrawText(int x, int y, const std::string& text) override;
  // work is kept (with whatever it holds) until the record is destroyed.
  void Paint(const PaintWork& work) override;

 private:
  enum class Kind { Begin, NewPage, End, Font, Text, Paint };
  struct Call {
    Kind What;
    int X = 0, Y = 0;   // Text: the position; Font: Y is the size in points
    std::string Value;  // Text: the text; Font: the name
    FontStyle Style{};
    PaintWork Work;
  };

  void Add(Kind what, int x = 0, int y = 0, std::string value = {}, FontStyle style = {},
           PaintWork work = {});

  PrintDevice& measure_;
  std::vector<Call> calls_;
  int pages_ = 0;
};

}  // namespace qm
