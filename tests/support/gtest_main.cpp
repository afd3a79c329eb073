// GoogleTest entry: every test runs in a WorkDir of its own.
#include <gtest/gtest.h>

#include <memory>

#include "support/workdir.h"

namespace {

class WorkDirPerTest : public testing::EmptyTestEventListener {
 public:
  void OnTestStart(const testing::TestInfo&) override {
    dir_ = std::make_unique<qm::test::WorkDir>();
  }
  void OnTestEnd(const testing::TestInfo&) override { dir_.reset(); }

 private:
  std::unique_ptr<qm::test::WorkDir> dir_;
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new WorkDirPerTest);
  return RUN_ALL_TESTS();
}
