// How long leaving a hole field takes in the score entry window with a
// full round typed in: the sums, the total, the adjusted score and the
// differential are formed again each time.
//
//   score_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFocusEvent>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "silent_prompts.h"
#include "support/qt_support.h"
#include "ui/prompts.h"
#include "windows/qmscore.h"

using qm::test::Control;

namespace {

qm::TScoreForm* form = nullptr;

void TypeFullRound() {
  const int scores[18] = {5, 6, 4, 5, 8, 6, 3, 5, 5, 4, 5, 4, 6, 5, 9, 3, 6, 5};
  Control<QLineEdit>(form, "IndexField")->setText(QStringLiteral("15.0"));
  form->CourseFieldChange(1);
  for (int i = 0; i < 18; ++i) {
    Control<QLineEdit>(form, "Score", i + 1)->setText(QString::number(scores[i]));
    Control<QLineEdit>(form, "Putts", i + 1)->setText(QStringLiteral("2"));
  }
}

// The user changes hole 5 and leaves it with Tab.
void Leave(int round) {
  Control<QLineEdit>(form, "Score", 5)
      ->setText(round % 2 == 0 ? QStringLiteral("5") : QStringLiteral("8"));
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(Control<QLineEdit>(form, "Score", 5), &out);
}

void BM_LeaveHoleField(benchmark::State& state) {
  int round = 0;
  for (auto _ : state) Leave(round++);
  benchmark::DoNotOptimize(Control<QLineEdit>(form, "ScoreDiff")->text());
}
BENCHMARK(BM_LeaveHoleField);

// The same, with the changed fields painted before the next key.
void BM_LeaveHoleFieldAndPaint(benchmark::State& state) {
  int round = 0;
  for (auto _ : state) {
    Leave(round++);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_LeaveHoleFieldAndPaint);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  qm::SetPrompts(std::make_unique<qm::bench::SilentPrompts>());
  QTemporaryDir dir;
  QDir::setCurrent(dir.path());
  std::ofstream("courses.qmd", std::ios::binary)
      << "MAPLE RIDGE~71.3~128~72~4~5~3~4~4~5~3~4~4~4~4~3~5~4~4~3~5~4~\r\n";
  form = new qm::TScoreForm;
  form->show();
  TypeFullRound();
  QApplication::processEvents();

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  delete form;
  return 0;
}
