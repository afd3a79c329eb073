// "Printer or file": the one flow through which the text reports (the course
// handicap sheet, the handicap list, the personal golf history) go out.
//
// A report is a function that hands its lines, as single-byte text, to a
// ReportSink; it may throw (a score file that cannot be read) at any line.
// The flow asks "printer or file" with the two-choice dialog and sends the
// same lines either way:
//
//   PrinterOrFileJob job;
//   job.Question = "Output handicap list to the printer or to a file?";
//   job.FileName = shortName + ".qmh";
//   job.CreatedMessage = "Handicap file \"" + job.FileName + "\" created.";
//   job.Lines = [&](ReportSink& out) { for (auto& line : lines) out.AddLine(line); };
//   PrintOrWrite(job);   // from a guarded handler: it throws QmError
//
// Printer: PrintWithPreview (below) with FileName, the job's lines through a
// TPrintObject with the job's layout (Start, margins, text area, font, the
// first line at the left margin at FirstLineY, every other one on the next
// line, Quit) and "Printing completed.".
// File: FileName in the working directory, every line ended by CR LF,
// written through a temporary file and a rename, then CreatedMessage.
//
// A failure anywhere (the printer, the output file, the report's own lines)
// ends the job: the print job is aborted, an earlier output file keeps its
// bytes, no success message is shown, and the error propagates for the
// handler's guard to report. A FileName that is not a bare name of the
// working directory throws "Invalid filename" before anything is written.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "engine/index.h"
#include "print/printdevice.h"

class QPrinter;

namespace qm {

class QtPrintDevice;

// Where the lines go on the sheet; every text report uses these values and
// differs only in its font size.
struct PrintLayout {
  float TopMargin = 0.5f, BottomMargin = 0.5f, LeftMargin = 0.5f, RightMargin = 0.5f;
  float TextAreaTop = 1.0f, TextAreaBottom = 10.0f;
  std::string FontName = "Courier";
  int FontSize = 12;
  FontStyle Style{};
  float FirstLineY = 1.0f;
};

using ReportLines = std::function<void(ReportSink&)>;

// A ReportLines that hands over the given lines.
ReportLines LinesOf(std::vector<std::string> lines);

struct PrinterOrFileJob {
  QString Caption = QStringLiteral("Printer or File");
  QString Question;
  QString PrinterButton = QStringLiteral("Printer");
  QString FileButton = QStringLiteral("File");
  std::string FileName;    // single-byte, in the working directory
  QString CreatedMessage;  // shown after the file is written
  PrintLayout Layout;
  ReportLines Lines;
};

enum class OutputResult { Cancelled, Printed, Written };

// The whole flow, as described above. Cancelled when the user cancelled the
// two-choice dialog, the printer selection or the preview; then nothing was
// written.
OutputResult PrintOrWrite(const PrinterOrFileJob& job);

// A whole document drawn on device, BeginDocument through EndDocument (on
// a failure: device.Abort, and the error propagates), as PrintLines and
// PrintHandicapCards do. It may read files; it is called once per job.
using DocumentDrawing = std::function<void(PrintDevice&)>;

// The printer path every printed report takes:
//   1. the printer selection (SelectLetterPrinter with fileName; Cancel ends
//      quietly),
//   2. the document laid out once, on a record measured by the chosen
//      printer (print/recordedpages.h): drawing runs here and only here, so a
//      file changed afterwards changes nothing; its error propagates before
//      anything is shown or printed,
//   3. the print preview of those pages (CurrentPrompts().PrintPreview;
//      Cancel ends quietly: nothing printed, nothing shown),
//   4. the same pages on the printer, then doneMessage.
// True when the pages were printed. A failing printer ends its job (an
// output PDF it began is removed), shows no doneMessage and propagates.
//
//   PrintWithPreview("hdcpcards", [&](PrintDevice& d) { PrintHandicapCards(d, job); },
//                    QStringLiteral("Handicap cards have been sent to the printer."));
//
// A drawing that paints a chart beside its lines hands the painting to
// PrintDevice::Paint; the work is kept and run again for each drawing of
// the pages, so it must own (or outlive the call with) what it paints.
bool PrintWithPreview(const std::string& fileName, const DocumentDrawing& drawing,
                      const QString& doneMessage);

// Letter paper on printer, then the printer selection dialog; without any
// printer the dialog offers the PDF file fileName + ".pdf" in the working
// directory. True when the user confirmed.
bool SelectLetterPrinter(QPrinter& printer, const std::string& fileName);

// The printer form on an already chosen device: Start through Quit. On a
// failure the device's job is aborted and the error propagates.
void PrintLines(PrintDevice& device, const PrintLayout& layout, const ReportLines& lines);

// The file form: collects the lines, then replaces fileName with them, each
// ended by CR LF. On a failure the file keeps its earlier bytes.
void WriteLinesToFile(const std::string& fileName, const ReportLines& lines);

}  // namespace qm
