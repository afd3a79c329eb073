#include "print/hdcpcards.h"

#include <cstdio>

#include "engine/coursehcp.h"
#include "engine/numeric.h"
#include "print/hdcplist.h"
#include "print/printobject.h"
#include "print/reporttext.h"
#include "store/errors.h"
#include "store/text.h"

namespace qm {

namespace {

constexpr float kColumn2 = 4.6f;

std::string ScoreCell(const TScoreTable& scores, const IndexResult& index, int j) {
  if (j > scores.Count()) return "    ";
  bool used = false;
  for (int position : index.UsedScores) used = used || position == j;
  return PadLeft(CutAtNul(scores.At(j).ScoreTotal) + (used ? "*" : " "), 5);
}

}  // namespace

std::vector<CardSlot> CardSlots(int cardsLeft, int count) {
  if (cardsLeft < 1 || cardsLeft > 10) cardsLeft = 10;
  // The slot before the first card: slot 10 - cardsLeft, as row and column.
  const int before = 10 - cardsLeft;
  CardSlot slot;
  slot.Row = (before + 1) / 2;
  slot.Column = before % 2;
  int remainder = cardsLeft;
  std::vector<CardSlot> slots;
  for (int i = 0; i < count; ++i) {
    if (++slot.Column > 2) slot.Column = 1;
    if (slot.Column == 1) {
      ++slot.Row;
      if (slot.Row > 5 || (slot.Sheet == 1 && remainder == 0)) {
        slot.Row = 1;
        ++slot.Sheet;
      }
    }
    if (slot.Sheet == 1) --remainder;
    slots.push_back(slot);
  }
  return slots;
}

std::vector<std::string> HandicapCardLines(const std::string& longName,
                                           const std::string& courseName, const std::string& date,
                                           const TScoreTable& scores, const IndexResult& index,
                                           int courseHandicap) {
  std::vector<std::string> lines = {
      "",
      "",
      "Name:    " + CutTo(CutAtNul(longName), 26),
      "Course:  " + CutTo(CutAtNul(courseName), 26),
      "Printed: " + date,
      "Scores Posted: " + RightAligned(std::to_string(scores.Count()), 3),
      "INDEX: " + RightAligned(FormatTenths(index.Index), 5) +
          "    HCP: " + PadLeft(std::to_string(courseHandicap), 4),
      "",
      "NEWEST --> --> --> OLDEST  *USED",
  };
  for (int first = 1; first <= 16; first += 5) {
    std::string line = "   ";
    for (int j = first; j < first + 5; ++j)
      line += (j == first ? "" : "  ") + ScoreCell(scores, index, j);
    lines.push_back(line);
  }
  return lines;
}

int CardFontSize(PrintDevice& device, const std::string& fontName, int chosenSize) {
  for (int size = chosenSize; size >= SmallestCardFont; --size) {
    device.SetFont(fontName, size, {});
    const float line = TPrintObject::PixelsToInches(
        device.FontHeight() + device.FontExternalLeading(), device.PixelsPerInchY());
    if (static_cast<float>(CardLineCount) * line <= CardHeightInches) return size;
  }
  return 0;
}

void PrintHandicapCards(PrintDevice& device, const CardJob& job) {
  const int size = CardFontSize(device, "Courier", job.FontSize);
  if (size == 0)
    throw QmError("The handicap cards cannot be printed: 13 lines do not fit a card even at " +
                  std::to_string(SmallestCardFont) + " points on this printer.");
  const std::vector<CardSlot> slots =
      CardSlots(job.CardsLeft, static_cast<int>(job.Golfers.size()));
  TPrintObject page(device);
  try {
    page.Start();
    page.SetMargins(0.5f, 0.5f, 1.0f, 0.5f);
    page.SetTab(1, -1);
    page.SetTab(2, kColumn2);
    page.SetTextArea(1.0f, 10.5f);
    page.SetFontInformation("Courier", static_cast<std::int16_t>(size), {});
    const std::string courseName = CutAtNul(job.Course.CourseName);
    const std::string slope = CutAtNul(job.Course.Slope);
    TScoreTable scores;
    int sheet = 1;
    for (std::size_t i = 0; i < job.Golfers.size(); ++i) {
      const TRosterEntry& golfer = job.Golfers[i];
      // Everything the card says is known before its first line is drawn.
      const IndexResult index = CurrentIndex(golfer, job.UseMaxIndex, scores);
      const int handicap = ComputeCourseHandicap(index.Index, slope);
      const std::vector<std::string> lines =
          HandicapCardLines(golfer.LongName, courseName, job.Date, scores, index, handicap);
      const CardSlot& slot = slots[i];
      for (; sheet < slot.Sheet; ++sheet) page.NewPage();
      const auto column = static_cast<std::int16_t>(slot.Column);
      page.WriteLineColumn(column, lines[0], slot.TopInches());
      for (std::size_t n = 1; n < lines.size(); ++n)
        page.WriteLineColumn(column, lines[n], TPrintObject::NextLine);
    }
    page.Quit();
  } catch (...) {
    device.Abort();
    throw;
  }
}

}  // namespace qm
