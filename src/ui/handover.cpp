#include "ui/handover.h"

#include <QApplication>
#include <QWindow>

namespace qm {

void HandOver::ShowFor(QWidget* opener) {
  opener_ = opener;
  if (opener != nullptr) {
    // Native handles are needed to tie the two windows together.
    opener->window()->winId();
    dialog_->winId();
    if (QWindow* handle = dialog_->windowHandle())
      handle->setTransientParent(opener->window()->windowHandle());
  }
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
  QApplication::setActiveWindow(dialog_);
}

void HandOver::Finish() {
  dialog_->hide();
  QWidget* opener = opener_.data();
  if (opener != nullptr && opener->window()->isVisible()) {
    QWidget* top = opener->window();
    top->raise();
    top->activateWindow();
    // activateWindow only asks the window system; make the program's notion
    // of the active window follow at once, so the opener's activation
    // handler runs now on every platform.
    QApplication::setActiveWindow(top);
  }
}

}  // namespace qm
