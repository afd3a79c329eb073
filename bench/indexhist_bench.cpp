// How long the index history window takes to open for a golfer with 200
// rounds and a course list of 40 courses: the score file and the course list
// read, the index after each round replayed, the keep and lower scores
// searched at every course, the statistics, and the window built, shown and
// painted. The baseline, measured in the same run, opens the golfer scores
// window on the same golfer; the insight rules alone and the World Handicap
// System estimate alone are measured too. Every other course has stroke
// indexes, so the estimate meets each way of adjusting a round.
//
//   indexhist_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "dataset.h"
#include "engine/golfer.h"
#include "engine/insight.h"
#include "engine/whsview.h"
#include "ratios.h"
#include "store/courses.h"
#include "store/roster.h"
#include "store/scores.h"
#include "store/strokes.h"
#include "ui/prompts.h"
#include "window_bench.h"
#include "windows/qmapp.h"
#include "windows/qmgolfer.h"
#include "windows/qmindexhist.h"
#include "windows/qmscore.h"

namespace {

qm::TRosterEntry golfer;

void BM_OpenIndexHistory(benchmark::State& state) {
  qm::bench::TimeOpening(state, [] { return qm::TIndexHistoryForm::OpenFor(golfer, true); });
}
BENCHMARK(BM_OpenIndexHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

// The golfer's rounds and the course list, as the window reads them.
std::pair<qm::TScoreTable, qm::TCourseTable> ReadTables() {
  qm::TScoreTable scores;
  qm::LoadSortedScores(scores, qm::ScoreFileName(golfer), false);
  qm::TCourseTable courses;
  qm::LoadCourses(courses);
  qm::SortCourses(courses);
  return {scores, courses};
}

// The rules alone, over tables already read.
void BM_InsightRules(benchmark::State& state) {
  const auto [scores, courses] = ReadTables();
  const qm::IndexRequest request = qm::GolferIndexRequest(golfer, true);
  for (auto _ : state) {
    const qm::GolferInsight insight = qm::BuildInsight(scores, courses, request, "20240614");
    benchmark::DoNotOptimize(insight.Forecast.size());
  }
}
BENCHMARK(BM_InsightRules)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WhsEstimate(benchmark::State& state) {
  const auto [scores, courses] = ReadTables();
  qm::TStrokeTable strokes;
  qm::LoadStrokes(strokes);
  for (auto _ : state) {
    const qm::whs::View view = qm::whs::ViewOf(scores, courses, strokes);
    benchmark::DoNotOptimize(view.Courses.size());
  }
}
BENCHMARK(BM_WhsEstimate)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenGolferScores(benchmark::State& state) {
  qm::TGolferForm* form = qm::Program().GolferForm;
  for (auto _ : state) {
    form->hide();
    form->OpenFor(golfer);
    QApplication::processEvents();
  }
  benchmark::DoNotOptimize(form->Scores().Count());
}
BENCHMARK(BM_OpenGolferScores)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  const qm::bench::WindowBench bench(argc, argv, qm::Answer::No);
  qm::bench::DatasetShape shape;
  shape.Golfers = 1;
  shape.RoundsPerGolfer = 200;
  shape.Courses = 40;
  qm::bench::WriteDataset(bench.Folder(), shape);
  bench.EnterFolder();
  qm::TRosterTable roster;
  qm::LoadRoster(roster);
  golfer = roster.At(1);
  qm::TCourseTable courses;
  qm::LoadCourses(courses);
  const qm::StrokeIndex card = {7, 15, 3, 11, 1, 17, 9, 5, 13, 8, 16, 2, 12, 4, 18, 10, 6, 14};
  for (int n = 1; n <= courses.Count(); n += 2)
    qm::StoreStrokeIndex(courses.At(n).CourseName, card);
  qm::Program().ScoreForm = new qm::TScoreForm;
  qm::Program().GolferForm = new qm::TGolferForm;

  qm::bench::RunWithRatios(argc, argv,
                           {{"BM_OpenIndexHistory/real_time", "index history window",
                             "BM_OpenGolferScores/real_time", "golfer scores window"}});
  delete qm::Program().GolferForm;
  delete qm::Program().ScoreForm;
  return 0;
}
