// How long the golfer scores window takes with a golfer of 200 rounds:
// opening it (load, sort, index, list) and bringing it up to date after a
// change (sort, index, list).
//
//   golfer_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "support/qt_support.h"
#include "ui/prompts.h"
#include "window_bench.h"
#include "windows/qmapp.h"
#include "windows/qmgolfer.h"
#include "windows/qmscore.h"

using qm::test::Control;

namespace {

const qm::TRosterEntry kGolfer{"Pat Golfer", "PAT", 0};

// 200 complete rounds with hole scores, over a few years and two courses,
// newest first as every window saves them.
void WriteRounds() {
  std::ofstream out("PAT.qmg", std::ios::binary);
  for (int i = 0; i < 200; ++i) {
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02d%02d", 2012 - i / 24, 12 - (i % 24) / 2,
                  i % 2 == 0 ? 20 : 5);
    const int total = 78 + (i * 13) % 19;
    out << date << (i % 3 == 0 ? "~MAPLE RIDGE~" : "~OAK HILL~") << total << "~71.3~128~~";
    for (int h = 0; h < 18; ++h) out << (h == 0 ? total - 17 * 4 : 4) << '~';
    for (int h = 0; h < 18; ++h) out << "2~";
    out << total - 2 << "~12.3~14~\r\n";
  }
}

qm::TGolferForm* form = nullptr;

void BM_OpenWith200Rounds(benchmark::State& state) {
  for (auto _ : state) {
    form->hide();
    form->OpenFor(kGolfer);
  }
  benchmark::DoNotOptimize(Control<QLineEdit>(form, "IndexField")->text());
}
BENCHMARK(BM_OpenWith200Rounds)->Unit(benchmark::kMillisecond);

// The index and the list formed again, as after every change.
void BM_RecomputeAfterAChange(benchmark::State& state) {
  for (auto _ : state) form->FormActivate();
  benchmark::DoNotOptimize(Control<QLineEdit>(form, "IndexField")->text());
}
BENCHMARK(BM_RecomputeAfterAChange)->Unit(benchmark::kMillisecond);

// A whole change as the user makes it: Modify, a new total, OK, and the
// round taken back into the sorted table.
void BM_ConfirmAChangedRound(benchmark::State& state) {
  qm::TScoreForm* entry = qm::Program().ScoreForm;
  int round = 0;
  for (auto _ : state) {
    form->ModifyButtonClick();
    Control<QLineEdit>(entry, "ScoreTotal")
        ->setText(round++ % 2 == 0 ? QStringLiteral("85") : QStringLiteral("95"));
    entry->OKButtonClick();
    form->FormActivate();
  }
  benchmark::DoNotOptimize(form->Modified());
}
BENCHMARK(BM_ConfirmAChangedRound)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  const qm::bench::WindowBench bench(argc, argv, qm::Answer::No);
  bench.EnterFolder();
  std::ofstream("courses.qmd", std::ios::binary)
      << "MAPLE RIDGE~71.3~128~72~4~5~3~4~4~5~3~4~4~4~4~3~5~4~4~3~5~4~\r\n"
      << "OAK HILL~70.5~125~72~4~4~3~5~4~4~3~5~4~4~4~3~5~4~4~3~5~4~\r\n";
  WriteRounds();
  qm::Program().ScoreForm = new qm::TScoreForm;
  form = qm::Program().GolferForm = new qm::TGolferForm;
  form->OpenFor(kGolfer);
  QApplication::processEvents();

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  delete form;
  delete qm::Program().ScoreForm;
  return 0;
}
