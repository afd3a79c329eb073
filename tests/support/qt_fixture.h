// The one fixture of the window tests: a work folder of their own (which
// also points the settings at a folder of their own), a fixed day and the
// scripted prompts. A test class holds one from init() to cleanup():
//
//   std::optional<qm::test::WindowFixture> fixture_;
//   void init() { fixture_.emplace(); ... }     // then WriteFile, StartUp() ...
//   void cleanup() { ...; fixture_.reset(); }    // windows the test made go first
//
// At its end the windows the program keeps (StartUp) go, Program() is
// emptied, the day is free again and the folder is removed.
#pragma once

#include <QDate>
#include <memory>

#include "support/qt_prompts.h"
#include "support/workdir.h"

namespace qm::test {

// The day the window tests live on unless one says otherwise.
inline const QDate kTestDay{2026, 12, 8};

class WindowFixture {
 public:
  explicit WindowFixture(QDate today = kTestDay);
  ~WindowFixture();
  WindowFixture(const WindowFixture&) = delete;
  WindowFixture& operator=(const WindowFixture&) = delete;

  WorkDir& Dir() const { return *dir_; }
  ScriptedPrompts& Prompts() { return *prompts_; }

 private:
  std::unique_ptr<WorkDir> dir_;
  ScriptedPrompts* prompts_ = nullptr;
};

}  // namespace qm::test
