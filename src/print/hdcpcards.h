// The handicap cards: wallet cards of 2 by 3.5 inches, ten to a sheet in two
// columns of five, one card a golfer. A sheet may be partly used already, so
// the first card goes into the slot that the number of cards left on the
// first sheet gives; the next ones fill the sheet left to right, then top to
// bottom, and go on on new sheets.
#pragma once

#include <string>
#include <vector>

#include "engine/index.h"
#include "print/printdevice.h"
#include "store/records.h"

namespace qm {

inline constexpr int CardLineCount = 13;
inline constexpr float CardHeightInches = 2.0f;
inline constexpr int SmallestCardFont = 8;

struct CardSlot {
  int Sheet = 1;   // from 1
  int Row = 0;     // 1 to 5 from the top
  int Column = 0;  // 1 left, 2 right

  // 1 to 10, left to right, then top to bottom.
  int Number() const { return (Row - 1) * 2 + Column; }
  // The card's top edge, in inches from the sheet's top.
  float TopInches() const { return static_cast<float>(Row - 1) * 2.0f + 0.5f; }
  friend bool operator==(const CardSlot&, const CardSlot&) = default;
};

// The slots of count cards when cardsLeft (1 to 10) cards are left on the
// first sheet; the first card takes slot 11 - cardsLeft. Any other cardsLeft
// counts as a whole sheet.
std::vector<CardSlot> CardSlots(int cardsLeft, int count);

// The 13 lines of a golfer's card: two empty lines, name, course, date,
// scores posted, index and course handicap, an empty line, the score legend
// and four lines of five score cells for the 20 newest scores ("*" after a
// score the index used).
std::vector<std::string> HandicapCardLines(const std::string& longName,
                                           const std::string& courseName, const std::string& date,
                                           const TScoreTable& scores, const IndexResult& index,
                                           int courseHandicap);

// The largest font size from chosenSize down to SmallestCardFont whose 13
// lines fit a card's 2 inches on device; 0 when none does.
int CardFontSize(PrintDevice& device, const std::string& fontName, int chosenSize);

struct CardJob {
  TCourseSummaryRec Course;
  std::vector<TRosterEntry> Golfers;  // in card order
  int FontSize = 10;
  int CardsLeft = 10;
  bool UseMaxIndex = true;
  std::string Date;  // "mm/dd/yyyy"
};

// Prints the cards on device, from Start to Quit. Each golfer's score file is
// read before any line of the card is drawn; a failure anywhere ends the job
// unprinted (the device's Abort) and propagates. The font is the largest
// size not above the chosen one that fits a card; when even the smallest does
// not, throws before anything is begun.
void PrintHandicapCards(PrintDevice& device, const CardJob& job);

}  // namespace qm
