// The competition rules against the rule book's worked examples: playing
// handicaps (plus values, the half toward plus infinity), strokes per hole,
// the Stableford and Par / Bogey cards, the countbacks under both fraction
// rules, a whole sheet with countback and with shared places, divisions.
#include "engine/competition.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qm::comp {
namespace {

constexpr Holes kPar = {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 3, 4, 5, 4};
constexpr StrokeIndex kSi = {7, 11, 15, 1, 9, 3, 17, 5, 13, 10, 16, 2, 8, 14, 18, 4, 12, 6};

// The example course at rating = par and slope 113: an index of PH.0 gives
// that PH at 100 %.
Course Example() { return Course{kPar, kSi, 72, 720, 113}; }

Player Card(const std::string& name, int ph, Holes score) {
  return Player{name, ph * 10, score, std::nullopt, true};
}

const Player kBen = Card("Ben", 12, {4, 5, 3, 5, 5, 4, 4, 4, 5, 5, 4, 5, 5, 5, 4, 5, 6, 6});
const Player kSonny = Card("Sonny", 20, {5, 5, 4, 5, 5, 5, 4, 5, 5, 5, 4, 5, 6, 6, 4, 6, 7, 6});
const Player kEve = Card("Eve", 18, {5, 5, 4, 6, 5, 5, 4, 5, 6, 5, 4, 6, 5, 5, 5, 5, 5, 5});
const Player kFred = Card("Fred", 12, {5, 5, 3, 5, 5, 5, 4, 5, 5, 5, 4, 5, 5, 4, 5, 4, 5, 5});
const Player kGail = Card("Gail", 7, {4, 5, 3, 5, 5, 4, 4, 4, 5, 5, 4, 6, 4, 4, 3, 4, 6, 4});
const Player kHugh = Card("Hugh", 10, {5, 5, 4, 5, 5, 4, 4, 4, 5, 5, 3, 6, 5, 4, 4, 5, 5, 4});
const Player kIvan = Card("Ivan", 3, {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 5, 3, 5, 5, 4});

// A sheet as one text: "Pos Name Result (Note)" a line.
std::string Sheet(const std::vector<Player>& players, Settings settings) {
  settings.Allowance = 100;
  std::ostringstream text;
  for (const Line& line : ResultSheet(Example(), settings, players)) {
    text << line.Pos << " " << line.Name << " " << line.Result;
    if (!line.Note.empty()) text << " (" << line.Note << ")";
    text << "; ";
  }
  return text.str();
}

std::string Joined(const Holes& values) {
  std::string text;
  for (int v : values) text += std::to_string(v) + " ";
  return text;
}

std::string Row(const std::vector<CardRow>& rows, const std::string& heading) {
  for (const CardRow& row : rows) {
    if (row.Heading != heading) continue;
    std::string text;
    for (const std::string& cell : row.Cells) text += (cell.empty() ? "." : cell) + " ";
    return text;
  }
  return "none";
}

TEST(Competition, TheRuleBooksVectors) {
  const Settings exactCountback;
  Settings whole;
  whole.Fraction = Fractions::WholeStrokes;
  Settings shared;
  shared.Countback = false;
  Settings stableford;
  stableford.Play = Format::Stableford;
  Settings parBogey;
  parBogey.Play = Format::ParBogey;
  const Holes v5 = {5, 6, 4, 6, 7, 6, 3, 5, 7, 5, 5, 7, 0, 4, 4, 5, 6, 6};
  const Holes v10 = {5, 4, 3, 6, 6, 4, 4, 5, 5, 4, 4, 6, 0, 5, 3, 5, 5, 5};
  const Holes v11 = {5, 5, 4, 6, 5, 5, 0, 5, 6, 5, 4, 6, 5, 5, 4, 5, 6, 5};
  const Player jo = Card("Jo", 15, {5, 5, 4, 6, 5, 5, 4, 5, 6, 5, 4, 6, 4, 5, 4, 5, 6, 5});
  const Player kim = Card("Kim", 24, {5, 5, 4, 6, 6, 6, 4, 6, 7, 6, 4, 6, 6, 5, 4, 5, 7, 6});
  const auto ph = [](int index10, int rating10, int slope, int par, int pct) {
    return std::to_string(PlayingHandicap(index10, slope, rating10, par, pct));
  };
  const auto card = [](const Player& player, const Settings& settings, const std::string& row) {
    Settings s = settings;
    s.Allowance = 100;
    return Row(CardRows(Example(), s, player), row);
  };
  const struct {
    const char* vector;
    std::string actual;
    std::string expected;
  } cases[] = {
      {"V1 8.6", ph(86, 710, 125, 71, 85), "8"},
      {"V1 10.3", ph(103, 710, 125, 71, 85), "10"},
      {"V2 27.7", ph(277, 711, 129, 72, 85), "26"},
      {"V2 7.9", ph(79, 711, 129, 72, 85), "7"},
      {"V3 18.4", ph(184, 724, 130, 72, 95), "20"},
      {"V3 0.0", ph(0, 724, 130, 72, 95), "0"},
      {"V3 +2.1", ph(-21, 724, 130, 72, 95), "-2"},
      {"V3 +4.6", ph(-46, 724, 130, 72, 95), "-5"},
      {"V3 CH -2.5", ph(-25, 720, 113, 72, 100), "-2"},
      {"V3 CH 2.5", ph(25, 720, 113, 72, 100), "3"},
      {"V3 shown", HandicapText(PlayingHandicap(-46, 130, 724, 72, 95)), "+5"},
      {"V4 PH 22", Joined(StrokesReceived(22, kSi)), "1 1 1 2 1 2 1 1 1 1 1 2 1 1 1 2 1 1 "},
      {"V4 PH 40", Joined(StrokesReceived(40, kSi)), "2 2 2 3 2 3 2 2 2 2 2 3 2 2 2 3 2 2 "},
      {"V4 PH 5", Joined(StrokesReceived(5, kSi)), "0 0 0 1 0 1 0 1 0 0 0 1 0 0 0 1 0 0 "},
      {"V4 PH -2", Joined(StrokesReceived(-2, kSi)), "0 0 0 0 0 0 -1 0 0 0 0 0 0 0 -1 0 0 0 "},
      {"V5 points", card(Card("A", 22, v5), stableford, "Points"),
       "2 1 2 3 0 2 3 2 1 2 1 2 0 3 2 3 2 1 16 16 32 "},
      {"V5 gross", card(Card("A", 22, v5), stableford, "Gross"),
       "5 6 4 6 7 6 3 5 7 5 5 7 . 4 4 5 6 6 49 . . "},
      {"V6", Sheet({kSonny, kBen}, exactCountback),
       "1 Ben 72 (countback: last 6); 2 Sonny 72 (countback: last 6); "},
      {"V6 whole", Sheet({kSonny, kBen}, whole),
       "1 Ben 72 (countback: last 6); 2 Sonny 72 (countback: last 6); "},
      {"V7 exact", Sheet({kFred, kEve}, exactCountback),
       "1 Eve 72 (countback: 18th); 2 Fred 72 (countback: 18th); "},
      {"V7 whole", Sheet({kEve, kFred}, whole),
       "1 Fred 72 (countback: 9th); 2 Eve 72 (countback: 9th); "},
      {"V8 exact", Sheet({kGail, kHugh}, exactCountback),
       "1 Hugh 72 (countback: last 9); 2 Gail 72 (countback: last 9); "},
      {"V8 whole", Sheet({kHugh, kGail}, whole),
       "1 Gail 72 (countback: last 6); 2 Hugh 72 (countback: last 6); "},
      {"V9", Sheet({kim, jo}, stableford),
       "1 Jo 34 (countback: last 6); 2 Kim 34 (countback: last 6); "},
      {"V10", card(Card("A", 10, v10), parBogey, "Result"),
       "0 0 0 0 -1 +1 -1 0 0 +1 -1 0 -1 -1 0 0 0 0 -1 -2 -3 "},
      {"V11 stroke", Sheet({Card("A", 15, v11)}, exactCountback), " A  (NR); "},
      {"V11 stableford", card(Card("A", 15, v11), stableford, "Points").substr(12, 2), "0 "},
      {"V12", Sheet({kBen, kEve, kFred, kGail, kHugh, kIvan, kSonny}, exactCountback),
       "1 Ivan 71; 2 Hugh 72 (countback: last 6); 3 Eve 72 (countback: last 6); "
       "4 Fred 72 (countback: 18th); 5 Gail 72 (countback: last 9); "
       "6 Ben 72 (countback: last 9); 7 Sonny 72 (countback: last 6); "},
      {"V12 shared", Sheet({kBen, kEve, kFred, kGail, kHugh, kIvan, kSonny}, shared),
       "1 Ivan 71; =2 Ben 72; =2 Eve 72; =2 Fred 72; =2 Gail 72; =2 Hugh 72; =2 Sonny 72; "},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.vector;
}

TEST(Competition, DivisionsAndPlayersNotPlaced) {
  EXPECT_EQ(ParseDivisions("12, 20"), (std::vector<int>{12, 20}));
  EXPECT_EQ(ParseDivisions(" "), std::vector<int>{});
  for (const char* bad : {"20, 12", "12,,20", "12 20", "a", "12, 12", "1.5"})
    EXPECT_FALSE(ParseDivisions(bad).has_value()) << bad;
  EXPECT_EQ(DivisionOf(-2, {12, 20}), 1);
  EXPECT_EQ(DivisionOf(12, {12, 20}), 1);
  EXPECT_EQ(DivisionOf(13, {12, 20}), 2);
  EXPECT_EQ(DivisionOf(21, {12, 20}), 3);

  // Each division has its own places; then NR, no hole scores, no index. A
  // total-only round shares the place of the first of its result.
  Settings settings;
  settings.Divisions = {12};
  Player total{"Tess", 120, {}, 84, true};
  Player noIndex = kIvan;
  noIndex.Name = "Nia";
  noIndex.Index10.reset();
  Player broken{"Bea", 50, {}, std::nullopt, false};
  EXPECT_EQ(Sheet({noIndex, kSonny, broken, kIvan, kFred, total, kEve}, settings),
            "1 Ivan 71; =2 Fred 72; =2 Tess 72; 1 Eve 72 (countback: last 9); "
            "2 Sonny 72 (countback: last 9);  Bea  (NR);  Nia  (no index); ");
}

}  // namespace
}  // namespace qm::comp
