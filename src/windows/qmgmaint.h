// The roster maintenance window: adds, changes and deletes golfers.
//
// The window works on its own copy of the roster, loaded when it is made,
// and writes golfers.qmd only on Save (or Yes at Exit). Golfers are entered
// in the golfer name dialog (Program().GNameForm), whose result the window
// takes over when it becomes active again. Score files follow at once: the
// dialog creates a new golfer's file, taking over a changed short name
// renames the file, and Delete removes it.
//
// At most one roster maintenance window is open: Open() brings it to the
// front instead of making a second. While the name dialog is open for the
// window, its list and its Add, Modify and Delete commands are disabled, so
// the golfer being edited keeps its position until the result comes back.
#pragma once

#include <QAction>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>

#include "store/records.h"

namespace qm {

class TGNameForm;

class TGMaintForm : public QMainWindow {
 public:
  // Loads and sorts the roster. A failed load is reported at once and
  // leaves the window without a roster (Loaded() false).
  explicit TGMaintForm(QWidget* parent = nullptr);
  ~TGMaintForm() override;

  // For the main window's command: the open window is brought to the front
  // and null returned; otherwise a new window, not shown yet, or null when
  // its roster could not be loaded (the error was reported).
  static TGMaintForm* Open();
  // The open window, or null.
  static TGMaintForm* Instance();

  bool Loaded() const { return loaded_; }
  bool Modified() const { return modified_; }
  int EditIndex() const { return editIndex_; }
  const TRosterTable& Roster() const { return roster_; }

  QListWidget* GolferListBox;
  QPushButton* AddButton;
  QPushButton* ModifyButton;
  QPushButton* DeleteButton;
  QPushButton* SaveButton;
  QPushButton* ExitButton;
  QMenu* File1;
  QAction* Save1;
  QAction* Exit1;
  QMenu* Edit1;
  QAction* AddGolfer1;
  QAction* ModifyGolfer1;
  QAction* DeleteGolfer1;

  // Takes the dialog's result over when it was confirmed for this window,
  // then shows the sorted roster again.
  void FormActivate();
  void FormResize();
  void AddButtonClick();
  void ModifyButtonClick();
  void DeleteButtonClick();
  void SaveButtonClick();
  void ExitButtonClick();

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  TGNameForm* NameForm() const;
  // True while the name dialog is open for this window.
  bool DialogOpenForMe() const;
  void ShowDialog();
  void SetEditing(bool editing);
  void FillList();
  void SelectLine(int position);
  void SetModified(bool modified);
  int SelectedPosition() const;

  TRosterTable roster_;
  int editIndex_ = 0;
  bool modified_ = false;
  bool loaded_ = false;
  bool editing_ = false;
};

}  // namespace qm
