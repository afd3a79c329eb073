// The course list maintenance window: adds, changes and deletes courses, as
// TListMaintForm describes, writing courses.qmd.
//
// The window works on the full course table. Courses are entered in the
// course editor (Program().CourseForm), which the score entry window
// shares.
//
// Edit > Stroke Index... edits the selected course's stroke indexes in a
// modal dialog (windows/qmstrokes.h), which writes strokes.qmd at once: the
// stroke index file is not part of the course list that Save writes. A
// stroke index is kept under the course's name; a course renamed or
// deleted here leaves its line under the old name, unused.
//
// At most one course list maintenance window is open: Open() brings it to
// the front instead of making a second.
#pragma once

#include "store/records.h"
#include "windows/qmcourse.h"
#include "windows/qmmaintbase.h"

namespace qm {

class TCMaintForm : public TListMaintForm {
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

  const TCourseTable& Courses() const { return courses_; }
  void AddButtonClick() override;
  void ModifyButtonClick() override;
  void DeleteButtonClick() override;
  void SaveButtonClick() override;
  // The stroke index dialog for the selected course (none while the course
  // editor is open for this window, nor without a selection).
  void StrokeIndex1Click();

 protected:
  TCourseForm* Dialog() const;
  HandOverResult* DialogResult() const override;
  void TakeOverResult() override;
  void SortEntries() override;
  StateRestorer State() override;
  int EntryCount() const override { return courses_.Count(); }
  QString EntryName(int position) const override;

 private:
  QListWidget* CourseListBox = listBox_;
  QAction* AddCourse1 = addItem_;
  QAction* ModifyCourse1 = modifyItem_;
  QAction* DeleteCourse1 = deleteItem_;
  QAction* StrokeIndex1;

  TCourseTable courses_;
};

}  // namespace qm
