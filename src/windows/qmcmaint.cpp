#include "windows/qmcmaint.h"

#include "store/courses.h"
#include "store/strokes.h"
#include "ui/guard.h"
#include "ui/menus.h"
#include "ui/messages.h"
#include "ui/prompts.h"
#include "ui/textconv.h"
#include "windows/qmapp.h"
#include "windows/qmstrokes.h"

namespace qm {

TCMaintForm::TCMaintForm(QWidget* parent)
    : TListMaintForm({.Name = QStringLiteral("CMaintForm"),
                      .Title = QStringLiteral("Course Maintenance"),
                      .ListName = QStringLiteral("CourseListBox"),
                      .List = QRect(45, 18, 316, 307),
                      .ButtonX = 410,
                      .Noun = QStringLiteral("Course"),
                      .ExitQuestion = QStringLiteral("Save changes made to courses?")},
                     parent) {
  LoadTable(courses_, [this] {
    const LoadCoursesResult result = LoadCourses(courses_);
    if (!result.Message.empty()) CurrentPrompts().Message(FromBytes(result.Message));
    SortCourses(courses_);
    RememberFile(CourseFileName);
  });
  Edit1->addSeparator();
  StrokeIndex1 =
      MakeItem(Edit1, QStringLiteral("StrokeIndex1"), QStringLiteral("&Stroke Index..."));
  DisableWhileEditing(StrokeIndex1);
  connect(StrokeIndex1, &QAction::triggered, this, Guarded([this](bool) { StrokeIndex1Click(); }));
  Current<TCMaintForm>() = this;
}

TCMaintForm::~TCMaintForm() { ReleaseDialog(); }

TCMaintForm* TCMaintForm::Open() { return OpenOne<TCMaintForm>(); }

TCMaintForm* TCMaintForm::Instance() { return Current<TCMaintForm>().data(); }

TCourseForm* TCMaintForm::Dialog() const { return Program().CourseForm; }

HandOverResult* TCMaintForm::DialogResult() const {
  return Dialog() != nullptr ? &Dialog()->Result : nullptr;
}

void TCMaintForm::TakeOverResult() { EditedEntry(courses_) = Dialog()->Course(); }

void TCMaintForm::SortEntries() { SortCourses(courses_); }

StateRestorer TCMaintForm::State() {
  return [this, courses = courses_] { courses_ = courses; };
}

QString TCMaintForm::EntryName(int position) const {
  return FromBytes(courses_.At(position).CourseName);
}

void TCMaintForm::AddButtonClick() {
  if (!MayOpenDialog()) return;
  if (courses_.Count() >= MaxCourses) {
    CurrentPrompts().Warning(msg::CoursesFull());
    return;
  }
  Dialog()->PrimeNewCourse();
  ShowDialog(0);
}

void TCMaintForm::ModifyButtonClick() {
  const int n = SelectedPosition();
  if (n == 0 || !MayOpenDialog()) return;
  Dialog()->PrimeCourse(courses_.At(n));
  ShowDialog(n);
}

void TCMaintForm::DeleteButtonClick() {
  const int n = SelectedPosition();
  if (Editing() || n == 0) return;
  if (!CurrentPrompts().ConfirmYesNo(
          QStringLiteral("Are you sure you want to delete this course?")))
    return;
  DeleteEntry(courses_, n);
}

void TCMaintForm::StrokeIndex1Click() {
  const int n = SelectedPosition();
  if (Editing() || n == 0) return;
  const std::string name = courses_.At(n).CourseName;
  const auto current = [&name] {
    TStrokeTable strokes;
    LoadStrokes(strokes);
    const StrokeIndex* index = FindStrokeIndex(strokes, name);
    return index != nullptr ? std::optional<StrokeIndex>(*index) : std::nullopt;
  };
  const std::optional<StrokeIndex> before = current();
  if (!TStrokeIndexDlg::Edit(name, this)) return;
  const std::optional<StrokeIndex> after = current();
  if (after == before) return;
  // The dialog wrote strokes.qmd; undo and redo write it again.
  RecordStep(
      QStringLiteral("Change Stroke Index"), [name, before] { StoreStrokeIndex(name, before); },
      [name, after] { StoreStrokeIndex(name, after); });
}

void TCMaintForm::SaveButtonClick() {
  if (!MayReplaceFile()) return;
  SaveCourses(courses_);
  RememberFile(CourseFileName);
  Saved();
}

}  // namespace qm
