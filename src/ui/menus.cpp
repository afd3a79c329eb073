#include "ui/menus.h"

#include <QAction>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace qm {

QMenuBar* MakeMenuBar(QWidget* window, const QString& name) {
  auto* bar = new QMenuBar(window);
  bar->setObjectName(name);
  if (auto* main = qobject_cast<QMainWindow*>(window)) {
    main->setMenuBar(bar);
  } else {
    window->layout()->setMenuBar(bar);
  }
  return bar;
}

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

HelpMenu MakeHelpMenu(QMenuBar* bar) {
  QMenu* menu = MakeMenu(bar, QStringLiteral("Help1"), QStringLiteral("&Help"));
  return {menu, MakeItem(menu, QStringLiteral("Help2"), QStringLiteral("&Help")),
          MakeItem(menu, QStringLiteral("AboutQuillmor1"), QStringLiteral("&About Quillmor"))};
}

}  // namespace qm
