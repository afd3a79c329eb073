// The course list maintenance window: adds, changes and deletes courses.
//
// The window works on its own full course table, loaded when it is made,
// and writes courses.qmd only on Save (or Yes at Exit). Courses are entered
// in the course editor (Program().CourseForm), which the score entry window
// shares; the window takes the editor's result over when it becomes active
// again, and only when it opened the editor itself.
//
// At most one course list maintenance window is open: Open() brings it to
// the front instead of making a second. While the editor is open for the
// window, its list and its Add, Modify and Delete commands are disabled, so
// the course being edited keeps its position until the result comes back.
// When the editor is open for another window, Add and Modify bring it to
// the front rather than take it away with what was typed.
#pragma once

#include <QAction>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>

#include "store/records.h"

namespace qm {

class TCourseForm;

class TCMaintForm : public QMainWindow {
 public:
  // Loads and sorts the course list; shows the sample file's rename error
  // when there is one. A failed load is reported at once and leaves the
  // window without courses (Loaded() false).
  explicit TCMaintForm(QWidget* parent = nullptr);
  ~TCMaintForm() override;

  // For the main window's command: the open window is brought to the front
  // and null returned; otherwise a new window, not shown yet, or null when
  // its course list could not be loaded (the error was reported).
  static TCMaintForm* Open();
  // The open window, or null.
  static TCMaintForm* Instance();

  bool Loaded() const { return loaded_; }
  bool Modified() const { return modified_; }
  int EditIndex() const { return editIndex_; }
  const TCourseTable& Courses() const { return courses_; }

  QListWidget* CourseListBox;
  QPushButton* AddButton;
  QPushButton* ModifyButton;
  QPushButton* DeleteButton;
  QPushButton* SaveButton;
  QPushButton* ExitButton;
  QMenu* File1;
  QAction* Save1;
  QAction* Exit1;
  QMenu* Edit1;
  QAction* AddCourse1;
  QAction* ModifyCourse1;
  QAction* DeleteCourse1;

  // Takes the editor's result over when it was confirmed for this window,
  // then shows the sorted list again.
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
  TCourseForm* Editor() const;
  // True while the editor is open for this window.
  bool EditorOpenForMe() const;
  // True (after bringing it to the front) when another window has the
  // editor open.
  bool EditorBusyElsewhere() const;
  void ShowEditor();
  void SetEditing(bool editing);
  void FillList();
  void SelectLine(int position);
  void SetModified(bool modified);
  int SelectedPosition() const;

  TCourseTable courses_;
  int editIndex_ = 0;
  bool modified_ = false;
  bool loaded_ = false;
  bool editing_ = false;
};

}  // namespace qm
