#include "engine/competition.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "engine/tenths.h"

namespace qm::comp {

namespace {

constexpr int kNine = 9;

// The countback's steps, in turn: holes [First, First + Count).
struct Step {
  const char* Name;
  int First;
  int Count;
};
constexpr Step kSteps[] = {{"last 9", 9, 9}, {"last 6", 12, 6},   {"last 3", 15, 3},
                           {"18th", 17, 1},  {"holes 4-9", 3, 6}, {"holes 7-9", 6, 3},
                           {"9th", 8, 1}};
constexpr int kStepCount = static_cast<int>(std::size(kSteps));

std::int64_t FloorDiv(std::int64_t num, std::int64_t den) {
  std::int64_t q = num / den;
  if (num % den != 0 && (num < 0) != (den < 0)) --q;
  return q;
}

// A hole's points: Stableford's, or Par / Bogey's +1, 0 or -1.
int HolePoints(Format play, int par, int strokes, int gross) {
  if (play == Format::Stableford) return gross > 0 ? std::max(0, 2 + par + strokes - gross) : 0;
  if (gross <= 0) return -1;
  const int net = gross - strokes;
  return net < par ? 1 : net == par ? 0 : -1;
}

int Sum(const Holes& values, int first, int count) {
  return std::accumulate(values.begin() + first, values.begin() + first + count, 0);
}

bool AllScored(const Holes& score, int first, int count) {
  return std::all_of(score.begin() + first, score.begin() + first + count,
                     [](int s) { return s > 0; });
}

enum class Status { Placed, NoReturn, NoHoleScores, NoIndex };

// One player worked out.
struct Worked {
  int Player = 0;
  Status State = Status::Placed;
  std::optional<int> Ch, Ph;
  std::optional<int> Gross;
  bool Card = false;                            // a card the countback can look at
  int Value = 0;                                // the result, higher is better
  std::array<std::int64_t, kStepCount> Keys{};  // the countback's steps, higher is better
  std::string Out, In, Result;
  int Division = 1;
  int Place = 0;
};

// What the format shows of one nine, or of all 18 holes.
std::string NineText(Format play, const Holes& score, const Holes& points, int first, int count) {
  if (play == Format::StrokePlay)
    return AllScored(score, first, count) ? std::to_string(Sum(score, first, count)) : "";
  const int sum = Sum(points, first, count);
  return play == Format::Stableford ? std::to_string(sum) : MatchText(sum);
}

Worked Work(const Course& course, const Settings& settings, const Player& player, int position) {
  Worked w;
  w.Player = position;
  const bool any =
      std::any_of(player.Score.begin(), player.Score.end(), [](int s) { return s > 0; });
  const bool all = AllScored(player.Score, 0, HoleCount);
  if (!settings.Scratch && player.Index10) {
    w.Ch = ShownCourseHandicap(*player.Index10, course.Slope, course.Rating10, course.ParTotal);
    w.Ph = PlayingHandicap(*player.Index10, course.Slope, course.Rating10, course.ParTotal,
                           settings.Allowance);
  } else if (settings.Scratch) {
    if (player.Index10)
      w.Ch = ShownCourseHandicap(*player.Index10, course.Slope, course.Rating10, course.ParTotal);
    w.Ph = 0;
  }
  if (all) w.Gross = Sum(player.Score, 0, HoleCount);
  if (!any && player.StoredIsNumber) w.Gross = player.Stored;

  if ((!any && (!player.StoredIsNumber || !player.Stored)) ||
      (settings.Play == Format::StrokePlay && any && !all)) {
    w.State = Status::NoReturn;
  } else if (settings.Play != Format::StrokePlay && !any) {
    w.State = Status::NoHoleScores;
  } else if (!w.Ph) {
    w.State = Status::NoIndex;
  }
  if (w.Ph) w.Division = DivisionOf(*w.Ph, settings.Divisions);
  if (w.State != Status::Placed) return w;

  const int ph = *w.Ph;
  Holes strokes{};
  if (course.Strokes) strokes = StrokesReceived(ph, *course.Strokes);
  Holes points{};
  if (settings.Play != Format::StrokePlay)
    for (int h = 0; h < HoleCount; ++h)
      points[h] = HolePoints(settings.Play, course.Par[h], strokes[h], player.Score[h]);
  w.Out = NineText(settings.Play, player.Score, points, 0, kNine);
  w.In = NineText(settings.Play, player.Score, points, kNine, kNine);
  if (settings.Play == Format::StrokePlay) {
    const int net = *w.Gross - ph;
    w.Value = -net;
    w.Result = std::to_string(net);
    w.Card = all;
    for (int k = 0; k < kStepCount; ++k) {
      const Step& step = kSteps[k];
      const std::int64_t gross = Sum(player.Score, step.First, step.Count);
      w.Keys[k] = settings.Fraction == Fractions::Exact
                      ? -(18 * gross - std::int64_t{ph} * step.Count)
                      : -(gross - RoundHalfUp(std::int64_t{ph} * step.Count, 18));
    }
  } else {
    w.Value = Sum(points, 0, HoleCount);
    w.Result = settings.Play == Format::Stableford ? std::to_string(w.Value) : MatchText(w.Value);
    w.Card = true;
    for (int k = 0; k < kStepCount; ++k) w.Keys[k] = Sum(points, kSteps[k].First, kSteps[k].Count);
  }
  return w;
}

// The first step at which a and b differ, or -1.
int DecidingStep(const Worked& a, const Worked& b) {
  for (int k = 0; k < kStepCount; ++k)
    if (a.Keys[k] != b.Keys[k]) return k;
  return -1;
}

// Whether q stands strictly ahead of p.
bool Ahead(const Worked& q, const Worked& p, bool countback) {
  if (q.Value != p.Value) return q.Value > p.Value;
  if (!countback || !q.Card || !p.Card) return false;
  const int k = DecidingStep(q, p);
  return k >= 0 && q.Keys[k] > p.Keys[k];
}

// The notes of a run of equal results in sheet order: the step that
// separated each card from the one just above it, the first from the one
// below.
void NoteCountback(const std::vector<Worked*>& run, std::vector<Line>& lines,
                   const std::vector<int>& lineOf) {
  std::vector<Worked*> cards;
  for (Worked* w : run)
    if (w->Card) cards.push_back(w);
  for (std::size_t i = 0; i < cards.size(); ++i) {
    const Worked* other = i > 0 ? cards[i - 1] : cards.size() > 1 ? cards[1] : nullptr;
    if (other == nullptr) continue;
    const int k = DecidingStep(*cards[i], *other);
    if (k >= 0)
      lines[static_cast<std::size_t>(lineOf[static_cast<std::size_t>(cards[i]->Player)])].Note =
          std::string("countback: ") + kSteps[k].Name;
  }
}

std::string IndexText(int index10) {
  return index10 < 0 ? "+" + TenthsText(-index10) : TenthsText(index10);
}

Line LineOf(const Worked& w, const Player& player, const Settings& settings) {
  Line line;
  line.Player = w.Player;
  line.Name = player.Name;
  if (!settings.Divisions.empty() && w.Ph) line.Div = std::to_string(w.Division);
  if (player.Index10) line.Index = IndexText(*player.Index10);
  if (w.Ch) line.CourseHcp = HandicapText(*w.Ch);
  if (w.Ph && (w.State != Status::NoIndex)) line.PlayingHcp = HandicapText(*w.Ph);
  line.Out = w.Out;
  line.In = w.In;
  if (w.Gross) {
    line.Gross = std::to_string(*w.Gross);
  } else if (w.State == Status::NoReturn && settings.Play == Format::StrokePlay) {
    line.Gross = "NR";
  }
  line.Result = w.Result;
  switch (w.State) {
    case Status::NoReturn: line.Note = "NR"; break;
    case Status::NoHoleScores: line.Note = "no hole scores"; break;
    case Status::NoIndex: line.Note = "no index"; break;
    case Status::Placed: break;
  }
  return line;
}

}  // namespace

int PlayingHandicap(int index10, int slope, int rating10, int par, int percent) {
  const std::int64_t num =
      (std::int64_t{index10} * slope + 113 * (std::int64_t{rating10} - 10 * std::int64_t{par})) *
      percent;
  return static_cast<int>(RoundHalfUp(num, 113000));
}

Holes StrokesReceived(int playingHandicap, const StrokeIndex& strokeIndex) {
  const std::int64_t q = FloorDiv(playingHandicap, HoleCount);
  const std::int64_t r = playingHandicap - HoleCount * q;
  Holes strokes{};
  for (int h = 0; h < HoleCount; ++h)
    strokes[h] = static_cast<int>(q + (strokeIndex[h] <= r ? 1 : 0));
  return strokes;
}

std::string HandicapText(int handicap) {
  return handicap < 0 ? "+" + std::to_string(-std::int64_t{handicap}) : std::to_string(handicap);
}

std::string MatchText(int holes) {
  if (holes == 0) return "AS";
  return (holes > 0 ? "+" : "") + std::to_string(holes);
}

std::optional<std::vector<int>> ParseDivisions(const std::string& text) {
  std::vector<int> limits;
  std::size_t at = 0;
  const auto blank = [&] {
    while (at < text.size() && text[at] == ' ') ++at;
  };
  blank();
  if (at == text.size()) return limits;
  while (true) {
    blank();
    const std::size_t start = at;
    if (at < text.size() && text[at] == '-') ++at;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
    const std::string number = text.substr(start, at - start);
    if (number.empty() || number == "-" || number.size() > 4) return std::nullopt;
    const int limit = std::stoi(number);
    if (!limits.empty() && limit <= limits.back()) return std::nullopt;
    limits.push_back(limit);
    blank();
    if (at == text.size()) return limits;
    if (text[at] != ',') return std::nullopt;
    ++at;
  }
}

int DivisionOf(int playingHandicap, const std::vector<int>& limits) {
  for (std::size_t i = 0; i < limits.size(); ++i)
    if (playingHandicap <= limits[i]) return static_cast<int>(i) + 1;
  return static_cast<int>(limits.size()) + 1;
}

std::vector<Line> ResultSheet(const Course& course, const Settings& settings,
                              const std::vector<Player>& players) {
  std::vector<Worked> worked;
  worked.reserve(players.size());
  for (std::size_t i = 0; i < players.size(); ++i)
    worked.push_back(Work(course, settings, players[i], static_cast<int>(i)));

  std::vector<Worked*> placed, rest;
  for (Worked& w : worked) (w.State == Status::Placed ? placed : rest).push_back(&w);
  for (Worked* p : placed) {
    p->Place = 1;
    for (const Worked* q : placed)
      if (q->Division == p->Division && Ahead(*q, *p, settings.Countback)) ++p->Place;
  }
  std::stable_sort(placed.begin(), placed.end(), [](const Worked* a, const Worked* b) {
    if (a->Division != b->Division) return a->Division < b->Division;
    return a->Place < b->Place;
  });
  std::stable_sort(rest.begin(), rest.end(),
                   [](const Worked* a, const Worked* b) { return a->State < b->State; });

  std::vector<Line> lines;
  std::vector<int> lineOf(players.size(), 0);
  for (const Worked* w : placed) {
    lineOf[static_cast<std::size_t>(w->Player)] = static_cast<int>(lines.size());
    Line line = LineOf(*w, players[static_cast<std::size_t>(w->Player)], settings);
    const bool shared = std::any_of(placed.begin(), placed.end(), [&](const Worked* o) {
      return o != w && o->Division == w->Division && o->Place == w->Place;
    });
    line.Pos = (shared ? "=" : "") + std::to_string(w->Place);
    lines.push_back(std::move(line));
  }
  if (settings.Countback) {
    for (std::size_t i = 0; i < placed.size();) {
      std::size_t j = i;
      while (j < placed.size() && placed[j]->Division == placed[i]->Division &&
             placed[j]->Value == placed[i]->Value)
        ++j;
      NoteCountback({placed.begin() + static_cast<std::ptrdiff_t>(i),
                     placed.begin() + static_cast<std::ptrdiff_t>(j)},
                    lines, lineOf);
      i = j;
    }
  }
  for (const Worked* w : rest)
    lines.push_back(LineOf(*w, players[static_cast<std::size_t>(w->Player)], settings));
  return lines;
}

std::vector<CardRow> CardRows(const Course& course, const Settings& settings,
                              const Player& player) {
  const Worked w = Work(course, settings, player, 0);
  const auto text = [](int value) { return std::to_string(value); };
  CardRow par{"Par", {}}, index{"Stroke index", {}}, strokes{"Strokes", {}}, gross{"Gross", {}},
      net{"Net", {}};
  for (int h = 0; h < HoleCount; ++h) par.Cells[h] = text(course.Par[h]);
  par.Cells[18] = text(Sum(course.Par, 0, kNine));
  par.Cells[19] = text(Sum(course.Par, kNine, kNine));
  par.Cells[20] = text(Sum(course.Par, 0, HoleCount));

  std::optional<Holes> received;
  if (course.Strokes && w.Ph) received = StrokesReceived(*w.Ph, *course.Strokes);
  if (course.Strokes)
    for (int h = 0; h < HoleCount; ++h) index.Cells[h] = text((*course.Strokes)[h]);
  if (received) {
    for (int h = 0; h < HoleCount; ++h) strokes.Cells[h] = text((*received)[h]);
    strokes.Cells[18] = text(Sum(*received, 0, kNine));
    strokes.Cells[19] = text(Sum(*received, kNine, kNine));
  }
  if (w.Ph) strokes.Cells[20] = text(*w.Ph);

  for (int h = 0; h < HoleCount; ++h) {
    if (player.Score[h] <= 0) continue;
    gross.Cells[h] = text(player.Score[h]);
    if (received) net.Cells[h] = text(player.Score[h] - (*received)[h]);
  }
  for (int nine = 0; nine < 2; ++nine) {
    if (!AllScored(player.Score, nine * kNine, kNine)) continue;
    const int sum = Sum(player.Score, nine * kNine, kNine);
    gross.Cells[18 + nine] = text(sum);
    if (received) net.Cells[18 + nine] = text(sum - Sum(*received, nine * kNine, kNine));
  }
  if (w.Gross) gross.Cells[20] = text(*w.Gross);
  if (w.Gross && w.Ph) net.Cells[20] = text(*w.Gross - *w.Ph);

  std::vector<CardRow> rows = {par, index, strokes, gross, net};
  if (settings.Play == Format::StrokePlay || !received) {
    if (settings.Play != Format::StrokePlay)
      rows.push_back({settings.Play == Format::Stableford ? "Points" : "Result", {}});
    return rows;
  }
  CardRow points{settings.Play == Format::Stableford ? "Points" : "Result", {}};
  Holes values{};
  for (int h = 0; h < HoleCount; ++h) {
    values[h] = HolePoints(settings.Play, course.Par[h], (*received)[h], player.Score[h]);
    points.Cells[h] = text(values[h]);
    if (settings.Play == Format::ParBogey && values[h] > 0) points.Cells[h] = "+1";
  }
  const auto shown = [&](int sum) {
    return settings.Play == Format::Stableford ? text(sum) : MatchText(sum);
  };
  points.Cells[18] = shown(Sum(values, 0, kNine));
  points.Cells[19] = shown(Sum(values, kNine, kNine));
  points.Cells[20] = shown(Sum(values, 0, HoleCount));
  rows.push_back(points);
  return rows;
}

}  // namespace qm::comp
