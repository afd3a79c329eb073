#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "store/courses.h"
#include "store/errors.h"
#include "store/fileio.h"
#include "store/roster.h"
#include "store/scores.h"
#include "store/settings.h"
#include "support/workdir.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

class FailedSave : public testing::Test {
 protected:
  void TearDown() override { fileio::FailSaveStepForTesting(0, 0); }

  // Makes each step of a save fail in turn, until a step past the last lets
  // it through: every failure gives the expected error, leaves the file with
  // its old bytes and leaves no temporary behind.
  void Check(const fs::path& file, const std::function<void()>& save, const std::string& error) {
    const std::string old = "old contents\r\nnot to be lost\r\n";
    WriteFile(file, old);
    int step = 1;
    for (;; ++step) {
      SCOPED_TRACE(step);
      fileio::FailSaveStepForTesting(step, ENOSPC);
      try {
        save();
        break;
      } catch (const QmError& e) {
        EXPECT_EQ(e.what(), error);
      }
      EXPECT_EQ(ReadFile(file), old);
      EXPECT_FALSE(fs::exists(fileio::TempFileName(file.string())));
    }
    EXPECT_GE(step, 6);  // create, at least two lines, close, rename
    EXPECT_NE(ReadFile(file), old);
    EXPECT_FALSE(fs::exists(fileio::TempFileName(file.string())));
  }
};

TEST_F(FailedSave, Roster) {
  TRosterTable table;
  table.Entries = {{"A", "A", 0}, {"B", "B", 1}};
  Check(
      "golfers.qmd", [&] { SaveRoster(table); }, "Disk full");
}

TEST_F(FailedSave, Scores) {
  TScoreTable table;
  table.Entries = {PlaceholderScoreRec(), PlaceholderScoreRec()};
  Check(
      "G.qmg", [&] { SaveScores(table, "G.qmg"); }, "Disk full");
}

TEST_F(FailedSave, Courses) {
  TCourseTable table;
  table.Entries = {PlaceholderCourseRec(), PlaceholderCourseRec()};
  Check(
      "courses.qmd", [&] { SaveCourses(table); }, "Disk full");
}

TEST_F(FailedSave, Settings) {
  Check(
      SettingsFilePath(), [] { WriteSettingInt("Settings", "UseMaxIndex", 1); },
      "Unable to write to quillmor.ini");
}

TEST_F(FailedSave, OtherErrorsKeepTheirNumberAndLeftoversAreReplaced) {
  WriteFile("courses.qmd.tmp~", "leftover of a crash");
  fileio::FailSaveStepForTesting(1, EIO);
  try {
    SaveCourses(TCourseTable{});
    ADD_FAILURE();
  } catch (const QmError& e) {
    EXPECT_EQ(e.what(), "I/O error " + std::to_string(EIO));
  }
  SaveCourses(TCourseTable{});
  EXPECT_TRUE(fs::exists("courses.qmd"));
  EXPECT_FALSE(fs::exists("courses.qmd.tmp~"));
}

}  // namespace
}  // namespace qm
