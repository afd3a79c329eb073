// The setting for a test of a list maintenance window (the roster or the
// course list maintenance window): a fresh working folder, the scripted
// prompts, the window's long-lived dialog in Program(), and the window
// opened as the main window's command opens it.
//
//   std::optional<MaintFixture<TGMaintForm, TGNameForm>> fixture_;
//   void init() { fixture_.emplace(&qm::QmProgram::GNameForm); }
//   void cleanup() { fixture_.reset(); }
#pragma once

#include <QAction>
#include <QListWidget>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <initializer_list>

#include "support/qt_prompts.h"
#include "support/qt_support.h"
#include "support/qt_fixture.h"
#include "windows/qmapp.h"

namespace qm::test {

template <class Form, class Dialog>
class MaintFixture {
 public:
  // Makes the dialog and keeps it in Program() at slot.
  explicit MaintFixture(Dialog* QmProgram::*slot) : slot_(slot) { (Program().*slot_) = new Dialog; }
  // Deletes the window (when it still exists) and the dialog, then resets
  // Program(); the working folder goes last.
  ~MaintFixture() {
    delete window_.data();
    delete (Program().*slot_);
    Program() = QmProgram{};
  }
  MaintFixture(const MaintFixture&) = delete;
  MaintFixture& operator=(const MaintFixture&) = delete;

  WorkDir& Dir() { return fixture_.Dir(); }
  ScriptedPrompts& Prompts() { return fixture_.Prompts(); }

  // Form::Open(), then deleted on close, shown and made active as the main
  // window does; null when Open() gave no window.
  Form* Open() {
    Form* window = Form::Open();
    if (window == nullptr) return nullptr;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    Activate(window);
    window_ = window;
    return window;
  }
  // The window Open() made last; null once it is deleted.
  Form* Window() const { return window_.data(); }

 private:
  WindowFixture fixture_;  // first in, last out: the folder goes last
  Dialog* QmProgram::*slot_;
  QPointer<Form> window_;
};

inline void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

// The list's lines, top to bottom.
inline QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

// "Name Caption" of each item, for comparing menus.
inline QStringList NamesAndCaptions(std::initializer_list<const QAction*> items) {
  QStringList lines;
  for (const QAction* item : items) lines << item->objectName() + ' ' + item->text();
  return lines;
}

// Deletes the windows closed with Qt::WA_DeleteOnClose.
inline void DeleteClosedWindows() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace qm::test
