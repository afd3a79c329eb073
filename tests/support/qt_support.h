// Helpers for window tests: finding named controls, typing and leaving
// fields as a user does, and saving pictures of windows.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>
#include <functional>

namespace qm::test {

// The one way tests reach a window's controls, which are private: the child
// of window named name, of type T. A missing one ends the test program with
// its name, so that a renamed control reads as what it is and not as a
// crash on a null pointer further on.
template <class T = QWidget>
T* Control(const QObject* window, const QString& name) {
  T* control = window->findChild<T*>(name);
  if (control == nullptr) {
    qFatal("%s has no control %s of the type asked for", qPrintable(window->objectName()),
           qPrintable(name));
  }
  return control;
}

// A control of a numbered row, such as Score1 to Score18: Control(window, "Score", 1).
template <class T = QWidget>
T* Control(const QObject* window, const QString& stem, int number) {
  return Control<T>(window, stem + QString::number(number));
}

// The first shown top-level window of type W, or null.
template <class W>
W* Shown() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* found = qobject_cast<W*>(window); found != nullptr && found->isVisible())
      return found;
  return nullptr;
}

// Puts the focus on field as a click or Tab would (the window becomes active).
void Focus(QWidget* field);

// Focus on field, replace its text by typing text key by key.
void TypeInto(QLineEdit* field, const QString& text);

// Moves the focus away from whatever has it (the focus-out handlers run).
void LeaveField(QWidget* field);

// Makes window the active window of the program (its activation handler runs).
void Activate(QWidget* window);

// Drives the next modal dialog that opens (for example one shown with exec()
// inside the handler under test): as soon as a modal widget is active,
// handle runs with it. When handle leaves it open it is closed, so a test
// never blocks; when no modal widget appears within timeoutMs nothing runs.
// Call before the action that opens the dialog.
void OnNextModal(std::function<void(QWidget*)> handle, int timeoutMs = 5000);

// Saves a picture of window to $QM_SCREENS_DIR/name.png (build/screens when
// run through ctest); returns the path written, empty when nothing was saved.
QString SaveScreen(QWidget* window, const QString& name);

}  // namespace qm::test
