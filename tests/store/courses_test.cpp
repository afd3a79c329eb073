#include "store/courses.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "store/text.h"
#include "support/workdir.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

std::string Shipped() {
  return ReadFile(fs::path(QM_SOURCE_ROOT) / "data" / "sample.qmd");
}

TEST(Courses, SampleBecomesTheCourseFileOnce) {
  const std::string sample = Shipped();
  ASSERT_FALSE(sample.empty());
  WriteFile("sample.qmd", sample);
  TCourseTable table;
  EXPECT_EQ(LoadCourses(table).Message, "");
  EXPECT_FALSE(fs::exists("sample.qmd"));
  EXPECT_EQ(ReadFile("courses.qmd"), sample);
  ASSERT_GE(table.Count(), 5);
  // The shipped courses are sound: sorted already, and each total is the sum
  // of its hole pars.
  for (const TCourseRec& c : table.Entries) {
    int sum = 0;
    for (const std::string& par : c.HolePar) sum += StrToInt(par);
    EXPECT_EQ(sum, StrToInt(c.ParTotal)) << c.CourseName;
    EXPECT_NO_THROW(StrToFloat(c.Rating)) << c.CourseName;
  }
  SortCourses(table);
  SaveCourses(table);
  EXPECT_EQ(ReadFile("courses.qmd"), sample);
}

TEST(Courses, NeitherFileGivesTheMessageAnEmptyFileDoesNot) {
  TCourseTable table;
  TCourseSummaryTable summaries;
  EXPECT_EQ(LoadCourses(table).Message, "Error renaming sample courses file!");
  EXPECT_EQ(LoadCourseSummaries(summaries).Message, "Error renaming sample courses file!");
  EXPECT_EQ(table.Count(), 0);
  EXPECT_FALSE(fs::exists("courses.qmd"));
  WriteFile("courses.qmd", "");
  EXPECT_EQ(LoadCourses(table).Message, "");
  EXPECT_EQ(table.Count(), 0);
}

TEST(Courses, OddLinesInBothTables) {
  WriteFile("courses.qmd",
            "NEW COURSE~\r\n"
            "\r\n" +
                std::string(35, 'L') +
                "~70.5~125~72~4~10~3~5~4~4~3~5~4~4~4~3~5~4~4~3~5~4~extra\n"
                "OAK HOLLOW~70.5~125~72~4~4~3~5~4~4~3~5~4~4~4~3~5~4~4~3~5~4~");
  TCourseTable table;
  LoadCourses(table);
  ASSERT_EQ(table.Count(), 4);
  EXPECT_EQ(table.At(1).CourseName, "NEW COURSE");
  EXPECT_EQ(table.At(1).Rating + table.At(1).Slope + table.At(1).ParTotal, "XXXXXXX00");
  EXPECT_EQ(table.At(1).HolePar[17], "0");
  EXPECT_EQ(table.At(2).CourseName, std::string(30, 'X'));
  EXPECT_EQ(table.At(3).CourseName, std::string(30, 'L'));
  EXPECT_EQ(table.At(3).HolePar[1], "1");  // two digits read as the first
  EXPECT_EQ(table.At(3).HolePar[2], "3");
  EXPECT_EQ(table.At(4).HolePar[17], "4");

  TCourseSummaryTable summaries;
  LoadCourseSummaries(summaries);
  ASSERT_EQ(summaries.Count(), 4);
  EXPECT_EQ(summaries.At(1).Rating + summaries.At(1).Slope, "00.0000");
  EXPECT_EQ(summaries.At(2).Rating, "00.0");
  EXPECT_EQ(summaries.At(4).ParTotal, "72");

  SortCourses(summaries);
  EXPECT_EQ(summaries.At(1).CourseName, std::string(30, 'L'));
  EXPECT_EQ(summaries.At(4).CourseName, std::string(30, 'X'));
}

TEST(Courses, SaveWritesWhatTheEditorStoredWithoutSplittingLines) {
  TCourseTable table;
  table.Entries.push_back(PlaceholderCourseRec());
  TCourseRec& c = table.At(1);
  c.CourseName = "PINE~VIEW\r\nEAST";
  c.HolePar[0] = "10";
  c.ParTotal = "100";
  SaveCourses(table);
  std::string expected = "PINE-VIEW  EAST~XXXX~XXX~100~10~";
  for (int i = 1; i < 18; ++i) expected += "0~";
  EXPECT_EQ(ReadFile("courses.qmd"), expected + "\r\n");
}

// Every window finds a round's course by this one rule, so a name with a
// NUL (from a damaged file or a window's field) must mean the same course
// wherever it is looked up.
TEST(Courses, FindCourseTakesTheFirstNameUpToItsNulWithoutRegardToCase) {
  using namespace std::string_literals;
  TCourseTable table;
  for (std::string name : {"Oak Hill"s, "OAK HILL"s, "Pine\0Ridge"s, "Pine"s, "Ri\xE9ver"s})
    table.Entries.push_back({name, "70.0", "113", "72", {}});
  const struct {
    std::string name;
    int position;
  } cases[] = {
      {"oak hill", 1},    {"OAK HILL", 1},         {"Oak Hill\0x"s, 1},
      {"Pine", 3},        {"pine\0Ridge"s, 3},     {"PineRidge", 0},
      {"Ri\xE9ver", 5},   {"RI\xC9VER", 0},        {"", 0},
      {"Oak Hill ", 0},   {"\0Oak Hill"s, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(FindCourse(table, c.name), c.position) << c.name;
  EXPECT_TRUE(SameCourseName("Pine\0Ridge"s, "PINE"));
  EXPECT_EQ(FindCourse(TCourseTable{}, "Oak Hill"), 0);
}

}  // namespace
}  // namespace qm
