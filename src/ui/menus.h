// Menus whose every menu and item carries its name as its objectName, so
// that tests (and the program's own look-ups) can find it.
#pragma once

#include <QAction>
#include <QString>

#include "ui/guard.h"

class QMenu;
class QMenuBar;
class QWidget;

namespace qm {

// The menu bar of window, named name: a main window's own menu bar, or the
// bar above a dialog's layout.
QMenuBar* MakeMenuBar(QWidget* window, const QString& name);
QMenu* MakeMenu(QMenuBar* bar, const QString& name, const QString& caption);
QAction* MakeItem(QMenu* menu, const QString& name, const QString& caption);

// The Help menu every window with a menu ends with: Help1 holding Help2
// "&Help" and AboutQuillmor1 "&About Quillmor".
struct HelpMenu {
  QMenu* Menu;
  QAction* Help;
  QAction* About;
};
HelpMenu MakeHelpMenu(QMenuBar* bar);
// The same, its items running window's Help2Click and AboutQuillmor1Click
// (through the guard).
template <class Window>
HelpMenu MakeHelpMenu(QMenuBar* bar, Window* window) {
  const HelpMenu help = MakeHelpMenu(bar);
  QObject::connect(help.Help, &QAction::triggered, window,
                   Guarded([window] { window->Help2Click(); }));
  QObject::connect(help.About, &QAction::triggered, window,
                   Guarded([window] { window->AboutQuillmor1Click(); }));
  return help;
}

}  // namespace qm
