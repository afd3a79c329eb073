#include "print/printorfile.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <utility>

#include "print/printobject.h"
#include "print/qtprintdevice.h"
#include "store/errors.h"
#include "store/fileio.h"
#include "ui/prompts.h"
#include "ui/textconv.h"

namespace qm {

namespace {

class PageSink : public ReportSink {
 public:
  PageSink(TPrintObject& page, float firstLineY) : page_(page), firstLineY_(firstLineY) {}
  void AddLine(const std::string& line) override {
    page_.WriteLine(line, -1, first_ ? firstLineY_ : TPrintObject::NextLine);
    first_ = false;
  }

 private:
  TPrintObject& page_;
  float firstLineY_;
  bool first_ = true;
};

class FileSink : public ReportSink {
 public:
  void AddLine(const std::string& line) override { lines.push_back(line + "\r\n"); }
  std::vector<std::string> lines;
};

}  // namespace

ReportLines LinesOf(std::vector<std::string> lines) {
  return [lines = std::move(lines)](ReportSink& out) {
    for (const std::string& line : lines) out.AddLine(line);
  };
}

void PrintLines(PrintDevice& device, const PrintLayout& layout, const ReportLines& lines) {
  TPrintObject page(device);
  try {
    page.Start();
    page.SetMargins(layout.TopMargin, layout.BottomMargin, layout.LeftMargin, layout.RightMargin);
    page.SetTextArea(layout.TextAreaTop, layout.TextAreaBottom);
    page.SetFontInformation(layout.FontName, static_cast<std::int16_t>(layout.FontSize),
                            layout.Style);
    PageSink sink(page, layout.FirstLineY);
    if (lines) lines(sink);
    page.Quit();
  } catch (...) {
    device.Abort();
    throw;
  }
}

void WriteLinesToFile(const std::string& fileName, const ReportLines& lines) {
  if (!fileio::IsBareFileName(fileName)) ThrowFileFault(FileFault::InvalidName);
  FileSink sink;
  if (lines) lines(sink);
  fileio::ReplaceFile(fileName, sink.lines);
}

bool SelectLetterPrinter(QPrinter& printer, const std::string& fileName) {
  PrepareLetterPrinter(printer);
  // Without a printer the dialog offers only a PDF file, and would offer
  // the home folder itself as its name.
  if (QPrinterInfo::availablePrinters().isEmpty() && fileio::IsBareFileName(fileName))
    printer.setOutputFileName(QDir::current().absoluteFilePath(FromBytes(fileName + ".pdf")));
  return CurrentPrompts().SelectPrinter(printer);
}

bool PrintOnPrinter(const std::string& fileName, const std::function<void(QtPrintDevice&)>& draw) {
  QPrinter printer(QPrinter::HighResolution);
  if (!SelectLetterPrinter(printer, fileName)) return false;
  {
    QtPrintDevice device(printer);
    try {
      draw(device);
      device.EndDocument();
    } catch (...) {
      device.Abort();
      throw;
    }
  }
  CurrentPrompts().Message(QStringLiteral("Printing completed."));
  return true;
}

OutputResult PrintOrWrite(const PrinterOrFileJob& job) {
  Prompts& prompts = CurrentPrompts();
  const int choice =
      prompts.TwoChoice(job.Caption, job.Question, job.PrinterButton, job.FileButton);
  if (choice == 1) {
    const bool printed = PrintOnPrinter(
        job.FileName, [&job](QtPrintDevice& device) { PrintLines(device, job.Layout, job.Lines); });
    return printed ? OutputResult::Printed : OutputResult::Cancelled;
  }
  if (choice == 2) {
    WriteLinesToFile(job.FileName, job.Lines);
    prompts.Message(job.CreatedMessage);
    return OutputResult::Written;
  }
  return OutputResult::Cancelled;
}

}  // namespace qm
