// The whole-club pass (every golfer's score file loaded, sorted and run
// through the index: what the handicap list, the cards and the golfer list
// do first) against merely reading the same files, for files written oldest
// first and newest first; and the same pass made of a load in file order
// and a sort of the records, for comparison. After the runs the ratio of the two is printed for
// each order against both ways of reading (in this process, and the `cat`
// program), from medians when repetitions are asked for
// (--benchmark_repetitions=N).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "dataset.h"
#include "engine/index.h"
#include "ratios.h"
#include "store/scores.h"

namespace {

namespace fs = std::filesystem;
using qm::bench::Dataset;
using qm::bench::FileOrder;

const Dataset& Club(FileOrder order) {
  static std::map<FileOrder, Dataset> sets;
  auto it = sets.find(order);
  if (it == sets.end()) {
    qm::bench::DatasetShape shape;
    shape.Order = order;
    std::string name = order == FileOrder::OldestFirst ? "oldest" : "newest";
    it = sets.emplace(order, qm::bench::WriteDataset(qm::bench::ScratchFolder(name), shape)).first;
  }
  return it->second;
}

void ReadFiles(benchmark::State& state, FileOrder order) {
  const Dataset& set = Club(order);
  fs::current_path(set.Folder);
  for (auto _ : state) benchmark::DoNotOptimize(qm::bench::ReadScoreFiles(set));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * set.Bytes));
}

// The `cat` program itself, all files in one run, output to /dev/null: the
// figure a user gets by timing `cat *.qmg` in the data folder.
void CatFiles(benchmark::State& state, FileOrder order) {
  const Dataset& set = Club(order);
  fs::current_path(set.Folder);
  std::vector<std::string> args{"cat"};
  args.insert(args.end(), set.ScoreFiles.begin(), set.ScoreFiles.end());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t pid;
    int status = 0;
    if (posix_spawnp(&pid, "cat", &actions, nullptr, argv.data(), environ) != 0 ||
        waitpid(pid, &status, 0) != pid || status != 0) {
      state.SkipWithError("cat failed");
      break;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * set.Bytes));
}

// Every score file of the club loaded sorted by load(table, name), then
// run through the index.
template <class Load>
void TimeClubPass(benchmark::State& state, FileOrder order, Load load) {
  const Dataset& set = Club(order);
  fs::current_path(set.Folder);
  qm::TScoreTable table;
  qm::IndexRequest request;
  for (auto _ : state) {
    long double sum = 0;
    for (const std::string& name : set.ScoreFiles) {
      load(table, name);
      sum += qm::CalcIndex(table, request).Index;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * set.Bytes));
}

// As the handicap list and the golfer list make it: each file read straight
// into sorted places.
void ClubPass(benchmark::State& state, FileOrder order) {
  TimeClubPass(state, order, [](qm::TScoreTable& table, const std::string& name) {
    qm::LoadSortedScores(table, name, false);
  });
}

// Reading in file order, then sorting the records: what a window that
// changes a table does, and what the pass did before.
void LoadThenSort(benchmark::State& state, FileOrder order) {
  TimeClubPass(state, order, [](qm::TScoreTable& table, const std::string& name) {
    qm::LoadScores(table, name, false);
    qm::SortScores(table);
  });
}

BENCHMARK_CAPTURE(ReadFiles, OldestFirst, FileOrder::OldestFirst)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CatFiles, OldestFirst, FileOrder::OldestFirst)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClubPass, OldestFirst, FileOrder::OldestFirst)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThenSort, OldestFirst, FileOrder::OldestFirst)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadFiles, NewestFirst, FileOrder::NewestFirst)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CatFiles, NewestFirst, FileOrder::NewestFirst)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClubPass, NewestFirst, FileOrder::NewestFirst)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadThenSort, NewestFirst, FileOrder::NewestFirst)->Unit(benchmark::kMillisecond);

void PrintRatios(const qm::bench::RatioReporter& reporter) {
  for (const char* order : {"OldestFirst", "NewestFirst"}) {
    const Dataset& set =
        Club(std::string(order) == "OldestFirst" ? FileOrder::OldestFirst : FileOrder::NewestFirst);
    std::printf("%s: %zu score files, %zu bytes\n", order, set.ScoreFiles.size(), set.Bytes);
    for (const char* pass : {"ClubPass", "LoadThenSort"}) {
      for (const char* baseline : {"ReadFiles", "CatFiles"}) {
        reporter.PrintRatio(std::string(pass) + "/" + order, std::string(order) + ": " + pass,
                            std::string(baseline) + "/" + order, baseline);
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  fs::path start = fs::current_path();
  qm::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintRatios(reporter);
  fs::current_path(start);
  std::error_code ignored;
  fs::remove_all(qm::bench::ScratchFolder("").parent_path(), ignored);
  benchmark::Shutdown();
  return 0;
}
