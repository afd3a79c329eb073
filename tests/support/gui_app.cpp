#include "support/gui_app.h"

#include <QApplication>

namespace qm::test {

void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "print_tests";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

}  // namespace qm::test
