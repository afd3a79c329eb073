// The one fixture of the window tests: a work folder of their own (which
// also points the settings at a folder of their own), a fixed day and the
// scripted prompts. A test class holds one from init() to cleanup(), most
// simply as a WindowTest (below).
//
// At its end the windows the program keeps (StartUp) go, Program() is
// emptied, the day is free again and the folder is removed.
#pragma once

#include <QDate>
#include <QObject>
#include <memory>
#include <optional>

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
  // The data folder as a new user gets it: the shipped sample course list.
  void AddSampleCourses() const;

 private:
  std::unique_ptr<WorkDir> dir_;
  ScriptedPrompts* prompts_ = nullptr;
};

// The base of a window test class: before each test a fixture, after it
// none. A class whose tests need more has an init() that calls Begin() and
// a cleanup() that calls End() (after deleting the windows it made).
class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { Begin(); }
  void cleanup() { End(); }

 protected:
  void Begin(QDate today = kTestDay) {
    fixture_.emplace(today);
    prompts_ = &fixture_->Prompts();
  }
  void End() {
    prompts_ = nullptr;
    fixture_.reset();
  }
  WorkDir& Dir() const { return fixture_->Dir(); }
  void AddSampleCourses() const { fixture_->AddSampleCourses(); }

  std::optional<WindowFixture> fixture_;
  ScriptedPrompts* prompts_ = nullptr;
};

}  // namespace qm::test
