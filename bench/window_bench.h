// What every window benchmark stands on: the offscreen platform (the same
// figures with or without a display), a scratch folder that holds the data
// and the settings, and prompts that never wait for a click.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <string>

#include "silent_prompts.h"
#include "windows/qmgpick.h"

namespace qm::bench {

class WindowBench {
 public:
  WindowBench(int& argc, char** argv, Answer leaving = Answer::Cancel) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QDir(dir_.path()).mkdir(QStringLiteral("config"));
    setenv("XDG_CONFIG_HOME", QDir(dir_.path()).filePath(QStringLiteral("config")).toUtf8().data(),
           1);
    app_ = std::make_unique<QApplication>(argc, argv);
    SetPrompts(std::make_unique<SilentPrompts>(leaving));
  }

  // The scratch folder, where the data files go before EnterFolder().
  std::string Folder() const { return dir_.path().toStdString(); }
  // Makes the scratch folder the working folder, as the program's is.
  void EnterFolder() const { QDir::setCurrent(dir_.path()); }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<QApplication> app_;
};

// Times open(), which makes and shows a window, until its events are done;
// the window is deleted outside the clock.
template <class Open>
void TimeOpening(benchmark::State& state, Open open) {
  for (auto _ : state) {
    QWidget* window = open();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window->isVisible());
    state.PauseTiming();
    delete window;
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

// The golfer list, the window the others are measured against.
inline void TimeGolferListOpening(benchmark::State& state) {
  TimeOpening(state, [] {
    auto* list = new TGPickForm;
    list->show();
    return list;
  });
}

}  // namespace qm::bench
