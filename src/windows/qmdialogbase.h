// What the long-lived dialogs share: the golfer name dialog and the course
// editor are each made once, by StartUp(), and serve whichever window opens
// them, without blocking it.
//
// An opener primes the dialog's fields, calls Hand.ShowFor(this) and goes
// on; the result comes back as ui/handover.h (HandOverResult) describes. OK
// confirms, Cancel (also Escape and a close through the frame) does not.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QSize>
#include <QString>

#include "ui/activation.h"
#include "ui/handover.h"
#include "ui/textentry.h"

class QEvent;
class QShowEvent;

namespace qm {

class THandOverDialog : public QDialog {
 public:
  HandOver Hand{this};
  HandOverResult Result{this, Hand};

  // Runs at the first activation after each showing (not when a message box
  // closing activates the dialog again), after the focus is put on the
  // first field.
  virtual void FormActivate() {}
  virtual void OKButtonClick() = 0;
  void CancelButtonClick();

  // Cancel for Escape and for a close through the frame.
  void reject() override;

 protected:
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QLineEdit* OkPressed = Result.Field();  // hidden, disabled: "1" after OK, "0" otherwise

  // A fixed-size dialog with a title bar and a close button.
  THandOverDialog(QWidget* parent, const QString& name, const QString& title, QSize size);

  // OK (the default button) at okAt and Cancel beside it; called where
  // they belong in the creation order.
  void AddButtons(QPoint okAt);

  // Runs the leaving handler of field, when it has one. A field with one has
  // the dialog as its event filter; the handler runs when the focus moves
  // on within the dialog, not when the dialog merely loses the activation
  // (a message box, another program).
  virtual void FieldExit(QObject* field) = 0;
  // Runs the leaving handler of the field that has the focus, for an OK
  // given by the Enter key (no focus change, so no leaving event).
  void RunPendingExit();

  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

  ActivationHandler activation_{this, ActivationHandler::Runs::OncePerShowing,
                                [this] { FormActivate(); }};
};

}  // namespace qm
