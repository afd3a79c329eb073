#include "ui/handover.h"

#include <QLineEdit>
#include <QWindow>

#include "ui/controls.h"

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
  BringToFront(dialog_, /*now=*/true);
}

void HandOver::Finish() {
  dialog_->hide();
  QWidget* opener = opener_.data();
  // now: the opener's activation handler, which takes the result over, runs
  // before this returns on every platform.
  if (opener != nullptr && opener->window()->isVisible()) BringToFront(opener->window(), true);
}

HandOverResult::HandOverResult(QWidget* dialog, HandOver& hand)
    : dialog_(dialog),
      hand_(hand),
      okPressed_(MakeHidden(dialog, QStringLiteral("OkPressed"), QStringLiteral("0"))) {}

void HandOverResult::Reset() { okPressed_->setText(QStringLiteral("0")); }

void HandOverResult::Finish(bool confirmed) {
  okPressed_->setText(confirmed ? QStringLiteral("1") : QStringLiteral("0"));
  hand_.Finish();
}

bool HandOverResult::Take(const QWidget* opener) {
  if (okPressed_->text() != QLatin1String("1") || !hand_.IsFor(opener)) return false;
  Reset();
  return true;
}

bool HandOverResult::OpenFor(const QWidget* opener) const {
  return dialog_->isVisible() && hand_.IsFor(opener);
}

void HandOverResult::Release(const QWidget* opener) {
  if (!hand_.IsFor(opener)) return;
  Reset();
  hand_.Forget();
  dialog_->hide();
}

}  // namespace qm
