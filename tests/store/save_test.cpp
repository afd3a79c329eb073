#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>

#include "store/courses.h"
#include "store/errors.h"
#include "store/fileio.h"
#include "store/roster.h"
#include "store/scores.h"
#include "store/settings.h"
#include "store/strokes.h"
#include "support/workdir.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

// Every file of the data folder and of the settings folder, with its bytes.
std::map<std::string, std::string> Snapshot() {
  std::map<std::string, std::string> files;
  for (const fs::path& folder : {fs::path("."), fs::path(SettingsFilePath()).parent_path()}) {
    if (!fs::exists(folder)) continue;
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.is_regular_file()) files[entry.path().string()] = ReadFile(entry.path());
    }
  }
  return files;
}

void RemoveAll() {
  for (const fs::path& folder : {fs::path("."), fs::path(SettingsFilePath()).parent_path()}) {
    if (!fs::exists(folder)) continue;
    for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
  }
}

class FailedSave : public testing::Test {
 protected:
  void TearDown() override { fileio::FailSaveStepForTesting(0, 0); }

  // Makes each file call of a save fail in turn, on the files setUp writes.
  // Every failure is reported with the program's text for the error and
  // leaves every file as it was, with no temporary or new file behind;
  // only the last call, the flush of the folder after the new file is in
  // place, leaves what a whole save leaves (and is still reported).
  // wrapped is the text the save reports instead, if any.
  void Walk(const std::function<void()>& setUp, const std::function<void()>& save,
            const std::string& wrapped = "") {
    RemoveAll();
    setUp();
    const auto before = Snapshot();
    fileio::FailSaveStepForTesting(-1, 0);
    save();
    const int steps = fileio::SaveStepsCountedForTesting();
    const auto saved = Snapshot();
    ASSERT_NE(saved, before);
    ASSERT_GE(steps, 6);  // create, at least one line, flush, close, rename, folder
    for (int step = 1; step <= steps; ++step) {
      SCOPED_TRACE("failing call " + std::to_string(step) + " of " + std::to_string(steps));
      RemoveAll();
      setUp();
      const int error = step % 2 ? ENOSPC : EIO;
      fileio::FailSaveStepForTesting(step, error);
      try {
        save();
        ADD_FAILURE() << "reported as done";
      } catch (const QmError& e) {
        std::string expected = error == ENOSPC ? "Disk full" : "I/O error " + std::to_string(EIO);
        EXPECT_EQ(e.what(), wrapped.empty() ? expected : wrapped);
      }
      EXPECT_EQ(Snapshot(), step == steps ? saved : before);
    }
  }
};

TEST_F(FailedSave, EveryCallOfEverySave) {
  const std::string rounds = "20020223~Riverside~85~70.5~125~~\r\n";
  TScoreTable scores;
  scores.Entries = {PlaceholderScoreRec(), PlaceholderScoreRec()};
  Walk([&] { WriteFile("G.qmg", rounds); }, [&] { SaveScores(scores, "G.qmg"); });

  // The roster with two new golfers: their score files come first.
  TRosterTable roster;
  roster.Entries = {{"A", "A", 0}, {"B", "B", 1}, {"C", "C", 0}};
  auto oldRoster = [&] {
    WriteFile("golfers.qmd", "A~A~0~\r\n");
    WriteFile("A.qmg", rounds);
  };
  Walk(oldRoster, [&] { SaveRoster(roster); });
  // With no file to create the roster alone is walked.
  Walk(
      [&] {
        oldRoster();
        WriteFile("B.qmg", rounds);
        WriteFile("C.qmg", "");
      },
      [&] { SaveRoster(roster); });

  TCourseTable courses;
  courses.Entries = {PlaceholderCourseRec(), PlaceholderCourseRec()};
  Walk([] { WriteFile("courses.qmd", "OAK~70.5~125~72~\r\n"); }, [&] { SaveCourses(courses); });

  StrokeIndex strokes;
  for (int h = 0; h < HoleCount; ++h) strokes[h] = HoleCount - h;
  Walk([] { WriteFile("strokes.qmd", "OAK~\r\n"); }, [&] { StoreStrokeIndex("PINE", strokes); });

  auto oldSettings = [] {
    fs::create_directories(fs::path(SettingsFilePath()).parent_path());
    WriteFile(SettingsFilePath(), "[MainForm]\r\nHeight=400\r\n");
  };
  Walk(
      oldSettings, [] { WriteSettingInt("Settings", "UseMaxIndex", 0); },
      "Unable to write to quillmor.ini");
  // A first settings file, in a folder that is not there yet.
  Walk([] {}, [] { WriteSettingBool("Settings", "UseMaxIndex", true); },
       "Unable to write to quillmor.ini");
}

TEST_F(FailedSave, RosterNeverNamesAMissingScoreFile) {
  WriteFile("golfers.qmd", "A~A~0~\r\n");
  TRosterTable roster;
  roster.Entries = {{"A", "A", 0}, {"NEW", "NEW", 1}};
  fileio::FailSaveStepForTesting(2, ENOSPC);  // closing NEW.qmg
  EXPECT_THROW(SaveRoster(roster), QmError);
  EXPECT_EQ(ReadFile("golfers.qmd"), "A~A~0~\r\n");
  EXPECT_FALSE(fs::exists("NEW.qmg"));
  SaveRoster(roster);
  EXPECT_EQ(ReadFile("golfers.qmd"), "A~A~0~\r\nNEW~NEW~1~\r\n");
  EXPECT_TRUE(fs::exists("NEW.qmg"));
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
