// Menus whose every menu and item carries its name as its objectName, so
// that tests (and the program's own look-ups) can find it.
#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace qm {

QMenu* MakeMenu(QMenuBar* bar, const QString& name, const QString& caption);
QAction* MakeItem(QMenu* menu, const QString& name, const QString& caption);

}  // namespace qm
