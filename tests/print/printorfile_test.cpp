#include "print/printorfile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "store/errors.h"
#include "support/gui_app.h"
#include "support/qt_prompts.h"
#include "support/recording_device.h"
#include "support/workdir.h"

namespace qm {
namespace {

using test::ReadFile;
using test::RecordingDevice;

const std::vector<std::string> kLines = {"FIRST LINE", "", "third  line", "last"};

PrinterOrFileJob Job(ReportLines lines = LinesOf(kLines)) {
  PrinterOrFileJob job;
  job.Question = QStringLiteral("Output scores to the printer or to a file?");
  job.FileName = "PLAYER1.qmr";
  job.CreatedMessage = QStringLiteral("Score file \"PLAYER1.qmr\" created.");
  job.Lines = std::move(lines);
  return job;
}

// Lines that fail after the second one, as a report does when a score file
// cannot be read.
ReportLines FailingAfterTwo() {
  return [](ReportSink& out) {
    out.AddLine("one");
    out.AddLine("two");
    throw QmError("File access denied");
  };
}

TEST(PrintOrFile, PrinterFormLaysTheLinesOutFromOneInchDown) {
  RecordingDevice device;  // 300 pixels per inch; Courier 12 is 50 pixels
  device.Left = 30;
  PrintLayout layout;
  layout.FontSize = 10;
  PrintLines(device, layout, LinesOf(kLines));
  EXPECT_EQ(device.Calls, (std::vector<std::string>{"Begin", "Font Courier 10", "End"}));
  ASSERT_EQ(device.Texts.size(), 4u);
  const int y[] = {300, 342, 384, 426};  // 40 + 2 pixels a line
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(device.Texts[i].Value, kLines[i]);
    EXPECT_EQ(device.Texts[i].X, 150 - 30);
    EXPECT_NEAR(device.Texts[i].Y, y[i], 1);
  }
}

TEST(PrintOrFile, AFailureEndsThePrintJob) {
  RecordingDevice failing;
  EXPECT_THROW(PrintLines(failing, {}, FailingAfterTwo()), QmError);
  EXPECT_EQ(failing.Calls.back(), "Abort");
  EXPECT_FALSE(failing.Open);

  RecordingDevice refused;
  refused.FailAt = "Begin";
  EXPECT_THROW(PrintLines(refused, {}, LinesOf(kLines)), QmError);
  EXPECT_TRUE(refused.Texts.empty());
}

TEST(PrintOrFile, FileFormWritesCrLfLinesAndSaysSo) {
  auto& prompts = test::InstallScriptedPrompts();
  prompts.Choices = {2};
  EXPECT_EQ(PrintOrWrite(Job()), OutputResult::Written);
  EXPECT_EQ(ReadFile("PLAYER1.qmr"), "FIRST LINE\r\n\r\nthird  line\r\nlast\r\n");
  ASSERT_EQ(prompts.Shown.size(), 2u);
  EXPECT_EQ(prompts.Shown[0].Caption, "Printer or File");
  EXPECT_EQ(prompts.Shown[0].Text, "Output scores to the printer or to a file?");
  EXPECT_EQ(prompts.Shown[1].Text, "Score file \"PLAYER1.qmr\" created.");
}

TEST(PrintOrFile, AFailedReportLeavesTheEarlierFileAndClaimsNothing) {
  auto& prompts = test::InstallScriptedPrompts();
  test::WriteFile("PLAYER1.qmr", "earlier\r\n");
  prompts.Choices = {2};
  EXPECT_THROW(PrintOrWrite(Job(FailingAfterTwo())), QmError);
  EXPECT_EQ(ReadFile("PLAYER1.qmr"), "earlier\r\n");
  EXPECT_FALSE(std::filesystem::exists("PLAYER1.qmr.tmp~"));
  EXPECT_EQ(prompts.Texts(), QStringList{"Output scores to the printer or to a file?"});
}

TEST(PrintOrFile, ANameOutsideTheDataFolderIsRefused) {
  auto& prompts = test::InstallScriptedPrompts();
  for (const char* name : {"../PLAYER1.qmr", "a/b.qmr", "C:x.qmr"}) {
    prompts.Choices = {2};
    PrinterOrFileJob job = Job();
    job.FileName = name;
    try {
      PrintOrWrite(job);
      ADD_FAILURE() << name << " was written";
    } catch (const QmError& error) {
      EXPECT_STREQ(error.what(), "Invalid filename") << name;
    }
  }
  EXPECT_FALSE(std::filesystem::exists("../PLAYER1.qmr"));
}

TEST(PrintOrFile, CancelWritesNothing) {
  test::EnsureApplication();
  auto& prompts = test::InstallScriptedPrompts();
  prompts.Choices = {-1, 1};
  prompts.PrinterChoices = {false};
  bool asked = false;
  const ReportLines lines = [&](ReportSink&) { asked = true; };
  EXPECT_EQ(PrintOrWrite(Job(lines)), OutputResult::Cancelled);  // two-choice Cancel
  EXPECT_EQ(PrintOrWrite(Job(lines)), OutputResult::Cancelled);  // printer selection Cancel
  EXPECT_FALSE(asked);
  EXPECT_TRUE(std::filesystem::is_empty("."));
  ASSERT_EQ(prompts.Shown.size(), 3u);
  EXPECT_EQ(prompts.Shown[2].Kind, test::BoxKind::SelectPrinter);
}

TEST(PrintOrFile, APdfThatCannotBeWrittenIsNoCompletedPrint) {
  test::EnsureApplication();
  auto& prompts = test::InstallScriptedPrompts();
  prompts.Choices = {1};
  prompts.PrinterChoices = {true};
  prompts.SetUpPrinter = test::PrintToPdf(QStringLiteral("missing/folder/lines.pdf"));
  EXPECT_THROW(PrintOrWrite(Job()), QmError);
  EXPECT_FALSE(prompts.Texts().contains(QStringLiteral("Printing completed.")));
}

}  // namespace
}  // namespace qm
