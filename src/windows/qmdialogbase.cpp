#include "windows/qmdialogbase.h"

#include <QEvent>
#include <QFocusEvent>
#include <QShowEvent>

#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/placement.h"

namespace qm {

namespace {

bool IsLeaving(QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

THandOverDialog::THandOverDialog(QWidget* parent, const QString& name, const QString& title,
                                 QSize size)
    : QDialog(parent) {
  setObjectName(name);
  setWindowTitle(title);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(size);
}

void THandOverDialog::AddButtons(QPoint okAt) {
  OKButton = MakeButton(this, QStringLiteral("OKButton"), QStringLiteral("OK"),
                        QRect(okAt, QSize(71, 30)), EnterKey::Default);
  CancelButton = MakeButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cancel"),
                            QRect(okAt + QPoint(126, 0), QSize(71, 30)));

  connect(OKButton, &QPushButton::clicked, this, Guarded([this](bool) { OKButtonClick(); }));
  connect(CancelButton, &QPushButton::clicked, this,
          Guarded([this](bool) { CancelButtonClick(); }));
}

void THandOverDialog::CancelButtonClick() { Result.Finish(false); }

void THandOverDialog::reject() {
  Guard([this] { CancelButtonClick(); });
}

void THandOverDialog::RunPendingExit() { FieldExit(focusWidget()); }

bool THandOverDialog::eventFilter(QObject* watched, QEvent* event) {
  if (IsLeaving(event)) Guard([this, watched] { FieldExit(watched); });
  return QDialog::eventFilter(watched, event);
}

void THandOverDialog::showEvent(QShowEvent* event) {
  // A restore from the task bar is no new showing.
  if (!event->spontaneous()) Result.Reset();
  QDialog::showEvent(event);
  // Both dialogs open at the screen's centre, not over their opener, where
  // the window system would put a transient window.
  if (!event->spontaneous()) CentreOnScreen(this);
}

}  // namespace qm
