// Console output as usual, and each benchmark's time per iteration kept for
// a ratio printed after the runs: the median when there are repetitions
// (--benchmark_repetitions=N), else the single run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace qm::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const std::string name = run.run_name.str();
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (median || (run.run_type == Run::RT_Iteration && !medians_.count(name))) {
        times_[name] = run.GetAdjustedRealTime();
        if (median) medians_[name] = true;
      }
    }
  }

  // "LABEL A ms, BASE B ms, ratio A/B (medians)", when both were run.
  void PrintRatio(const std::string& timed, const std::string& label, const std::string& base,
                  const std::string& baseLabel) const {
    auto a = times_.find(timed);
    auto b = times_.find(base);
    if (a == times_.end() || b == times_.end()) return;
    std::printf("%s %.2f ms, %s %.2f ms, ratio %.2f (%s)\n", label.c_str(), a->second,
                baseLabel.c_str(), b->second, a->second / b->second,
                medians_.count(timed) ? "medians" : "single runs");
  }

 private:
  std::map<std::string, double> times_;
  std::map<std::string, bool> medians_;
};

// One ratio to print: the benchmark timed against its baseline.
struct Ratio {
  const char* Timed;
  const char* Label;
  const char* Base;
  const char* BaseLabel;
};

// Runs the benchmarks the command line names, then prints the ratios.
inline void RunWithRatios(int& argc, char** argv, std::initializer_list<Ratio> ratios) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const Ratio& ratio : ratios)
    reporter.PrintRatio(ratio.Timed, ratio.Label, ratio.Base, ratio.BaseLabel);
  benchmark::Shutdown();
}

}  // namespace qm::bench
