// A window that opens one of the program's long-lived windows (a dialog, the
// score entry window) as the program's own windows do, and takes a
// confirmed result over when it becomes active again.
//
//   ScriptedOpener opener(ScriptedOpener::From(editor->Result, [&] { names << ...; }));
//   opener.show();
//   editor->Hand.ShowFor(&opener);
//   ... OK in the editor ...
//   QCOMPARE(opener.Taken, 1);
#pragma once

#include <QEvent>
#include <QWidget>
#include <functional>
#include <utility>

#include "ui/handover.h"

namespace qm::test {

class ScriptedOpener : public QWidget {
 public:
  // Runs at each activation of the opener; true when it took a result.
  using Take = std::function<bool(QWidget* opener)>;

  explicit ScriptedOpener(Take take = {}) : take_(std::move(take)) {
    setWindowTitle(QStringLiteral("Opener"));
  }

  // Takes result over when it is the opener's, then runs then.
  static Take From(HandOverResult& result, std::function<void()> then = {}) {
    return [&result, then = std::move(then)](QWidget* opener) {
      if (!result.Take(opener)) return false;
      if (then) then();
      return true;
    };
  }

  int Activations = 0;
  int Taken = 0;

 protected:
  void changeEvent(QEvent* event) override {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    ++Activations;
    if (take_ && take_(this)) ++Taken;
  }

 private:
  Take take_;
};

}  // namespace qm::test
