#include "print/history.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "print/printorfile.h"
#include "support/gui_app.h"
#include "support/pdf_text.h"
#include "support/qt_prompts.h"
#include "support/report_files.h"
#include "support/workdir.h"

namespace qm {
namespace {

using test::Collected;
using test::Score;

const TRosterEntry kPat{"Pat Golfer", "PLAYER1", 0};

// Seven scores, newest first: one without a gross score, one whose date key
// has four digits, one with a slope of 0. Five are complete, so the best differential (9.8, the
// fourth) makes the index 9.8 x 0.96 = 9.4.
TScoreTable SevenScores() {
  TScoreTable table;
  table.Entries = {
      Score("20240610", "Pine Ridge", "90", "71.4", "130", "88"),  // 16.6*113/130 = 14.4
      Score("20240601", "Championship Course At Lakes", "85", "70.0", "120", "0"),  // from 85: 14.1
      Score("20240520", "Oak Hills", "", "69.8", "118", ""),
      Score("20240510", "Bent Creek", "80", "70.2", "113", "80"),
      Score("1234", "Pine Ridge", "100", "72.0", "113", "95"),
      Score("20240401", "Pine Ridge", "92", "71.4", "130", "92"),  // 17.9
      Score("20240301", "Pine Ridge", "88", "71.4", "0", "87"),    // slope 0: 0.0
  };
  return table;
}

const std::vector<std::string> kSevenLines = {
    "QUILLMOR PERSONAL GOLF HISTORY FOR:  Pat Golfer",
    "",
    "7 scores on file for Pat Golfer.  (5 are valid)",
    "Calculated index using best 1 out of 5 differentials.",
    "Differential 1   =  9.8  05/10/2024  Bent Creek",
    "",
    "The current index for Pat Golfer is  9.4",
    "",
    "       DATE        COURSE               SCORE  AGS  RATING  SLOPE  DIFF",
    "   1 - 06/10/2024  Pine Ridge              90   88  71.4    130    14.4",
    "   2 - 06/01/2024  Championship Course A   85    0  70.0    120    14.1",
    "I  3 - 05/20/2024  Oak Hills                        69.8    118     0.0",
    "*  4 - 05/10/2024  Bent Creek              80   80  70.2    113     9.8",
    "   5 - 99/99/9999  Pine Ridge             100   95  72.0    113    23.0",
    "   6 - 04/01/2024  Pine Ridge              92   92  71.4    130    17.9",
    "I  7 - 03/01/2024  Pine Ridge              88   87  71.4    0     0.0",
    "",
    "* = score used in index calculation.",
};

TEST(GolferHistory, LinesMarkUsedAndIncompleteScores) {
  Collected out;
  GolferHistoryLines(kPat, SevenScores(), true, out);
  EXPECT_EQ(out.Lines, kSevenLines);
}

TEST(GolferHistory, NoScoresGetsTheNoticeAndNoFootnote) {
  Collected out;
  GolferHistoryLines({"Sue Smith", "SUE", 1}, TScoreTable{}, true, out);
  EXPECT_EQ(out.Lines,
            (std::vector<std::string>{
                "QUILLMOR PERSONAL GOLF HISTORY FOR:  Sue Smith",
                "",
                "0 scores on file for Sue Smith.  (0 are valid)",
                "A golfer needs 5 valid scores to receive an index.",
                "",
                "The current index for Sue Smith is 40.4",
                "",
                "       DATE        COURSE               SCORE  AGS  RATING  SLOPE  DIFF",
                "",
                "    NO SCORES ON FILE FOR THIS GOLFER",
            }));
}

TEST(GolferHistory, RowColumnsStayPutForLongNamesAndNumbers) {
  struct Case {
    int n;
    std::string course;
    std::string expected;
  };
  const Case cases[] = {
      {9, "Pine Ridge", "   9 - 06/10/2024  Pine Ridge              90   88  71.4    130    14.4"},
      {10, "Pine Ridge", "  10 - 06/10/2024  Pine Ridge              90   88  71.4    130    14.4"},
      {100, std::string("The Old Course at St Andrews"),
       " 100 - 06/10/2024  The Old Course at St    90   88  71.4    130    14.4"},
  };
  const std::string heading = kSevenLines[8];
  for (const Case& c : cases) {
    TScoreRec rec = Score("20240610", c.course, "90", "71.4", "130", "88");
    const std::string row = HistoryRow(c.n, rec, ' ');
    EXPECT_EQ(row, c.expected) << c.n;
    EXPECT_EQ(row.find(" - "), 4u);
    EXPECT_EQ(row.substr(42, 3), " 90");  // the score starts at column 43
    EXPECT_EQ(heading.substr(row.find("14.4"), 4), "DIFF");
  }
  // The fields are cut at NUL and kept so.
  TScoreRec rec = Score("20240610", "Pine Ridge", std::string("90\0x", 4), "71.4", "130", "88");
  HistoryRow(1, rec, '*');
  EXPECT_EQ(rec.ScoreTotal, "90");
}

TEST(GolferHistory, FileTwiceKeepsOnlyTheSecondRun) {
  auto& prompts = test::InstallScriptedPrompts();
  prompts.Choices = {2, 2};
  PrintGolferHistory(kPat, SevenScores(), true);
  PrintGolferHistory(kPat, TScoreTable{}, true);
  std::string expected;
  Collected out;
  GolferHistoryLines(kPat, TScoreTable{}, true, out);
  for (const std::string& line : out.Lines) expected += line + "\r\n";
  EXPECT_EQ(test::ReadFile("PLAYER1.qmr"), expected);
  EXPECT_EQ(prompts.Texts(), (QStringList{"Output scores to the printer or to a file?",
                                          "Score file \"PLAYER1.qmr\" created.",
                                          "Output scores to the printer or to a file?",
                                          "Score file \"PLAYER1.qmr\" created."}));
}

TEST(GolferHistory, PrinterGivesAPdfWithTheSameLines) {
  test::EnsureApplication();
  auto& prompts = test::InstallScriptedPrompts();
  const std::string pdf = (std::filesystem::current_path() / "history.pdf").string();
  prompts.Choices = {1};
  prompts.PrinterChoices = {true};
  prompts.SetUpPrinter = test::PrintToPdf(QString::fromStdString(pdf));
  PrintGolferHistory(kPat, SevenScores(), true);
  EXPECT_EQ(prompts.Texts().last(), "Printing completed.");

  QStringList expected;
  for (const std::string& line : kSevenLines) expected << QString::fromStdString(line);
  EXPECT_EQ(test::PdfWords(QString::fromStdString(pdf)), test::Words(expected));
}

}  // namespace
}  // namespace qm
