// Quillmor: golf scores and handicaps for one golfer or a small group.
//
// The program's entry: the title, the main window and the long-lived windows
// (windows/qmapp.h), then the event loop until the main window ends it.
#include <QApplication>

#include "ui/guard.h"
#include "ui/prompts.h"
#include "windows/qmapp.h"
#include "windows/qmmain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Only the main window ends the program (its Exit button, its File, Exit
  // and its frame); closing the last other window does not.
  QApplication::setQuitOnLastWindowClosed(false);
  qm::SetPrompts(std::make_unique<qm::QtPrompts>());

  // A window that cannot be made is reported like any other error; the
  // program cannot go on without its windows.
  if (!qm::Guard([] { qm::StartUp(); }) || qm::Program().MainForm == nullptr) {
    qm::ShutDown();
    return 1;
  }
  qm::Program().MainForm->show();
  const int result = QApplication::exec();
  qm::ShutDown();
  return result;
}
