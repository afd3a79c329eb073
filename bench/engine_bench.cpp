// The handicap engine's hot paths: the index over a full score table (every
// golfer of a handicap list runs it), and the score card recomputation that
// follows each field the user leaves.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "engine/index.h"
#include "engine/scorecard.h"
#include "engine/whs.h"

namespace {

// 200 scores, newest first, with an incomplete one every seventh position
// and a typical spread of ratings, slopes and adjusted scores.
qm::TScoreTable FullTable() {
  qm::TScoreTable table;
  for (int i = 0; i < qm::MaxScores; ++i) {
    qm::TScoreRec rec;
    rec.Date = std::to_string(20091231 - i * 100);
    rec.Course = "Riverside Golf and Country Club";
    rec.ScoreTotal = i % 7 == 3 ? "0" : std::to_string(78 + i * 37 % 19);
    rec.Rating = i % 2 ? "70.5" : "72.3";
    rec.Slope = std::to_string(118 + i * 13 % 21);
    rec.AdjScore = i % 3 ? std::to_string(77 + i * 37 % 17) : "0";
    rec.HoleScore.fill("5");
    rec.HolePutts.fill("2");
    table.Entries.push_back(rec);
  }
  return table;
}

class NullSheet : public qm::IndexSheet {
 public:
  void ClearIndexLines() override { chars_ = 0; }
  void SetIndexLine(int, const std::string& text) override { chars_ += text.size(); }
  std::size_t chars_ = 0;
};

void CalcIndexNone(benchmark::State& state) {
  qm::TScoreTable table = FullTable();
  qm::IndexRequest request;
  request.LongName = "Bartholomew Featherstone";
  for (auto _ : state) {
    qm::IndexResult result = qm::CalcIndex(table, request);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(CalcIndexNone);

void CalcIndexDisplay(benchmark::State& state) {
  qm::TScoreTable table = FullTable();
  NullSheet sheet;
  qm::IndexRequest request;
  request.LongName = "Bartholomew Featherstone";
  request.Output = qm::IndexOutput::Display;
  request.Style = qm::AccountStyle::ScoresWindow;
  request.Sheet = &sheet;
  for (auto _ : state) {
    qm::IndexResult result = qm::CalcIndex(table, request);
    benchmark::DoNotOptimize(result);
    benchmark::DoNotOptimize(sheet.chars_);
  }
}
BENCHMARK(CalcIndexDisplay);

// Everything the score entry window recomputes for one 18-hole card.
void ScoreCardRecompute(benchmark::State& state) {
  qm::ScoreCard card;
  const std::array<const char*, 18> strokes{"5", "4", "9", "3", "5", "4", "4", "5", "4",
                                            "6", "5", "4", "4", "5", "5", "4", "4", "5"};
  const std::array<const char*, 18> pars{"4", "4", "5", "3", "4", "4", "3", "5", "4",
                                         "4", "5", "4", "3", "4", "4", "3", "5", "4"};
  for (int h = 0; h < qm::HoleCount; ++h) {
    card.Score[h] = strokes[h];
    card.Putts[h] = "2";
    card.Par[h] = pars[h];
  }
  card.CourseHandicapField = "14";
  card.RatingField = "70.5";
  card.SlopeField = "125";
  for (auto _ : state) {
    qm::ComputeParNines(card);
    qm::ComputeScoreOut(card);
    qm::ComputeScoreIn(card);
    qm::ComputeScoreTotal(card);  // with the adjusted score and the differential
    qm::ComputePuttsOut(card);
    qm::ComputePuttsIn(card);
    qm::ComputePuttsTotal(card);
    benchmark::DoNotOptimize(card.ScoreDiff);
  }
}
BENCHMARK(ScoreCardRecompute);

// The World Handicap System estimate of the insight window: 200 rounds,
// every one with its holes, on a course of a list of 200 with no stroke
// indexes (the lowest-value rule each time) among 200 stroke index lines.
void WhsReplay(benchmark::State& state) {
  qm::TScoreTable table = FullTable();
  qm::TCourseTable courses;
  qm::TStrokeTable strokes;
  for (int i = 0; i < qm::MaxCourses; ++i) {
    qm::TCourseRec course{"Course " + std::to_string(i), "70.5", "125", "72", {}};
    course.HolePar.fill("4");
    courses.Entries.push_back(course);
    qm::TStrokeLine line{"", "Other " + std::to_string(i), true, {}};
    for (int h = 0; h < qm::HoleCount; ++h) line.Index[h] = h + 1;
    strokes.Entries.push_back(line);
  }
  courses.Entries.back().CourseName = table.At(1).Course;
  const std::array<int, qm::HoleCount> scores = {5, 4, 9, 3, 5, 4, 4, 5, 4,
                                                 6, 5, 7, 4, 5, 5, 4, 4, 5};
  for (int i = 0; i < table.Count(); ++i) {
    // FullTable's dates step a month back from the 31st; these are days.
    table.Entries[i].Date = std::to_string(20091228 - i % 12 * 100 - i / 12 * 10000);
    for (int h = 0; h < qm::HoleCount; ++h) {
      table.Entries[i].HoleScore[h] = std::to_string(scores[(h + i) % qm::HoleCount]);
    }
  }
  for (auto _ : state) {
    qm::whs::Estimate estimate = qm::whs::ReplayWhs(table, courses, strokes);
    benchmark::DoNotOptimize(estimate);
  }
}
BENCHMARK(WhsReplay)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
