#include "ui/activation.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QShowEvent>
#include <QWidget>
#include <utility>

#include "ui/guard.h"
#include "ui/textentry.h"

namespace qm {

ActivationHandler::ActivationHandler(QWidget* window, Runs runs, std::function<void()> handler)
    : QObject(window), window_(window), runs_(runs), handler_(std::move(handler)) {
  window->installEventFilter(this);
}

bool ActivationHandler::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) {
    if (event->type() == QEvent::Show && !event->spontaneous()) {
      // A window restored from the task bar is not shown anew.
      showing_ = true;
      ownBox_ = false;
      StopWatchingAway();
    } else if (event->type() == QEvent::ActivationChange) {
      if (window_->isActiveWindow())
        Activated();
      else
        Deactivated();
    }
  }
  return false;
}

bool ActivationHandler::AwayFilter::eventFilter(QObject* watched, QEvent* event) {
  // Another window of the program came first: the next activation of the
  // window comes from it.
  if (event->type() == QEvent::WindowActivate && watched != owner_->window_ &&
      watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
    owner_->StopWatchingAway();
  return false;
}

void ActivationHandler::Deactivated() {
  StopWatchingAway();
  // The message boxes are made children of the active window, so a box of
  // this window's own takes the activation from it.
  QWidget* now = QApplication::activeWindow();
  ownBox_ = now != nullptr && now != window_ && qobject_cast<QMessageBox*>(now) != nullptr &&
            now->parentWidget() != nullptr && now->parentWidget()->window() == window_;
  if (now != nullptr) return;
  // Only while the program is away does every window's activation need to
  // be seen; the watch on the whole program ends with the next one.
  away_ = true;
  qApp->installEventFilter(awayFilter_);
}

void ActivationHandler::Activated() {
  const bool back = away_ || ownBox_;
  StopWatchingAway();
  ownBox_ = false;
  if (back || !window_->isVisible()) return;
  const bool first = showing_;
  showing_ = false;
  if (runs_ == Runs::OncePerShowing && !first) return;
  if (first && firstField_ != nullptr) FocusField(firstField_, Qt::ActiveWindowFocusReason);
  Guard(handler_);
}

void ActivationHandler::StopWatchingAway() {
  if (away_) qApp->removeEventFilter(awayFilter_);
  away_ = false;
}

}  // namespace qm
