// Helpers for window tests: finding named controls, typing and leaving
// fields as a user does, and saving pictures of windows.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>

namespace qm::test {

// The child of window whose objectName is name, of type T; fails the test
// (QVERIFY-style, returns null) when missing.
template <class T = QWidget>
T* Control(QWidget* window, const QString& name) {
  return window->findChild<T*>(name);
}

// Puts the focus on field as a click or Tab would (the window becomes active).
void Focus(QWidget* field);

// Focus on field, replace its text by typing text key by key.
void TypeInto(QLineEdit* field, const QString& text);

// Moves the focus away from whatever has it (the focus-out handlers run).
void LeaveField(QWidget* field);

// Makes window the active window of the program (its activation handler runs).
void Activate(QWidget* window);

// Saves a picture of window to $QM_SCREENS_DIR/name.png (build/screens when
// run through ctest); returns the path written, empty when nothing was saved.
QString SaveScreen(QWidget* window, const QString& name);

}  // namespace qm::test
