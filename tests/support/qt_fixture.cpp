#include "support/qt_fixture.h"

#include <filesystem>

#include "app/clock.h"
#include "windows/qmapp.h"

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
  ShutDown();
  SetTodayForTests(QDate());
  dir_.reset();
}

}  // namespace qm::test
