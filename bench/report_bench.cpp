// The handicap list of a full club (every golfer in the print list) written
// to hdcplist.qmr through the print handicaps dialog's Print List, against
// reading the same score files and nothing else. The club's files are written
// oldest first, as rounds are appended over the years. Run with
// --benchmark_repetitions=N for medians; the ratio is printed at the end.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "dataset.h"
#include "print/hdcplist.h"
#include "print/qmprthdp.h"
#include "ratios.h"
#include "silent_prompts.h"
#include "support/qt_support.h"
#include "ui/prompts.h"

using qm::test::Control;

namespace {

namespace fs = std::filesystem;

// Every question is answered "File"; nothing waits for a click.
class FilePrompts : public qm::bench::SilentPrompts {
 public:
  void Message(const QString& text) override { last = text; }
  int TwoChoice(const QString&, const QString&, const QString&, const QString&) override {
    return 2;
  }
  QString last;
};

const qm::bench::Dataset& Club() {
  static const qm::bench::Dataset set =
      qm::bench::WriteDataset(qm::bench::ScratchFolder("report"), qm::bench::DatasetShape{});
  return set;
}

void ReadScoreFiles(benchmark::State& state) {
  const qm::bench::Dataset& set = Club();
  fs::current_path(set.Folder);
  for (auto _ : state) benchmark::DoNotOptimize(qm::bench::ReadScoreFiles(set));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * set.Bytes));
}

void HandicapListToFile(benchmark::State& state) {
  const qm::bench::Dataset& set = Club();
  fs::current_path(set.Folder);
  auto prompts = std::make_unique<FilePrompts>();
  FilePrompts& answers = *prompts;
  auto previous = qm::SetPrompts(std::move(prompts));
  {
    // The user's steps before the clock runs: a course, every golfer.
    qm::TPrintHandicapsDlg dialog([] { return true; });
    Control<QComboBox>(&dialog, "CourseField")->setCurrentIndex(0);
    dialog.CourseFieldClick();
    dialog.IncAllBtnClick();
    if (Control<QListWidget>(&dialog, "PrintListBox")->count() !=
        static_cast<int>(set.ScoreFiles.size()))
      state.SkipWithError("not every golfer is in the print list");
    for (auto _ : state) {
      answers.last.clear();
      dialog.PrintListButtonClick();
      if (answers.last != QStringLiteral("Handicap file \"HDCPLIST.QMR\" created.")) {
        state.SkipWithError("the list was not written");
        break;
      }
    }
  }
  qm::SetPrompts(std::move(previous));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * set.Bytes));
}

BENCHMARK(ReadScoreFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(HandicapListToFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const fs::path start = fs::current_path();
  qm::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("HandicapListToFile", "handicap list", "ReadScoreFiles", "reading the files");
  fs::current_path(start);
  std::error_code ignored;
  fs::remove_all(qm::bench::ScratchFolder("").parent_path(), ignored);
  benchmark::Shutdown();
  return 0;
}
