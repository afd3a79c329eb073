// What the long-lived dialogs share: the golfer name dialog and the course
// editor are each made once, by StartUp(), and serve whichever window opens
// them, without blocking it.
//
// An opener primes the dialog's fields, calls Hand.ShowFor(this) and goes
// on. OK sets OkPressed to "1" (Confirm), Cancel (also Escape and a close
// through the frame) to "0", and both call Hand.Finish(), which hides the
// dialog and activates the opener again. The opener's activation handler
// takes the fields over only when TakeResult(this) is true; that sets
// OkPressed back to "0" before the opener shows anything, since a message
// box closing activates the opener again. Every showing starts with
// OkPressed at "0", so a result nobody took cannot be taken over by the
// next opener.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QSize>
#include <QString>

#include "ui/handover.h"
#include "ui/textentry.h"

class QEvent;
class QShowEvent;

namespace qm {

class THandOverDialog : public QDialog {
 public:
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QLineEdit* OkPressed = nullptr;  // hidden, disabled: "1" after OK, "0" otherwise
  HandOver Hand{this};

  // True, once, when the dialog was confirmed for opener; OkPressed is set
  // back to "0".
  bool TakeResult(const QWidget* opener);

  // Runs at the first activation after each showing (not when a message box
  // closing activates the dialog again).
  virtual void FormActivate() = 0;
  virtual void OKButtonClick() = 0;
  void CancelButtonClick();

  // Cancel for Escape and for a close through the frame.
  void reject() override;

 protected:
  // A fixed-size dialog with a title bar and a close button.
  THandOverDialog(QWidget* parent, const QString& name, const QString& title, QSize size);

  // OK (the default button) at okAt, Cancel beside it, and the hidden
  // OkPressed; called where they belong in the creation order.
  void AddButtons(QPoint okAt);
  // Ends the dialog as confirmed.
  void Confirm();

  // Runs the leaving handler of field, when it has one. A field with one has
  // the dialog as its event filter; the handler runs when the focus moves
  // on within the dialog, not when the dialog merely loses the activation
  // (a message box, another program).
  virtual void FieldExit(QObject* field) = 0;
  // Runs the leaving handler of the field that has the focus, for an OK
  // given by the Enter key (no focus change, so no leaving event).
  void RunPendingExit();

  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool activatePending_ = false;
};

}  // namespace qm
