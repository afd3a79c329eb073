#include "support/qt_fixture.h"

#include <filesystem>
#include <utility>

#include "app/clock.h"
#include "windows/qmapp.h"
#include "windows/qmcourse.h"
#include "windows/qmgname.h"
#include "windows/qmgolfer.h"
#include "windows/qmscore.h"

namespace qm::test {

WindowFixture::WindowFixture(QDate today) {
  SetTodayForTests(today);
  dir_ = std::make_unique<WorkDir>();
  prompts_ = &InstallScriptedPrompts();
}

void WindowFixture::AddSampleCourses() const {
  std::filesystem::copy_file(QM_SAMPLE_COURSES, dir_->Work() / "sample.qmd");
}

WindowFixture::~WindowFixture() {
  // The long-lived windows a test made itself, without StartUp(); those of
  // StartUp() go with ShutDown().
  QmProgram& p = Program();
  if (p.MainForm == nullptr) {
    delete std::exchange(p.GNameForm, nullptr);
    delete std::exchange(p.GolferForm, nullptr);
    delete std::exchange(p.ScoreForm, nullptr);
    delete std::exchange(p.CourseForm, nullptr);
  }
  ShutDown();
  SetTodayForTests(QDate());
  dir_.reset();
}

}  // namespace qm::test
