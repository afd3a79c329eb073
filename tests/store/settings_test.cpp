#include "store/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "store/errors.h"
#include "store/fileio.h"
#include "support/workdir.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

fs::path Ini() { return SettingsFilePath(); }

TEST(Settings, LivesInTheConfigFolder) {
  const std::string config = std::getenv("XDG_CONFIG_HOME");
  EXPECT_EQ(Ini(), fs::path(config) / "quillmor.ini");
  setenv("XDG_CONFIG_HOME", "relative/dir", 1);  // not absolute: ignored
  if (const char* home = std::getenv("HOME")) {
    EXPECT_EQ(Ini(), fs::path(home) / ".config" / "quillmor.ini");
  }
  setenv("XDG_CONFIG_HOME", (config + "/new/deeper").c_str(), 1);
  WriteSettingInt("MainForm", "Height", 400);  // creates the folder
  EXPECT_EQ(ReadFile(Ini()), "[MainForm]\r\nHeight=400\r\n");
}

// Windows write their placement at every resize; writing what the file
// already says must not touch it (each real save waits for the disk).
TEST(Settings, AWriteThatChangesNothingIsNotMade) {
  WriteSettingInt("GPickForm", "Height", 385);
  fileio::FailSaveStepForTesting(1, 28);  // any save would now fail
  EXPECT_NO_THROW(WriteSettingInt("GPickForm", "Height", 385));
  EXPECT_THROW(WriteSettingInt("GPickForm", "Height", 386), QmError);
  fileio::FailSaveStepForTesting(0, 0);
  EXPECT_EQ(ReadFile(Ini()), "[GPickForm]\r\nHeight=385\r\n");
}

TEST(Settings, ValueForms) {
  EXPECT_EQ(ReadSettingInt("MainForm", "Height", 353), 353);  // no file
  EXPECT_TRUE(ReadSettingBool("Settings", "UseMaxIndex", true));
  const struct {
    const char* text;
    int value;
  } cases[] = {{"512", 512}, {"0x200", 512}, {"0X200", 512},     {"$200", 512}, {"$ff", 255},
               {"-7", -7},   {" 42 ", 42},   {"yes", -1},        {"", -1},      {"12abc", -1},
               {"1.5", -1},  {"0x", -1},     {"99999999999", -1}};
  for (const auto& c : cases) {
    WriteFile(Ini(), std::string("[GMaintForm]\nHeight=") + c.text + "\n");
    EXPECT_EQ(ReadSettingInt("GMaintForm", "Height", -1), c.value) << "'" << c.text << "'";
  }
  for (const auto& [text, on] : {std::pair{"0", false}, {"5", true}, {"yes", true}, {"", true}}) {
    WriteFile(Ini(), std::string("[Settings]\r\nUseMaxIndex=") + text + "\r\n");
    EXPECT_EQ(ReadSettingBool("Settings", "UseMaxIndex", true), on) << text;
  }
}

TEST(Settings, MatchesWithoutCaseAndKeepsEveryOtherLine) {
  const std::string before =
      "; placement of windows\n"
      "[mainform]\n"
      "  height = 300  \n"
      "Other=keep me\n"
      "\n"
      "[GPickForm]\r\n"
      "Width=572\r\n"
      "[MAINFORM]\n"
      "Left=1\n"
      "odd line without equals";
  WriteFile(Ini(), before);
  EXPECT_EQ(ReadSettingInt("MainForm", "HEIGHT", 0), 300);
  EXPECT_EQ(ReadSettingInt("MainForm", "Left", 0), 1);  // from the second [MAINFORM]
  EXPECT_EQ(ReadSettingInt("MainForm", "Top", 113), 113);
  EXPECT_EQ(ReadSettingInt("GPickForm", "Other", 9), 9);

  WriteSettingInt("MainForm", "Height", 353);          // in place
  WriteSettingInt("MainForm", "Top", 5);               // end of the first [mainform]
  WriteSettingInt("MainForm", "Left", 2);              // in the second [MAINFORM]
  WriteSettingBool("Settings", "UseMaxIndex", false);  // new section at the end
  EXPECT_EQ(ReadFile(Ini()),
            "; placement of windows\n"
            "[mainform]\n"
            "height=353\n"
            "Other=keep me\n"
            "Top=5\r\n"
            "\n"
            "[GPickForm]\r\n"
            "Width=572\r\n"
            "[MAINFORM]\n"
            "Left=2\n"
            "odd line without equals\r\n"
            "[Settings]\r\n"
            "UseMaxIndex=0\r\n");
  EXPECT_FALSE(ReadSettingBool("settings", "usemaxindex", true));
}

TEST(Settings, UnwritableFileIsReportedAndKept) {
  // A folder where the file should be: it can be neither read nor replaced.
  fs::create_directory(Ini());
  EXPECT_EQ(ReadSettingInt("MainForm", "Height", 353), 353);
  try {
    WriteSettingInt("MainForm", "Height", 1);
    ADD_FAILURE();
  } catch (const QmError& e) {
    EXPECT_STREQ(e.what(), "Unable to write to quillmor.ini");
  }
  EXPECT_TRUE(fs::is_directory(Ini()));
}

}  // namespace
}  // namespace qm
