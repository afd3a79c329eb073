// What a table holds is what a save writes and a reload reads: the readers
// and MakeStorable apply one rule to the bytes a file cannot hold, so load,
// save, load, save gives the same bytes the second time for every file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "store/courses.h"
#include "store/errors.h"
#include "store/roster.h"
#include "store/scores.h"
#include "store/text.h"
#include "support/workdir.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using test::ReadFile;
using test::WriteFile;

TEST(Storable, TextRule) {
  EXPECT_EQ(StorableText("a~b\r\nc"), "a-b  c");
  EXPECT_EQ(StorableText("AB\0CD~"s), "AB");
  EXPECT_EQ(StorableText("ABCDEFGHIJ", 9), "ABCDEFGHI");
  EXPECT_EQ(StorableText("\0X"s, 9), "");
}

// Loads a file, saves it twice over a reload: the second save gives the
// bytes of the first, and the file names no more score files than exist.
TEST(Storable, EveryFileIsByteStableAfterOneSave) {
  struct Case {
    const char* name;
    const char* file;
    std::string bytes;
    std::function<void()> loadAndSave;
  };
  const std::vector<Case> cases = {
      {"scores", "G.qmg",
       "2002\0abc~A\rB~85~70.5~125~c\0d~\r\n"s + "20020223~Z~\r\n020101~\xFF~99~\r\n",
       [] {
         TScoreTable t;
         LoadScores(t, "G.qmg", false);
         SortScores(t);
         SaveScores(t, "G.qmg");
       }},
      {"roster", "golfers.qmd", "A\rB~A\rB~1~\r\nC~C\0D~0~\r\nAB~AB~1~\r\n"s,
       [] {
         TRosterTable t;
         LoadRoster(t);
         SortRoster(t);
         SaveRoster(t);
         for (const TRosterEntry& e : t.Entries) EXPECT_TRUE(fs::exists(ScoreFileName(e)));
       }},
      {"courses", "courses.qmd", "B\rX~70~120~72~\r\nB X~1~2~3~\r\nBA~\0~~\r\nB~\r\n"s,
       [] {
         TCourseTable t;
         LoadCourses(t);
         SortCourses(t);
         SaveCourses(t);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(c.file, c.bytes);
    c.loadAndSave();
    const std::string first = ReadFile(c.file);
    c.loadAndSave();
    EXPECT_EQ(ReadFile(c.file), first);
  }
  // The golfer whose short name held a CR has the score file the roster
  // names; no file of the raw name was made.
  EXPECT_TRUE(fs::exists("A B.qmg"));
  EXPECT_FALSE(fs::exists("A\rB.qmg"));
  // "2002" ends at its NUL: no date, so first; the CR is a space.
  EXPECT_EQ(ReadFile("G.qmg").substr(0, 27), "99999999~A B~85~70.5~125~c~");
}

TEST(Storable, MakeStorableGivesWhatAReloadReads) {
  TScoreTable scores;
  scores.Entries = {PlaceholderScoreRec()};
  TScoreRec& rec = scores.Entries[0];
  rec.Date = "20020223";
  rec.Course = "Oak~Hollow\r\n" + std::string(40, 'C');
  rec.Comment = "windy\0gone"s;
  rec.HoleScore[0] = "123";
  TScoreRec fitted = rec;
  MakeStorable(fitted);
  SaveScores(scores, "G.qmg");
  TScoreTable reloaded;
  LoadScores(reloaded, "G.qmg", false);
  EXPECT_EQ(reloaded.At(1).Course, fitted.Course);
  EXPECT_EQ(fitted.Course.substr(0, 12), "Oak-Hollow  ");
  EXPECT_EQ(reloaded.At(1).Comment, fitted.Comment);
  EXPECT_EQ(reloaded.At(1).HoleScore[0], fitted.HoleScore[0]);

  TRosterEntry golfer{"LONG~NAME\0X"s, "A\nB"s, 1};
  MakeStorable(golfer);
  EXPECT_EQ(golfer.LongName, "LONG-NAME");
  EXPECT_EQ(golfer.ShortName, "A B");

  TCourseRec course = PlaceholderCourseRec();
  course.HolePar[0] = "45";  // the editor keeps what was typed
  course.ParTotal = "720";
  course.CourseName = "A~B";
  MakeStorable(course);
  EXPECT_EQ(course.HolePar[0], "45");
  EXPECT_EQ(course.ParTotal, "720");
  EXPECT_EQ(course.CourseName, "A-B");
}

TEST(Storable, RebuildLeavesOutAndReportsFilesNoShortNameNames) {
  for (std::string name : {"GOOD.qmg"s, "a~b.qmg"s, "a\rb.qmg"s, ".qmg"s, "..qmg"s, "...qmg"s,
                           "ABCDEFGHIJ.qmg"s, "AB.CDEFGHIJ.qmg"s}) {
    WriteFile(name, "20020223~" + name + "~\r\n");
  }
  TRosterTable table;
  LoadRosterResult result = LoadRoster(table);
  ASSERT_EQ(table.Count(), 1);
  EXPECT_EQ(table.At(1).ShortName, "GOOD");
  std::sort(result.Unlisted.begin(), result.Unlisted.end());
  EXPECT_EQ(result.Unlisted, (std::vector<std::string>{"...qmg", "..qmg", ".qmg", "AB.CDEFGHIJ.qmg",
                                                       "ABCDEFGHIJ.qmg", "a\rb.qmg", "a~b.qmg"}));
  EXPECT_EQ(UnlistedScoreFileMessage("a~b.qmg").find("\"a~b.qmg\""), 15u);
  SaveRoster(table);
  EXPECT_EQ(ReadFile("golfers.qmd"), "GOOD~GOOD~0~\r\n");
  EXPECT_EQ(ReadFile("a~b.qmg"), "20020223~a~b.qmg~\r\n");  // the rounds stay where they were
  EXPECT_FALSE(fs::exists("a-b.qmg"));
}

TEST(Storable, ScoreFilesNeedAShortName) {
  TScoreTable table;
  table.Entries = {PlaceholderScoreRec()};
  for (const std::string& name :
       {".qmg"s, "..qmg"s, "...qmg"s, ScoreFileName("\0X"s), ScoreFileName(".\0X"s)}) {
    SCOPED_TRACE(name);
    EXPECT_THROW(SaveScores(table, name), QmError);
    EXPECT_THROW(LoadScores(table, name, true), QmError);
    EXPECT_FALSE(fs::exists(name));
  }
  EXPECT_NO_THROW(SaveScores(table, "A.qmg"));
}

}  // namespace
}  // namespace qm
