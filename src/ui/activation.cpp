#include "ui/activation.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace qm {

ReturnWatch::ReturnWatch(QWidget* window) : QObject(window), window_(window) {}

void ReturnWatch::Deactivated() {
  Forget();
  if (QApplication::activeWindow() != nullptr) return;
  // Only while the program is away does every window's activation need to
  // be seen; the watch on the whole program ends with the next one.
  away_ = true;
  qApp->installEventFilter(this);
}

bool ReturnWatch::TakeReturn() {
  const bool back = away_;
  Forget();
  return back;
}

void ReturnWatch::Forget() {
  if (away_) qApp->removeEventFilter(this);
  away_ = false;
}

bool ReturnWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate && watched != window_ && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow())
    Forget();
  return false;
}

}  // namespace qm
