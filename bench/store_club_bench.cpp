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

// What `cat` does with the files: open, read every byte, close.
std::size_t ReadAll(const Dataset& set) {
  std::size_t total = 0;
  std::vector<char> buffer(1 << 16);
  for (const std::string& name : set.ScoreFiles) {
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file == nullptr) std::abort();
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) total += got;
    std::fclose(file);
  }
  return total;
}

void ReadFiles(benchmark::State& state, FileOrder order) {
  const Dataset& set = Club(order);
  fs::current_path(set.Folder);
  for (auto _ : state) benchmark::DoNotOptimize(ReadAll(set));
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

// Console output as usual, and remembers each benchmark's time per
// iteration: the median when there are repetitions, else the single run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      std::string name = run.run_name.str();
      bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (median || (run.run_type == Run::RT_Iteration && !medians_.count(name))) {
        times_[name] = run.GetAdjustedRealTime();
        if (median) medians_[name] = true;
      }
    }
  }

  void PrintRatios() const {
    for (const char* order : {"OldestFirst", "NewestFirst"}) {
      const Dataset& set = Club(std::string(order) == "OldestFirst" ? FileOrder::OldestFirst
                                                                    : FileOrder::NewestFirst);
      std::printf("%s: %zu score files, %zu bytes\n", order, set.ScoreFiles.size(), set.Bytes);
      for (const char* pass : {"ClubPass", "LoadThenSort"}) {
        auto timed = times_.find(std::string(pass) + "/" + order);
        if (timed == times_.end()) continue;
        for (const char* baseline : {"ReadFiles", "CatFiles"}) {
          auto base = times_.find(std::string(baseline) + "/" + order);
          if (base == times_.end()) continue;
          std::printf("%s: %s %.2f ms, %s %.2f ms, ratio %.2f (%s)\n", order, pass, timed->second,
                      baseline, base->second, timed->second / base->second,
                      medians_.count(timed->first) ? "medians" : "single runs");
        }
      }
    }
  }

 private:
  std::map<std::string, double> times_;
  std::map<std::string, bool> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  fs::path start = fs::current_path();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  fs::current_path(start);
  std::error_code ignored;
  fs::remove_all(qm::bench::ScratchFolder("").parent_path(), ignored);
  benchmark::Shutdown();
  return 0;
}
