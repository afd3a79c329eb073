#include "support/qt_fixture.h"

#include "app/clock.h"
#include "windows/qmapp.h"

namespace qm::test {

WindowFixture::WindowFixture(QDate today) {
  SetTodayForTests(today);
  dir_ = std::make_unique<WorkDir>();
  prompts_ = &InstallScriptedPrompts();
}

WindowFixture::~WindowFixture() {
  ShutDown();
  SetTodayForTests(QDate());
  dir_.reset();
}

}  // namespace qm::test
