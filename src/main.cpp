// Quillmor: golf scores and handicaps for one golfer or a small group.
//
// The program's entry: the title, the main window and the long-lived windows
// (windows/qmapp.h), then the event loop.
#include <QApplication>

#include "windows/qmapp.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Quillmor for Windows"));
  return 0;
}
