#include "ui/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace qm {

QMenu* MakeMenu(QMenuBar* bar, const QString& name, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(name);
  return menu;
}

QAction* MakeItem(QMenu* menu, const QString& name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  return item;
}

}  // namespace qm
