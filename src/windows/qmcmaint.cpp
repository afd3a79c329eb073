#include "windows/qmcmaint.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMenuBar>
#include <QPalette>
#include <QPointer>
#include <QResizeEvent>
#include <algorithm>

#include "store/courses.h"
#include "ui/guard.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/textconv.h"
#include "windows/qmapp.h"
#include "windows/qmcourse.h"

namespace qm {

namespace {

const QString kSection = QStringLiteral("CMaintForm");

QPointer<TCMaintForm>& Current() {
  static QPointer<TCMaintForm> current;
  return current;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int y) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(410, y, 111, 41);
  button->setAutoDefault(false);
  return button;
}

QAction* MakeItem(QMenu* menu, const QString& name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  return item;
}

}  // namespace

TCMaintForm::TCMaintForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("CMaintForm"));
  setWindowTitle(QStringLiteral("Course Maintenance"));
  QFont font = this->font();
  font.setPixelSize(16);
  setFont(font);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Client"));
  setCentralWidget(client);

  CourseListBox = new QListWidget(client);
  CourseListBox->setObjectName(QStringLiteral("CourseListBox"));
  CourseListBox->setGeometry(45, 18, 316, 307);
  CourseListBox->setSelectionMode(QAbstractItemView::SingleSelection);

  AddButton = MakeButton(client, QStringLiteral("AddButton"), QStringLiteral("Add"), 38);
  ModifyButton = MakeButton(client, QStringLiteral("ModifyButton"), QStringLiteral("Modify"), 93);
  DeleteButton = MakeButton(client, QStringLiteral("DeleteButton"), QStringLiteral("Delete"), 148);
  SaveButton = MakeButton(client, QStringLiteral("SaveButton"), QStringLiteral("Save"), 203);
  ExitButton = MakeButton(client, QStringLiteral("ExitButton"), QStringLiteral("Exit"), 258);
  setTabOrder(CourseListBox, AddButton);
  setTabOrder(AddButton, ModifyButton);
  setTabOrder(ModifyButton, DeleteButton);
  setTabOrder(DeleteButton, ExitButton);
  setTabOrder(ExitButton, SaveButton);

  File1 = menuBar()->addMenu(QStringLiteral("&File"));
  File1->setObjectName(QStringLiteral("File1"));
  Save1 = MakeItem(File1, QStringLiteral("Save1"), QStringLiteral("&Save"));
  Exit1 = MakeItem(File1, QStringLiteral("Exit1"), QStringLiteral("&Exit"));
  Edit1 = menuBar()->addMenu(QStringLiteral("&Edit"));
  Edit1->setObjectName(QStringLiteral("Edit1"));
  AddCourse1 = MakeItem(Edit1, QStringLiteral("AddCourse1"), QStringLiteral("&Add Course"));
  ModifyCourse1 =
      MakeItem(Edit1, QStringLiteral("ModifyCourse1"), QStringLiteral("&Modify Course"));
  DeleteCourse1 =
      MakeItem(Edit1, QStringLiteral("DeleteCourse1"), QStringLiteral("&Delete Course"));

  connect(AddButton, &QPushButton::clicked, this, Guarded([this](bool) { AddButtonClick(); }));
  connect(ModifyButton, &QPushButton::clicked, this,
          Guarded([this](bool) { ModifyButtonClick(); }));
  connect(DeleteButton, &QPushButton::clicked, this,
          Guarded([this](bool) { DeleteButtonClick(); }));
  connect(SaveButton, &QPushButton::clicked, this, Guarded([this](bool) { SaveButtonClick(); }));
  connect(ExitButton, &QPushButton::clicked, this, Guarded([this](bool) { ExitButtonClick(); }));
  connect(Save1, &QAction::triggered, this, Guarded([this](bool) { SaveButtonClick(); }));
  connect(Exit1, &QAction::triggered, this, Guarded([this](bool) { ExitButtonClick(); }));
  connect(AddCourse1, &QAction::triggered, this, Guarded([this](bool) { AddButtonClick(); }));
  connect(ModifyCourse1, &QAction::triggered, this, Guarded([this](bool) { ModifyButtonClick(); }));
  connect(DeleteCourse1, &QAction::triggered, this, Guarded([this](bool) { DeleteButtonClick(); }));
  connect(CourseListBox, &QListWidget::itemDoubleClicked, this,
          Guarded([this](QListWidgetItem*) { ModifyButtonClick(); }));

  RestorePlacement(this, kSection);
  loaded_ = Guard([this] {
    const LoadCoursesResult result = LoadCourses(courses_);
    if (!result.Message.empty()) CurrentPrompts().Message(FromBytes(result.Message));
    SortCourses(courses_);
  });
  // A list read only in part must never be saved over the whole one.
  if (!loaded_) courses_.Clear();
  FillList();
  SelectLine(1);
  SetModified(false);
  Current() = this;
}

TCMaintForm::~TCMaintForm() {
  if (EditorOpenForMe()) {
    Editor()->hide();
    Editor()->Hand.Forget();
  }
}

TCMaintForm* TCMaintForm::Open() {
  if (TCMaintForm* open = Instance()) {
    open->setWindowState(open->windowState() & ~Qt::WindowMinimized);
    open->show();
    open->raise();
    open->activateWindow();
    return nullptr;
  }
  auto* window = new TCMaintForm;
  if (!window->Loaded()) {
    delete window;
    return nullptr;
  }
  return window;
}

TCMaintForm* TCMaintForm::Instance() { return Current().data(); }

TCourseForm* TCMaintForm::Editor() const { return Program().CourseForm; }

bool TCMaintForm::EditorOpenForMe() const {
  TCourseForm* form = Editor();
  return form != nullptr && form->isVisible() && form->Hand.IsFor(this);
}

void TCMaintForm::FormActivate() {
  TCourseForm* form = Editor();
  if (form == nullptr || EditorOpenForMe()) return;
  bool returning = editing_;
  SetEditing(false);
  if (form->OkPressed->text() == QLatin1String("1") && form->Hand.IsFor(this)) {
    // Cleared before anything is shown: a message box closing activates
    // this window again.
    form->OkPressed->setText(QStringLiteral("0"));
    returning = true;
    if (editIndex_ == 0) {
      courses_.Entries.emplace_back();
      editIndex_ = courses_.Count();
    }
    TCourseRec& course = courses_.At(editIndex_);
    course.CourseName = CutTo(ToBytes(form->CourseName->text()), width::CourseName);
    course.Rating = CutTo(ToBytes(form->RatingField->text()), width::Rating);
    course.Slope = CutTo(ToBytes(form->SlopeField->text()), width::Slope);
    for (int i = 0; i < HoleCount; ++i)
      course.HolePar[i] = CutTo(ToBytes(form->Par[i]->text()), width::HoleParMem);
    course.ParTotal = CutTo(ToBytes(form->ParTotal->text()), width::ParTotalMem);
    SetModified(true);
  }
  if (!returning) return;
  SortCourses(courses_);
  FillList();
  SelectLine(editIndex_ == 0 ? 1 : editIndex_);
}

void TCMaintForm::FormResize() {
  if (Program().Closing) return;
  CourseListBox->resize(CourseListBox->width(), std::max(0, centralWidget()->height() - 30));
  SavePlacement(this, kSection);
}

void TCMaintForm::AddButtonClick() {
  if (Editor() == nullptr || editing_ || EditorBusyElsewhere()) return;
  if (courses_.Count() >= Program().MaxCourses) {
    CurrentPrompts().Warning(QStringLiteral(
        "You have reached the maximum allowed number of courses.  If possible, delete some "
        "courses that you do not use.  Then, you can enter more new ones."));
    return;
  }
  editIndex_ = 0;
  TCourseForm* form = Editor();
  form->CourseName->clear();
  form->RatingField->clear();
  form->SlopeField->clear();
  for (QLineEdit* field : form->Par) field->setText(QStringLiteral("0"));
  for (QLineEdit* field : {form->ParOut, form->ParIn, form->ParTotal})
    field->setText(QStringLiteral("0"));
  ShowEditor();
}

void TCMaintForm::ModifyButtonClick() {
  const int n = SelectedPosition();
  if (Editor() == nullptr || editing_ || n == 0 || EditorBusyElsewhere()) return;
  editIndex_ = n;
  const TCourseRec& course = courses_.At(n);
  TCourseForm* form = Editor();
  form->CourseName->setText(FromBytes(course.CourseName));
  form->RatingField->setText(FromBytes(course.Rating));
  form->SlopeField->setText(FromBytes(course.Slope));
  for (int i = 0; i < HoleCount; ++i) form->Par[i]->setText(FromBytes(course.HolePar[i]));
  form->ParTotal->setText(FromBytes(course.ParTotal));
  // The editor works OUT and IN out as it opens.
  form->ParOut->setText(QStringLiteral("0"));
  form->ParIn->setText(QStringLiteral("0"));
  ShowEditor();
}

bool TCMaintForm::EditorBusyElsewhere() const {
  TCourseForm* form = Editor();
  if (!form->isVisible() || form->Hand.IsFor(this)) return false;
  form->raise();
  form->activateWindow();
  return true;
}

void TCMaintForm::ShowEditor() {
  SetEditing(true);
  Editor()->Hand.ShowFor(this);
}

void TCMaintForm::DeleteButtonClick() {
  const int n = SelectedPosition();
  if (editing_ || n == 0) return;
  if (!CurrentPrompts().ConfirmYesNo(
          QStringLiteral("Are you sure you want to delete this course?")))
    return;
  courses_.Entries.erase(courses_.Entries.begin() + (n - 1));
  delete CourseListBox->takeItem(n - 1);
  SetModified(true);
  SelectLine(std::min(n, courses_.Count()));
}

void TCMaintForm::SaveButtonClick() {
  SaveCourses(courses_);
  SetModified(false);
}

void TCMaintForm::ExitButtonClick() {
  if (modified_) {
    switch (CurrentPrompts().ConfirmYesNoCancel(QStringLiteral("Save changes made to courses?"))) {
      case Answer::Yes: SaveButtonClick(); break;
      case Answer::No: break;
      case Answer::Cancel: return;
    }
  }
  close();
}

void TCMaintForm::SetEditing(bool editing) {
  editing_ = editing;
  for (QWidget* control :
       {static_cast<QWidget*>(CourseListBox), static_cast<QWidget*>(AddButton),
        static_cast<QWidget*>(ModifyButton), static_cast<QWidget*>(DeleteButton)})
    control->setEnabled(!editing);
  for (QAction* item : {AddCourse1, ModifyCourse1, DeleteCourse1}) item->setEnabled(!editing);
}

void TCMaintForm::FillList() {
  CourseListBox->clear();
  for (const TCourseRec& course : courses_.Entries)
    CourseListBox->addItem(FromBytes(course.CourseName));
}

void TCMaintForm::SelectLine(int position) {
  if (position >= 1 && position <= CourseListBox->count())
    CourseListBox->setCurrentRow(position - 1);
  else
    CourseListBox->clearSelection();
}

void TCMaintForm::SetModified(bool modified) {
  modified_ = modified;
  SaveButton->setEnabled(modified);
}

int TCMaintForm::SelectedPosition() const {
  const QList<QListWidgetItem*> selected = CourseListBox->selectedItems();
  if (selected.isEmpty()) return 0;
  const int row = CourseListBox->row(selected.front());
  return row >= 0 && row < courses_.Count() ? row + 1 : 0;
}

void TCMaintForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    Guard([this] { FormActivate(); });
}

void TCMaintForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Guard([this] { FormResize(); });
}

void TCMaintForm::closeEvent(QCloseEvent* event) {
  // Through the frame nothing is asked and nothing saved; an open name
  // dialog goes with the window.
  if (EditorOpenForMe()) {
    Editor()->hide();
    Editor()->Hand.Forget();
  }
  event->accept();
}

}  // namespace qm
