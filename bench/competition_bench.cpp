// How long the competition window takes for a club of 300 golfers with 200
// rounds each, 60 of whom played one course on the newest day: opening it
// (every score file read, the field gathered with each player's index that
// morning, the sheet and the card shown) and changing the format (the
// field is not read again). The baseline, measured in the same run, opens
// the golfer list on the same club.
//
//   competition_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "dataset.h"
#include "ratios.h"
#include "store/courses.h"
#include "store/roster.h"
#include "store/strokes.h"
#include "support/qt_support.h"
#include "ui/prompts.h"
#include "window_bench.h"
#include "windows/qmapp.h"
#include "windows/qmcompetition.h"
#include "windows/qmgpick.h"
#include "windows/qmscore.h"

namespace {

void BM_OpenCompetition(benchmark::State& state) {
  qm::bench::TimeOpening(state, [] { return qm::TCompetitionForm::Open(); });
}
BENCHMARK(BM_OpenCompetition)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ChangeFormat(benchmark::State& state) {
  qm::TCompetitionForm* form = qm::TCompetitionForm::Open();
  QApplication::processEvents();
  auto* format = qm::test::Control<QComboBox>(form, "FormatField");
  int next = 1;
  for (auto _ : state) {
    format->setCurrentIndex(next);
    next = 1 - next;
    QApplication::processEvents();
  }
  benchmark::DoNotOptimize(form->Sheet().size());
  delete form;
}
BENCHMARK(BM_ChangeFormat)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenGolferList(benchmark::State& state) { qm::bench::TimeGolferListOpening(state); }
BENCHMARK(BM_OpenGolferList)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  const qm::bench::WindowBench bench(argc, argv, qm::Answer::No);
  const qm::bench::Dataset set = qm::bench::WriteDataset(bench.Folder());
  bench.EnterFolder();
  qm::TCourseTable courses;
  qm::LoadCourses(courses);
  qm::SortCourses(courses);
  const std::string course = courses.At(1).CourseName;
  const qm::StrokeIndex card = {7, 15, 3, 11, 1, 17, 9, 5, 13, 8, 16, 2, 12, 4, 18, 10, 6, 14};
  qm::StoreStrokeIndex(course, card);
  // Every fifth golfer played that course on a day after all other rounds.
  for (std::size_t g = 0; g < set.ScoreFiles.size() && g < 300; g += 5) {
    std::ofstream file(set.ScoreFiles[g], std::ios::binary | std::ios::app);
    std::string line = "20990601~" + course + "~";
    std::string holes;
    int total = 0;
    for (int h = 0; h < 18; ++h) {
      const int score = 4 + static_cast<int>((g + static_cast<std::size_t>(h)) % 3);
      total += score;
      holes += std::to_string(score) + "~";
    }
    line += std::to_string(total) + "~" + courses.At(1).Rating + "~" + courses.At(1).Slope + "~~" +
            holes;
    for (int h = 0; h < 18; ++h) line += "2~";
    file << line << total << "~0~0~\r\n";
  }

  qm::Program().ScoreForm = new qm::TScoreForm;

  qm::bench::RunWithRatios(argc, argv,
                           {{"BM_OpenCompetition/real_time", "competition window",
                             "BM_OpenGolferList/real_time", "golfer list"},
                            {"BM_ChangeFormat/real_time", "a change of format",
                             "BM_OpenGolferList/real_time", "golfer list"}});
  delete qm::Program().ScoreForm;
  return 0;
}
