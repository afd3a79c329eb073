// The hand-over between a long-lived dialog and the window that opened it.
//
// A window that needs input from a long-lived dialog (the golfer name
// dialog, the course editor, the score entry window) primes the dialog's
// fields and calls ShowFor(this); it does not wait. The dialog's OK or Cancel
// sets its OkPressed and calls Finish(), which hides the dialog and gives
// the activation back to the opener. The opener's activation handler then
// takes the result over, but only when IsFor(this): a confirmed result
// belongs to the window that asked for it, even when another window that
// uses the same dialog becomes active first.
//
// The dialog is made the opener's transient window (not its child), so the
// opener does not own it and may be destroyed while the dialog lives on.
//
// HandOverResult is the dialog's side of it: its hidden OkPressed field
// ("1" confirmed, "0" otherwise, found by name), reset at every showing, and
// a confirmed result taken over once, by the opener only:
//
//   HandOver Hand{this};
//   HandOverResult Result{this, Hand};
//   void OKButtonClick() { ... Result.Finish(true); }
//   // the opener's activation handler:
//   if (dialog->Result.Take(this)) { ... read the dialog's fields ... }
//   // the opener closing: dialog->Result.Release(this);
#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;

namespace qm {

class HandOver {
 public:
  explicit HandOver(QWidget* dialog) : dialog_(dialog) {}

  // Records opener, makes the dialog its transient window, shows the dialog
  // without blocking and activates it.
  void ShowFor(QWidget* opener);

  // Hides the dialog and activates the opener again (when it still exists
  // and is visible).
  void Finish();

  // The window that opened the dialog last; null when none or destroyed.
  QWidget* Opener() const { return opener_.data(); }

  // True when window is the dialog's current opener.
  bool IsFor(const QWidget* window) const { return window != nullptr && opener_.data() == window; }

  // Forgets the opener, so that nobody takes the result over.
  void Forget() { opener_.clear(); }

 private:
  QWidget* dialog_;
  QPointer<QWidget> opener_;
};

class HandOverResult {
 public:
  // Makes the dialog's hidden, disabled OkPressed field, at "0".
  HandOverResult(QWidget* dialog, HandOver& hand);

  QLineEdit* Field() const { return okPressed_; }
  HandOver& Hand() const { return hand_; }
  QWidget* Dialog() const { return dialog_; }

  // "0": the dialog does this at every showing, so that a result nobody
  // took cannot be taken over by the next opener.
  void Reset();
  // OK ("1") or Cancel ("0"), then the dialog goes back to its opener.
  void Finish(bool confirmed);
  // True, once, when the dialog was confirmed for opener. Taken before the
  // opener shows anything: a message box closing activates it again.
  bool Take(const QWidget* opener);
  // True while the dialog is shown for opener.
  bool OpenFor(const QWidget* opener) const;
  // For an opener that closes: when the dialog is its, the dialog is
  // hidden, its result dropped and its opener forgotten.
  void Release(const QWidget* opener);

 private:
  QWidget* dialog_;
  HandOver& hand_;
  QLineEdit* okPressed_;
};

}  // namespace qm
