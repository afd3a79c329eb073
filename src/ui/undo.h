// Undo and redo for a window that edits a table in memory until it is
// saved. A step is recorded after it was done, as two ways back to a state
// of the window (the state before it and the state after it), so the
// window's handlers stay as they are.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QUndoStack;

namespace qm {

// Puts the window back to a state it had: a copy of that state is held by
// the function.
using StateRestorer = std::function<void()>;

// Edit > Undo (Undo1, Ctrl+Z) and Redo (Redo1, Ctrl+Shift+Z) for a stack,
// named after the step they undo or redo ("Undo Delete Round"). after is
// called once a step has been undone or redone (to show the table again).
class UndoSteps : public QObject {
 public:
  // The two items go to the top of menu, a separator below them.
  UndoSteps(QWidget* window, QMenu* menu, std::function<void()> after);

  // A step that has just been done. A step that wrote its file at once
  // (changesTable false) leaves the window's table as saved.
  void Record(const QString& name, StateRestorer before, StateRestorer after,
              bool changesTable = true);
  // After a save, or a table read anew: nothing to undo.
  void Clear();
  // The window's table is where it was read or last saved: no step that
  // changes it lies between there and here.
  bool AtSaved() const;
  // While a dialog edits a row of the table, its rows must stay where they
  // are: the items are disabled.
  void SetBlocked(bool blocked);

  QAction* UndoItem() const { return undo_; }
  QAction* RedoItem() const { return redo_; }
  QUndoStack* Stack() const { return stack_; }

 private:
  void ShowItems();

  QUndoStack* stack_;
  QAction* undo_;
  QAction* redo_;
  std::function<void()> after_;
  bool blocked_ = false;
};

}  // namespace qm
