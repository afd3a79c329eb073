#include "engine/index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "engine/coursehcp.h"
#include "store/errors.h"

namespace qm {
namespace {

// Position p of a table built by Scores is dated 12/31/2002 minus p - 1 days.
// At rating 72.0 and slope 113 the differential of a score is score - 72.
TScoreRec Score(int differential, const std::string& course = "Riverside") {
  TScoreRec rec;
  rec.ScoreTotal = std::to_string(72 + differential);
  rec.AdjScore = "0";
  rec.Rating = "72.0";
  rec.Slope = "113";
  rec.Course = course;
  return rec;
}

TScoreRec Incomplete() {
  TScoreRec rec = Score(0);
  rec.ScoreTotal = "0";
  return rec;
}

TScoreTable Scores(std::vector<TScoreRec> records) {
  TScoreTable table;
  for (std::size_t i = 0; i < records.size(); ++i) {
    records[i].Date = std::to_string(20021231 - static_cast<int>(i));
  }
  table.Entries = std::move(records);
  return table;
}

TScoreTable Differentials(std::initializer_list<int> differentials) {
  std::vector<TScoreRec> records;
  for (int d : differentials) records.push_back(Score(d));
  return Scores(records);
}

struct Sheet : IndexSheet {
  std::array<std::string, 15> Lines;  // [0] unused
  int Clears = 0;
  void ClearIndexLines() override {
    ++Clears;
    Lines.fill("");
  }
  void SetIndexLine(int n, const std::string& text) override { Lines.at(n) = text; }
};

struct Report : ReportSink {
  std::vector<std::string> Lines;
  void AddLine(const std::string& line) override { Lines.push_back(line); }
};

IndexRequest Request(Sex sex = Sex::Male, bool useMax = true) {
  IndexRequest request;
  request.Golfer = sex;
  request.LongName = "Ann Smith";
  request.UseMaxIndex = useMax;
  return request;
}

std::string IndexOf(const TScoreTable& table, const IndexRequest& request = Request()) {
  return FormatTenths(CalcIndex(table, request).Index);
}

TEST(CalcIndex, FixedIndexBelowFiveCompleteScores) {
  for (bool useMax : {true, false}) {
    EXPECT_EQ(IndexOf(TScoreTable{}, Request(Sex::Male, useMax)), "36.4");
    EXPECT_EQ(IndexOf(TScoreTable{}, Request(Sex::Female, useMax)), "40.4");
  }
  TScoreTable table = Scores({Score(1), Incomplete(), Score(2), Score(3), Score(4), Incomplete()});
  Sheet sheet;
  IndexRequest request = Request(Sex::Female);
  request.Output = IndexOutput::Display;
  request.Sheet = &sheet;
  IndexResult result = CalcIndex(table, request);
  EXPECT_TRUE(result.UsedScores.empty());
  EXPECT_EQ(sheet.Lines[1], "6 scores on file for Ann Smith.  (4 are valid)");
  EXPECT_EQ(sheet.Lines[2], "A golfer needs 5 valid scores to receive an index.");
  EXPECT_EQ(sheet.Lines[3], "");
  EXPECT_EQ(sheet.Lines[4], "The current index for Ann Smith is 40.4");
}

TEST(CalcIndex, BestDifferentialsTimesFactor) {
  TScoreTable five = Differentials({14, 18, 10, 16, 12});
  IndexResult result = CalcIndex(five, Request());
  EXPECT_EQ(FormatTenths(result.Index), " 9.6");
  EXPECT_EQ(result.UsedScores, std::vector<int>{3});

  // 1.0 to 20.0 in a shuffled order: the best ten average 5.5, times 0.96.
  std::vector<TScoreRec> records;
  for (int p = 1; p <= 20; ++p) records.push_back(Score(p * 7 % 20 + 1));
  result = CalcIndex(Scores(records), Request());
  EXPECT_EQ(FormatTenths(result.Index), " 5.3");
  std::vector<int> expected;
  for (int d = 1; d <= 10; ++d) {
    for (int p = 1; p <= 20; ++p) {
      if (p * 7 % 20 + 1 == d) expected.push_back(p);
    }
  }
  EXPECT_EQ(result.UsedScores, expected);
}

TEST(CalcIndex, LooksAtTheNewestTwentyCompleteScoresOnly) {
  std::vector<TScoreRec> records{Incomplete(), Score(-10), Incomplete()};
  for (int i = 0; i < 20; ++i) records.push_back(Score(30 - i));
  // Beyond the window: would fail the calculation if it were looked at.
  TScoreRec bad = Score(0);
  bad.Rating = "bad";
  records.push_back(bad);
  records.push_back(Score(-5));
  Report report;
  IndexRequest request = Request();
  request.Output = IndexOutput::ReportFile;
  request.Report = &report;
  TScoreTable table = Scores(records);
  table.At(2).Date = "99999999";
  IndexResult result = CalcIndex(table, request);
  EXPECT_EQ(report.Lines.at(1), "Calculated index using best 10 out of 20 differentials.");
  EXPECT_EQ(result.UsedScores, (std::vector<int>{23, 22, 21, 20, 19, 18, 17, 16, 15, 14}));
}

TEST(CalcIndex, EqualDifferentialsFavourTheMoreRecentScore) {
  EXPECT_EQ(CalcIndex(Differentials({15, 12, 14, 12, 16}), Request()).UsedScores,
            std::vector<int>{2});
}

TEST(CalcIndex, MaximumIndexRuleBySex) {
  std::vector<TScoreRec> records;
  for (int i = 0; i < 20; ++i) {
    TScoreRec rec = Score(0);
    rec.ScoreTotal = "112";
    rec.Rating = "71.9";  // differential 40.1
    records.push_back(rec);
  }
  TScoreTable table = Scores(records);
  EXPECT_EQ(IndexOf(table, Request(Sex::Male, false)), "38.5");
  EXPECT_EQ(IndexOf(table, Request(Sex::Male, true)), "36.4");
  EXPECT_EQ(IndexOf(table, Request(Sex::Female, false)), "38.5");
  EXPECT_EQ(IndexOf(table, Request(Sex::Female, true)), "38.5");
  TScoreTable high = Differentials({43, 43, 43, 43, 43});
  EXPECT_EQ(IndexOf(high, Request(Sex::Female, false)), "41.3");
  EXPECT_EQ(IndexOf(high, Request(Sex::Female, true)), "40.4");
}

TEST(CalcIndex, WhichScoreADifferentialComesFrom) {
  auto withAdjusted = [](const std::string& adjusted) {
    std::vector<TScoreRec> records(5, Score(13));  // gross 85
    for (auto& rec : records) rec.AdjScore = adjusted;
    return Scores(records);
  };
  EXPECT_EQ(IndexOf(withAdjusted("83")), "10.6");
  IndexRequest gross = Request();
  gross.GrossScoreVariant = true;
  EXPECT_EQ(IndexOf(withAdjusted("83"), gross), "12.5");
  EXPECT_EQ(IndexOf(withAdjusted("XXX")), "12.5");
  // "000" is passed over in the golfer list style but taken as 0 in the
  // scores window's own calculation.
  EXPECT_EQ(IndexOf(withAdjusted("000")), "12.5");
  IndexRequest scoresWindow = Request();
  scoresWindow.Style = AccountStyle::ScoresWindow;
  EXPECT_EQ(IndexOf(withAdjusted("000"), scoresWindow), " 0.0");
}

TEST(CalcIndex, TheIndexValueIsHeldAt40Bits) {
  std::vector<TScoreRec> records(5, Score(12));
  for (auto& rec : records) rec.Rating = "72.2";  // differential 11.8, index 11.3
  IndexResult result = CalcIndex(Scores(records), Request());
  ASSERT_EQ(FormatTenths(result.Index), "11.3");
  // The reports use the value itself: just above 11.3, so these halves go up.
  EXPECT_EQ(ComputeCourseHandicap(result.Index, "65"), 7);
  EXPECT_EQ(ComputeCourseHandicap(result.Index, "85"), 9);
  EXPECT_EQ(ComputeCourseHandicap(IndexText4(result.Index), "65"), 6);
}

TEST(CalcIndex, ScoresCutShortInTheirFileArePassedOver) {
  TScoreTable table = Differentials({10, 10, 10, 10, 10, 10, 10});
  table.At(1).Rating = "XXXX";
  table.At(1).Slope = "XXX";
  table.At(4).Slope = "XXX";
  EXPECT_FALSE(CountsForIndex(table.At(1)));
  IndexResult result = CalcIndex(table, Request());
  EXPECT_EQ(FormatTenths(result.Index), " 9.6");
  EXPECT_EQ(result.UsedScores, std::vector<int>{2});
  // With one less good score the golfer has no index yet.
  table.At(2).Rating = "XXXX";
  EXPECT_EQ(IndexOf(table), "36.4");
}

TEST(CalcIndex, ANumberThatIsNotANumberStopsTheCalculation) {
  TScoreTable table = Differentials({10, 11, 12, 13, 14});
  table.At(3).Rating = "7O.5";
  Sheet sheet;
  sheet.Lines[5] = "old";
  IndexRequest request = Request();
  request.Output = IndexOutput::Display;
  request.Sheet = &sheet;
  try {
    CalcIndex(table, request);
    ADD_FAILURE() << "no error";
  } catch (const QmError& e) {
    EXPECT_STREQ(e.what(), "'7O.5' is not a valid floating point value");
  }
  EXPECT_EQ(sheet.Clears, 1);
  EXPECT_TRUE(std::all_of(sheet.Lines.begin(), sheet.Lines.end(),
                          [](const std::string& l) { return l.empty(); }));
}

// Ten differentials used, some below 10.0, a tie, a negative one.
TScoreTable AccountTable() {
  std::vector<TScoreRec> records{Score(-2, "Oak Hill"), Score(9), Score(10), Score(12), Score(9)};
  for (int d = 11; d <= 26; ++d) {
    if (d != 12) records.push_back(Score(d));
  }
  return Scores(records);
}

TEST(IndexAccount, DisplayInTheScoresWindowStyle) {
  Sheet sheet;
  IndexRequest request = Request();
  request.Output = IndexOutput::Display;
  request.Style = AccountStyle::ScoresWindow;
  request.Sheet = &sheet;
  IndexResult result = CalcIndex(AccountTable(), request);
  EXPECT_EQ(result.UsedScores, (std::vector<int>{1, 2, 5, 3, 6, 4, 7, 8, 9, 10}));
  std::array<std::string, 15> expected{
      "",
      "20 scores on file for Ann Smith.",
      "Calculated index using best 10 out of 20 differentials.",
      "Differential 1   =  -2.0  12/31/2002  Oak Hill",
      "Differential 2   =   9.0  12/30/2002  Riverside",
      "Differential 3   =   9.0  12/27/2002  Riverside",
      "Differential 4   = 10.0  12/29/2002  Riverside",
      "Differential 5   = 11.0  12/26/2002  Riverside",
      "Differential 6   = 12.0  12/28/2002  Riverside",
      "Differential 7   = 13.0  12/25/2002  Riverside",
      "Differential 8   = 14.0  12/24/2002  Riverside",
      "Differential 9   = 15.0  12/23/2002  Riverside",
      "Differential 10 = 16.0  12/22/2002  Riverside",
      "",
      "The current index for Ann Smith is 10.3",
  };
  for (int n = 1; n <= 14; ++n) EXPECT_EQ(sheet.Lines[n], expected[n]) << "line " << n;
}

TEST(IndexAccount, ReportInTheGolferListStyle) {
  Report report;
  IndexRequest request = Request();
  request.Output = IndexOutput::ReportPrinter;
  request.Report = &report;
  CalcIndex(AccountTable(), request);
  ASSERT_EQ(report.Lines.size(), 14u);
  EXPECT_EQ(report.Lines[0], "20 scores on file for Ann Smith.");
  EXPECT_EQ(report.Lines[2], "Differential 1   = -2.0  12/31/2002  Oak Hill");
  EXPECT_EQ(report.Lines[3], "Differential 2   =  9.0  12/30/2002  Riverside");
  EXPECT_EQ(report.Lines[11], "Differential 10  = 16.0  12/22/2002  Riverside");
  EXPECT_EQ(report.Lines[12], "");
  EXPECT_EQ(report.Lines[13], "The current index for Ann Smith is 10.3");
}

TEST(IndexAccount, CountLineAndLayoutWithFewerScores) {
  TScoreTable table = Scores({Score(5), Incomplete(), Score(6), Score(7), Incomplete(), Score(8),
                              Score(9), Incomplete(), Score(10), Score(11), Score(12), Score(13)});
  for (AccountStyle style : {AccountStyle::GolferList, AccountStyle::ScoresWindow}) {
    Sheet sheet;
    IndexRequest request = Request();
    request.Output = IndexOutput::Display;
    request.Style = style;
    request.Sheet = &sheet;
    CalcIndex(table, request);
    EXPECT_EQ(sheet.Lines[1], style == AccountStyle::GolferList
                                  ? "12 scores on file for Ann Smith.  (9 are valid)"
                                  : "12 scores on file for Ann Smith.");
    EXPECT_EQ(sheet.Lines[2], "Calculated index using best 3 out of 9 differentials.");
    EXPECT_EQ(sheet.Lines[5], "Differential 3   =   7.0  12/28/2002  Riverside");
    EXPECT_EQ(sheet.Lines[6], "");
    EXPECT_EQ(sheet.Lines[7], "The current index for Ann Smith is  5.8");
    EXPECT_EQ(sheet.Lines[8], "");
  }
}

TEST(IndexAccount, LinesAreCutAt80Characters) {
  Report report;
  IndexRequest request = Request();
  request.LongName = std::string(70, 'N');
  request.Output = IndexOutput::ReportFile;
  request.Report = &report;
  CalcIndex(Differentials({1, 2, 3, 4, 5}), request);
  EXPECT_EQ(report.Lines.back(), "The current index for " + std::string(58, 'N'));
  for (const auto& line : report.Lines) EXPECT_LE(line.size(), 80u);
}

TEST(IndexText, FormsHandedToOtherWindows) {
  long double index = RoundToTenths40(9.6L);
  EXPECT_EQ(IndexText5(index), "9.6");
  EXPECT_EQ(IndexText4(index), " 9.6");
  EXPECT_EQ(IndexText5(RoundToTenths40(-12.3L)), "-12.3");
  EXPECT_EQ(IndexText4(RoundToTenths40(36.4L)), "36.4");
}

}  // namespace
}  // namespace qm
