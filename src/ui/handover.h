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
#pragma once

#include <QPointer>
#include <QWidget>

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

}  // namespace qm
