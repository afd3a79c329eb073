// Telling a window's activation by another window of the program apart from
// the user's return to the program from another one.
//
// A window's activation handler is meant for the moment the focus comes to
// it from another window of the program (a dialog it opened, a message box,
// a window beside it). Switching to another program and back changes no
// window of the program: the window was its active window all along, so
// its handler must not run again (it would, for example, move the focus the
// user left in a field).
//
//   ReturnWatch return_{this};
//   void changeEvent(QEvent* event) {          // ActivationChange
//     if (!isActiveWindow()) { return_.Deactivated(); return; }
//     if (return_.TakeReturn()) return;       // back from another program
//     FormActivate();
//   }
#pragma once

#include <QObject>

class QWidget;

namespace qm {

class ReturnWatch : public QObject {
 public:
  explicit ReturnWatch(QWidget* window);

  // At the window's deactivation: notes whether the program as a whole lost
  // the activation (no window of it is active now).
  void Deactivated();
  // At the window's activation: true when the program had lost the
  // activation while this window was its active window, and no other window
  // of the program has been active since. Clears the note either way.
  bool TakeReturn();
  // Clears the note (a window shown anew is activated for its own sake).
  void Forget();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  bool away_ = false;
};

}  // namespace qm
