// What the two list maintenance windows share (the roster maintenance
// window and the course list maintenance window).
//
// Such a window works on its own copy of a table, loaded when it is made,
// and writes the table's file only on Save (or Yes at Exit). An entry is
// edited in a long-lived dialog (the golfer name dialog, the course editor) whose result the window
// takes over when it becomes active again, and only when it opened the
// dialog itself. While the dialog is open for the window, its list and its
// Add, Modify and Delete commands are disabled, so the entry being edited
// keeps its position until the result comes back; when the dialog is open
// for another window, Add and Modify bring it to the front rather than take
// it away with what was typed. Leaving through the frame asks nothing and
// saves nothing, and an open dialog goes with the window.
//
// The window keeps its placement in the settings section named like the
// window; resizing it fits the list's height to the client area.
#pragma once

#include <QAction>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <utility>
#include <vector>

#include "store/fileio.h"
#include "store/records.h"
#include "ui/activation.h"
#include "ui/guard.h"
#include "ui/handover.h"
#include "ui/undo.h"

class QCloseEvent;
class QEvent;
class QResizeEvent;

namespace qm {

class TListMaintForm : public QMainWindow {
 public:
  bool Loaded() const { return loaded_; }
  bool Modified() const { return modified_; }
  // The position of the entry the dialog is open for; 0 while adding.
  int EditIndex() const { return editIndex_; }
  // Takes the dialog's result over when it was confirmed for this window,
  // then shows the sorted list again.
  void FormActivate();
  virtual void AddButtonClick() = 0;
  virtual void ModifyButtonClick() = 0;
  virtual void DeleteButtonClick() = 0;
  virtual void SaveButtonClick() = 0;
  // Asks the exit question when there are changes: Yes saves (a save that
  // failed or was refused keeps the window), Cancel stays.
  void ExitButtonClick();

 protected:
  QPushButton* AddButton;
  QPushButton* ModifyButton;
  QPushButton* DeleteButton;
  QPushButton* SaveButton;
  QPushButton* ExitButton;
  QMenu* File1;
  QAction* Save1;
  QAction* Exit1;
  QMenu* Edit1;

  struct Layout {
    QString Name;  // the window's objectName and placement section
    QString Title;
    QString ListName;      // the list box's objectName
    QRect List;            // the list box's place in the client area
    int ButtonX;           // the left edge of the button column
    QString Noun;          // "Golfer": Edit menu items "&Add Golfer", AddGolfer1 ...
    QString ExitQuestion;  // asked by Exit when there are changes
  };

  // Builds the window and restores its placement; the derived window then
  // loads its table with LoadTable. A derived window's destructor calls
  // ReleaseDialog (this one cannot: the derived Dialog() is gone by then).
  explicit TListMaintForm(const Layout& layout, QWidget* parent = nullptr);

  // The result of the dialog that edits an entry; null when there is none.
  virtual HandOverResult* DialogResult() const = 0;
  // Stores the confirmed dialog's fields in the entry EditedEntry gives.
  virtual void TakeOverResult() = 0;
  virtual void SortEntries() = 0;
  // A copy of the window's table and of what it has to do to the files at
  // Save, as a function that puts them back (for Edit > Undo and Redo).
  virtual StateRestorer State() = 0;
  virtual int EntryCount() const = 0;
  // The list line of the entry at position (1-based).
  virtual QString EntryName(int position) const = 0;

  // Runs load (which fills and sorts table) through the guard; Loaded()
  // tells how it went. A table read only in part is emptied: it must never
  // be saved over the whole file. Then lists it, the first line selected.
  template <class Rec, class Load>
  void LoadTable(Table<Rec>& table, Load&& load) {
    loaded_ = Guard(std::forward<Load>(load));
    if (!loaded_) table.Clear();
    FillList();
    SelectLine(1);
    SetModified(false);
  }

  // The entry the dialog's result goes to: the one at EditIndex(), or while
  // adding a new last one, which EditIndex() then names.
  template <class Rec>
  Rec& EditedEntry(Table<Rec>& table) {
    if (editIndex_ == 0) {
      table.Entries.emplace_back();
      editIndex_ = table.Count();
    }
    return table.At(editIndex_);
  }

  // Removes the entry at position and its line; the line now there, or the
  // new last one, is selected.
  template <class Rec>
  void DeleteEntry(Table<Rec>& table, int position) {
    StateRestorer before = State();
    table.Entries.erase(table.Entries.begin() + (position - 1));
    LineDeleted(position);
    undo_->Record(QStringLiteral("Delete ") + noun_, std::move(before), State());
  }
  // Nothing to undo any more: the table is the one in the file.
  void Saved();

  // True when Add or Modify may open the dialog: there is one, it is not
  // open for this window, and it is not open for another one (which then
  // is brought to the front).
  bool MayOpenDialog() const;
  // Opens the dialog, primed by the caller, for the entry at position (0
  // while adding).
  void ShowDialog(int position);
  // Closes the dialog when it is open for this window; nobody takes its
  // result over.
  void ReleaseDialog();
  bool Editing() const { return editing_; }
  // The file the table was read from, as it is now: after a load and after
  // each save.
  void RememberFile(const std::string& fileName);
  // Whether Save may replace the file: it is as this window read it, or
  // another window or program changed it since and the user says Yes to
  // replacing it with this window's table. No keeps the window's changes.
  bool MayReplaceFile() const;
  // The selected line's position, 0 when none.
  int SelectedPosition() const;
  // An Edit menu item of the derived window that is disabled, like Add,
  // Modify and Delete, while the dialog is open for this window.
  void DisableWhileEditing(QAction* item) { editingLocked_.push_back(item); }
  void SetModified(bool modified);
  // A step other than Add, Modify or Delete (done by the derived window).
  // A step that wrote its file at once leaves the table as saved.
  void RecordStep(const QString& name, StateRestorer before, StateRestorer after) {
    undo_->Record(name, std::move(before), std::move(after), false);
  }

  // The open window of class Form, of which there is one at the most; a
  // Form sets it as it is made.
  template <class Form>
  static QPointer<Form>& Current() {
    static QPointer<Form> current;
    return current;
  }
  // For Form::Open(): the open window is brought to the front (restored
  // when minimized) and null returned; otherwise a new Form, not shown yet,
  // or null when its table could not be loaded (the error was reported).
  template <class Form>
  static Form* OpenOne() {
    if (BringToFront(Current<Form>().data())) return nullptr;
    auto* window = new Form;
    if (window->Loaded()) return window;
    delete window;
    return nullptr;
  }
  // True, after bringing it to the front, when there is a window.
  static bool BringToFront(QWidget* window);

  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  QListWidget* listBox_;
  QAction* addItem_;
  QAction* modifyItem_;
  QAction* deleteItem_;
  ActivationHandler activation_{this, ActivationHandler::Runs::EveryTime,
                                [this] { FormActivate(); }};

 private:
  void SetEditing(bool editing);
  void FillList();
  void SelectLine(int position);
  void LineDeleted(int position);

  // After an undo or a redo: the list shown again.
  void Restored();

  std::vector<QAction*> editingLocked_;
  QString exitQuestion_;
  QString noun_;
  UndoSteps* undo_;
  fileio::FileSnapshot read_;
  int editIndex_ = 0;
  bool modified_ = false;
  bool loaded_ = false;
  bool editing_ = false;
};

}  // namespace qm
