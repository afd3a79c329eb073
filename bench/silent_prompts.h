// Prompts for the window benchmarks: no box may wait for a click while the
// clock runs. Every question gets its negative answer; a question about
// unsaved changes gets the answer the benchmark asks for.
#pragma once

#include "ui/prompts.h"

namespace qm::bench {

class SilentPrompts : public Prompts {
 public:
  explicit SilentPrompts(Answer leaving = Answer::Cancel) : leaving_(leaving) {}
  void Warning(const QString&) override {}
  bool ConfirmYesNo(const QString&) override { return false; }
  bool WarningYesNo(const QString&) override { return false; }
  Answer ConfirmYesNoCancel(const QString&) override { return leaving_; }
  void Message(const QString&) override {}
  int TwoChoice(const QString&, const QString&, const QString&, const QString&) override {
    return -1;
  }
  bool SelectPrinter(QPrinter&) override { return false; }
  bool PrintPreview(QPrinter&, const std::function<void(QPrinter&)>&) override { return false; }
  int CardsOnFirstSheet() override { return -1; }
  QString SaveFileName(const QString&, const QString&, const QString&) override { return {}; }
  QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }

 private:
  Answer leaving_;
};

}  // namespace qm::bench
