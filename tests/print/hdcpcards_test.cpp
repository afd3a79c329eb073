#include "print/hdcpcards.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "store/errors.h"
#include "support/recording_device.h"
#include "support/report_files.h"
#include "support/workdir.h"

namespace qm {
namespace {

using test::PlainScores;
using test::RecordingDevice;
using test::WriteScores;

const TCourseSummaryRec kPine{"Pine Ridge", "71.4", "130", "72"};

// Sheet and slot number of each card.
std::vector<std::pair<int, int>> Placed(int cardsLeft, int count) {
  std::vector<std::pair<int, int>> placed;
  for (const CardSlot& slot : CardSlots(cardsLeft, count))
    placed.emplace_back(slot.Sheet, slot.Number());
  return placed;
}

TEST(HandicapCards, SlotsFollowTheCardsLeftOnTheFirstSheet) {
  using P = std::vector<std::pair<int, int>>;
  EXPECT_EQ(Placed(10, 2), (P{{1, 1}, {1, 2}}));
  EXPECT_EQ(Placed(1, 2), (P{{1, 10}, {2, 1}}));
  EXPECT_EQ(Placed(3, 5), (P{{1, 8}, {1, 9}, {1, 10}, {2, 1}, {2, 2}}));
  EXPECT_EQ(Placed(2, 1), (P{{1, 9}}));
  EXPECT_EQ(Placed(9, 1), (P{{1, 2}}));
  EXPECT_EQ(Placed(0, 1), (P{{1, 1}}));                     // not a count: a whole sheet
  EXPECT_EQ(CardSlots(4, 25).back(), (CardSlot{4, 1, 1}));  // 4 + 10 + 10, then a fourth sheet
}

TEST(HandicapCards, SevenScoresFillSevenCellsAndMarkTheUsedOnes) {
  // Differentials 18, 13, 16, 8, 23, 20, 15: the best 2 of 7 are the 4th and
  // the 2nd, (8 + 13) / 2 x 0.96 = 10.08.
  TScoreTable scores;
  scores.Entries = PlainScores({90, 85, 88, 80, 95, 92, 87});
  IndexResult index;
  index.Index = 10.1L;
  index.UsedScores = {4, 2};
  EXPECT_EQ(HandicapCardLines("Pat Golfer", "Pine Ridge", "06/15/2024", scores, index, 12),
            (std::vector<std::string>{
                "",
                "",
                "Name:    Pat Golfer",
                "Course:  Pine Ridge",
                "Printed: 06/15/2024",
                "Scores Posted:   7",
                "INDEX:  10.1    HCP:  12",
                "",
                "NEWEST --> --> --> OLDEST  *USED",
                "    90    85*   88    80*   95 ",
                std::string("    92    87 ") + std::string(18, ' '),
                std::string(31, ' '),
                std::string(31, ' '),
            }));
  // Long names are cut to 26 characters, a long handicap to 3.
  const auto lines = HandicapCardLines("Bartholomew Fitzgerald-Wainwright", std::string(30, 'C'),
                                       "06/15/2024", TScoreTable{}, index, 1234);
  EXPECT_EQ(lines[2], "Name:    Bartholomew Fitzgerald-Wai");
  EXPECT_EQ(lines[3], "Course:  " + std::string(26, 'C'));
  EXPECT_EQ(lines[6], "INDEX:  10.1    HCP: 123");
}

// Cards printed on the recording device (300 pixels per inch).
class CardPrint : public ::testing::Test {
 protected:
  test::WorkDir dir_;
  RecordingDevice device_;

  CardJob Job(int golfers, int cardsLeft) {
    CardJob job;
    job.Course = kPine;
    job.FontSize = 10;
    job.CardsLeft = cardsLeft;
    job.Date = "06/15/2024";
    for (int i = 1; i <= golfers; ++i) {
      const std::string shortName = "G" + std::to_string(i);
      WriteScores(shortName, PlainScores({80 + i, 90, 90, 90, 90}));
      job.Golfers.push_back({"Golfer " + std::to_string(i), shortName, 0});
    }
    return job;
  }

  // The page and the top-left corner of each card's first line.
  struct Corner {
    int Page, X, Y;
    friend bool operator==(const Corner&, const Corner&) = default;
  };
  std::vector<Corner> Corners() const {
    std::vector<Corner> corners;
    for (std::size_t i = 0; i < device_.Texts.size(); i += CardLineCount)
      corners.push_back({device_.Texts[i].Page, device_.Texts[i].X, device_.Texts[i].Y});
    return corners;
  }
};

TEST_F(CardPrint, CardsLandInTheirSlotsAndSheets) {
  PrintHandicapCards(device_, Job(3, 1));
  // Slot 10 (right, 8.5 in down), then slots 1 and 2 of a new sheet.
  EXPECT_EQ(Corners(), (std::vector<Corner>{{1, 1380, 2550}, {2, 300, 150}, {2, 1380, 150}}));
  EXPECT_EQ(device_.Calls, (std::vector<std::string>{"Font Courier 10", "Begin", "Font Courier 10",
                                                     "NewPage", "End"}));
  // Every line of a card on the next line of the one before; the name third.
  ASSERT_EQ(device_.Texts.size(), 39u);
  for (int i = 1; i < 13; ++i) EXPECT_EQ(device_.Texts[i].Y, 2550 + i * 42);
  EXPECT_EQ(device_.Texts[2].Value, "Name:    Golfer 1");
  EXPECT_EQ(device_.Texts[15].Value, "Name:    Golfer 2");
  // 81 at 72.0 / 113: 9 x 0.96 = 8.6 -> 8.6 x 130 / 113 = 9.89.
  EXPECT_EQ(device_.Texts[6].Value, "INDEX:   8.6    HCP:  10");
  EXPECT_EQ(device_.Texts[9].Value, "    81*   90    90    90    90 ");
}

TEST_F(CardPrint, ElevenCardsFillAFullSheetAndStartTheNext) {
  PrintHandicapCards(device_, Job(11, 10));
  const std::vector<Corner> corners = Corners();
  ASSERT_EQ(corners.size(), 11u);
  EXPECT_EQ(corners[0], (Corner{1, 300, 150}));
  EXPECT_EQ(corners[9], (Corner{1, 1380, 2550}));
  EXPECT_EQ(corners[10], (Corner{2, 300, 150}));
}

TEST_F(CardPrint, AFontTooTallForACardGivesWayToTheLargestThatFits) {
  // 4 pixels a point + 2: at 12 points 13 lines are 650 pixels, more than
  // the 600 of 2 inches; 11 points give 598.
  CardJob job = Job(1, 10);
  job.FontSize = 12;
  PrintHandicapCards(device_, job);
  EXPECT_EQ(device_.Texts.back().Points, 11);
  EXPECT_LE(device_.Texts.back().Y + 46 - device_.Texts.front().Y, 600);

  RecordingDevice tall;
  tall.HeightPerPoint = 8;  // not even 8 points fit
  EXPECT_THROW(PrintHandicapCards(tall, job), QmError);
  EXPECT_TRUE(std::find(tall.Calls.begin(), tall.Calls.end(), "Begin") == tall.Calls.end());
}

TEST_F(CardPrint, AScoreFileThatCannotBeReadPrintsNoHalfCard) {
  CardJob job = Job(2, 10);
  job.Golfers[1].ShortName = "GONE";
  EXPECT_THROW(PrintHandicapCards(device_, job), QmError);
  EXPECT_EQ(device_.Texts.size(), 13u);  // the first card only, whole
  EXPECT_EQ(device_.Calls.back(), "Abort");
}

}  // namespace
}  // namespace qm
