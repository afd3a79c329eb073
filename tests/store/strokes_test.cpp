#include "store/strokes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "store/errors.h"
#include "support/workdir.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

constexpr StrokeIndex kOak = {7, 15, 3, 11, 1, 17, 9, 5, 13, 8, 16, 2, 12, 4, 18, 10, 6, 14};
const std::string kOakFields = "7~15~3~11~1~17~9~5~13~8~16~2~12~4~18~10~6~14~";

struct LineCase {
  const char* what;
  std::string line;
  bool valid;  // OAK then has kOak
};

TEST(Strokes, OnlyAFullPermutationGivesACourseItsIndex) {
  const LineCase cases[] = {
      {"plain", "OAK~" + kOakFields, true},
      {"spaces around numbers and after", "OAK~ 7~15 ~3~11~1~17~9~5~13~8~16~2~12~4~18~10~6~14~  ",
       true},
      {"leading zero", "OAK~07~15~3~11~1~17~9~5~13~8~16~2~12~4~18~10~6~14~", true},
      {"17 fields", "OAK~7~15~3~11~1~17~9~5~13~8~16~2~12~4~18~10~6~", false},
      {"a number twice", "OAK~7~15~3~11~1~17~9~5~13~8~16~2~12~4~18~10~6~6~", false},
      {"19 fields", "OAK~" + kOakFields + "19~", false},
      {"text after", "OAK~" + kOakFields + "x", false},
      {"last without tilde", "OAK~7~15~3~11~1~17~9~5~13~8~16~2~12~4~18~10~6~14", false},
      {"zero", "OAK~0~15~3~11~1~17~9~5~13~8~16~2~12~4~18~10~6~14~", false},
      {"nineteen", "OAK~19~15~3~11~1~17~9~5~13~8~16~2~12~4~18~10~6~14~", false},
      {"sign", "OAK~+7~15~3~11~1~17~9~5~13~8~16~2~12~4~18~10~6~14~", false},
      {"hex", "OAK~$7~15~3~11~1~17~9~5~13~8~16~2~12~4~18~10~6~14~", false},
      {"empty field", "OAK~~15~3~11~1~17~9~5~13~8~16~2~12~4~18~10~6~14~", false},
      {"other name", "OAKS~" + kOakFields, false},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(StrokeFileName, "PINE~1~2~3~4~5~6~7~8~9~10~11~12~13~14~15~16~17~18~\r\n" + c.line);
    TStrokeTable table;
    LoadStrokes(table);
    ASSERT_EQ(table.Count(), 2);
    const StrokeIndex* found = FindStrokeIndex(table, "oak");
    ASSERT_EQ(found != nullptr, c.valid);
    if (found) {
      EXPECT_EQ(*found, kOak);
    }
    ASSERT_NE(FindStrokeIndex(table, "Pine"), nullptr);
  }
}

TEST(Strokes, TheFirstValidLineOfTheNameCountsLettersAToZAlone) {
  WriteFile(StrokeFileName,
            "Oak~1~1~1~1~1~1~1~1~1~1~1~1~1~1~1~1~1~1~\n"  // damaged: passed over
            "oAK~" +
                kOakFields +
                "\n"
                "OAK~1~2~3~4~5~6~7~8~9~10~11~12~13~14~15~16~17~18~\n"
                "\xC9TANG~" +
                kOakFields + "\n");
  TStrokeTable table;
  LoadStrokes(table);
  ASSERT_NE(FindStrokeIndex(table, "OAK"), nullptr);
  EXPECT_EQ(*FindStrokeIndex(table, "OAK"), kOak);
  EXPECT_NE(FindStrokeIndex(table, "\xC9tang"), nullptr);
  EXPECT_EQ(FindStrokeIndex(table, "\xE9TANG"), nullptr);  // no case beyond A to Z
  EXPECT_EQ(FindStrokeIndex(table, "OAK "), nullptr);
}

TEST(Strokes, SettingACourseKeepsEveryOtherLineAsItWas) {
  const std::string other =
      "GONE COURSE~" + kOakFields + "\r\n" + "half~1~2~\x01\r\r\n" + "\r\n" + "no tilde at all\r\n";
  WriteFile(StrokeFileName, "oak~3~3~\n" + other + "OAK~" + kOakFields + "\n");
  StrokeIndex plain;
  for (int h = 0; h < HoleCount; ++h) plain[h] = h + 1;

  StoreStrokeIndex("Oak", plain);
  const std::string plainLine = "Oak~1~2~3~4~5~6~7~8~9~10~11~12~13~14~15~16~17~18~\r\n";
  EXPECT_EQ(ReadFile(StrokeFileName), plainLine + other);
  TStrokeTable table;
  LoadStrokes(table);
  EXPECT_EQ(*FindStrokeIndex(table, "OAK"), plain);

  StoreStrokeIndex("OAK", std::nullopt);
  EXPECT_EQ(ReadFile(StrokeFileName), other);
  StoreStrokeIndex("New~Course", kOak);
  EXPECT_EQ(ReadFile(StrokeFileName), other + "New-Course~" + kOakFields + "\r\n");
  LoadStrokes(table);
  EXPECT_EQ(*FindStrokeIndex(table, "New~Course"), kOak);

  StrokeIndex twice = kOak;
  twice[0] = twice[1];
  EXPECT_THROW(StoreStrokeIndex("OAK", twice), std::invalid_argument);
  EXPECT_EQ(ReadFile(StrokeFileName), other + "New-Course~" + kOakFields + "\r\n");
}

TEST(Strokes, NoFileIsNoIndexAndAFileThatCannotBeReadIsNeverOverwritten) {
  TStrokeTable table;
  LoadStrokes(table);
  EXPECT_EQ(table.Count(), 0);
  StoreStrokeIndex("OAK", std::nullopt);
  EXPECT_EQ(ReadFile(StrokeFileName), "");

  fs::remove(StrokeFileName);
  fs::create_directory(StrokeFileName);
  EXPECT_THROW(LoadStrokes(table), QmError);
  EXPECT_THROW(StoreStrokeIndex("OAK", kOak), QmError);
  EXPECT_TRUE(fs::is_directory(StrokeFileName));
}

TEST(Strokes, TheDialogSeesTheValidLineElseTheDamagedOne) {
  WriteFile(StrokeFileName, "OAK~4~x~123~\r\nOAK~\r\nPINE~" + kOakFields + "\r\n");
  TStrokeTable table;
  LoadStrokes(table);
  const auto fields = [&table](const std::string& name) {
    std::string joined = "none";
    if (auto texts = StrokeFieldsOf(table, name)) {
      joined.clear();
      for (const std::string& text : *texts) joined += text + "|";
    }
    return joined;
  };
  EXPECT_EQ(fields("oak"), "4|x|12|" + std::string(15, '|'));
  EXPECT_EQ(fields("PINE"), "7|15|3|11|1|17|9|5|13|8|16|2|12|4|18|10|6|14|");
  EXPECT_EQ(fields("ELM"), "none");
}

}  // namespace
}  // namespace qm
