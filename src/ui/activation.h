// A window's activation handler, run when the focus comes to the window from
// another window of the program (a dialog it opened, a window beside it),
// and only then:
//
// - Switching to another program and back is no new activation: the window
//   was the program's active window all along, and the focus stays where
//   the user left it.
// - Closing one of the window's own message boxes is no new activation: a
//   box shown by the handler (a conversion error, say) would otherwise come
//   back without end.
// - A window that wants it runs the handler only at the first activation
//   after each showing, and a window may name the field that gets the focus
//   (its text selected) at that activation.
//
//   ActivationHandler activation_{this, ActivationHandler::Runs::EveryTime,
//                                 [this] { FormActivate(); }};
//
// The handler runs through the error guard. The window needs no event
// handler of its own for any of this.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace qm {

class ActivationHandler : public QObject {
 public:
  enum class Runs { EveryTime, OncePerShowing };

  ActivationHandler(QWidget* window, Runs runs, std::function<void()> handler);

  // field gets the focus at the first activation of each showing, before
  // the handler runs.
  void FocusAtShowing(QWidget* field) { firstField_ = field; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Activated();
  void Deactivated();
  void StopWatchingAway();

  // Watches the whole program while it is away (installed on it apart
  // from the window's own watch, so the window's events are seen once).
  class AwayFilter : public QObject {
   public:
    explicit AwayFilter(ActivationHandler* owner) : QObject(owner), owner_(owner) {}

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    ActivationHandler* owner_;
  };

  QWidget* window_;
  AwayFilter* awayFilter_ = new AwayFilter(this);
  Runs runs_;
  std::function<void()> handler_;
  QPointer<QWidget> firstField_;
  // The first activation of a showing is still to come.
  bool showing_ = false;
  // One of the window's own message boxes holds the activation.
  bool ownBox_ = false;
  // The program lost the activation while this window was its active one.
  bool away_ = false;
};

}  // namespace qm
