// The golfer list window's two waits a user notices: opening the list on a
// full roster of 300 golfers (the roster read, sorted and listed, the window
// shown and painted), and Add a Score for a golfer with 199 rounds up to the
// score entry window shown (the file read and sorted, the index worked out,
// the window primed, shown and painted).
//
//   gpick_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "store/scores.h"
#include "support/qt_support.h"
#include "ui/prompts.h"
#include "window_bench.h"
#include "windows/qmapp.h"
#include "windows/qmgpick.h"
#include "windows/qmscore.h"

using qm::test::Control;

namespace {

// 300 golfers in no order; golfer "G100" has 199 rounds, the others none.
void WriteFiles() {
  std::ofstream roster("golfers.qmd", std::ios::binary);
  for (int i = 0; i < 300; ++i) {
    const int n = (i * 7919) % 300 + 100;
    roster << "Golfer Number " << n << "~G" << n << "~" << (n % 2) << "~\r\n";
  }
  qm::TScoreTable table;
  for (int i = 0; i < 199; ++i) {
    qm::TScoreRec rec = qm::PlaceholderScoreRec();
    rec.Date = std::to_string(19900101 + (i % 20) * 10000 + (i % 12) * 100 + i % 28);
    rec.Course = "MAPLE RIDGE";
    rec.ScoreTotal = rec.AdjScore = std::to_string(80 + i % 15);
    rec.Rating = "71.3";
    rec.Slope = "128";
    for (int hole = 0; hole < 18; ++hole) rec.HoleScore[hole] = std::to_string(4 + hole % 3);
    table.Entries.push_back(rec);
  }
  qm::SaveScores(table, "G100.qmg");
  std::ofstream("courses.qmd", std::ios::binary)
      << "MAPLE RIDGE~71.3~128~72~4~5~3~4~4~5~3~4~4~4~4~3~5~4~4~3~5~4~\r\n";
}

void BM_OpenGolferList(benchmark::State& state) { qm::bench::TimeGolferListOpening(state); }
BENCHMARK(BM_OpenGolferList)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AddAScoreFor199Rounds(benchmark::State& state) {
  qm::TGPickForm list;
  list.show();
  QApplication::processEvents();
  Control<QListWidget>(&list, "GolferListBox")->setCurrentRow(0);  // "Golfer Number 100"
  qm::TScoreForm* form = qm::Program().ScoreForm;
  for (auto _ : state) {
    list.AddAScoreButtonClick();
    QApplication::processEvents();
    if (!form->isVisible()) state.SkipWithError("the score entry window was not shown");
    state.PauseTiming();
    form->CancelButtonClick();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddAScoreFor199Rounds)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  const qm::bench::WindowBench bench(argc, argv);
  bench.EnterFolder();
  WriteFiles();
  qm::Program().ScoreForm = new qm::TScoreForm;

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  delete qm::Program().ScoreForm;
  return 0;
}
