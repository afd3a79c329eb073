#include "windows/qmmaintbase.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <algorithm>

#include "ui/access.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/menus.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/textconv.h"
#include "windows/qmapp.h"

namespace qm {

namespace {

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption, int x, int y) {
  return MakeButton(parent, name, caption, {x, y, 111, 41}, EnterKey::Ignored);
}

}  // namespace

TListMaintForm::TListMaintForm(const Layout& layout, QWidget* parent)
    : QMainWindow(parent), exitQuestion_(layout.ExitQuestion), noun_(layout.Noun) {
  setObjectName(layout.Name);
  setWindowTitle(layout.Title);
  QFont font = this->font();
  font.setPixelSize(16);
  setFont(font);
  PaintWhite(this);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Client"));
  setCentralWidget(client);

  listBox_ = new QListWidget(client);
  listBox_->setObjectName(layout.ListName);
  SetSpokenName(listBox_, layout.Noun + QStringLiteral("s"));
  listBox_->setGeometry(layout.List);
  listBox_->setSelectionMode(QAbstractItemView::SingleSelection);

  const int x = layout.ButtonX;
  AddButton = Button(client, QStringLiteral("AddButton"), QStringLiteral("Add"), x, 38);
  ModifyButton = Button(client, QStringLiteral("ModifyButton"), QStringLiteral("Modify"), x, 93);
  DeleteButton = Button(client, QStringLiteral("DeleteButton"), QStringLiteral("Delete"), x, 148);
  SaveButton = Button(client, QStringLiteral("SaveButton"), QStringLiteral("Save"), x, 203);
  ExitButton = Button(client, QStringLiteral("ExitButton"), QStringLiteral("Exit"), x, 258);
  SetTabOrder({listBox_, AddButton, ModifyButton, DeleteButton, ExitButton, SaveButton});

  QMenuBar* bar = MakeMenuBar(this, QStringLiteral("MainMenu"));
  File1 = MakeMenu(bar, "File1", "&File");
  Save1 = MakeItem(File1, QStringLiteral("Save1"), QStringLiteral("&Save"));
  Exit1 = MakeItem(File1, QStringLiteral("Exit1"), QStringLiteral("&Exit"));
  Edit1 = MakeMenu(bar, "Edit1", "&Edit");
  // "&Add Golfer" is the item AddGolfer1, and so on.
  auto makeEditItem = [this, &layout](const QString& verb) {
    return MakeItem(Edit1, verb + layout.Noun + QLatin1Char('1'),
                    QLatin1Char('&') + verb + QLatin1Char(' ') + layout.Noun);
  };
  addItem_ = makeEditItem(QStringLiteral("Add"));
  modifyItem_ = makeEditItem(QStringLiteral("Modify"));
  deleteItem_ = makeEditItem(QStringLiteral("Delete"));
  undo_ = new UndoSteps(this, Edit1, [this] { Restored(); });

  connect(AddButton, &QPushButton::clicked, this, Guarded([this](bool) { AddButtonClick(); }));
  connect(ModifyButton, &QPushButton::clicked, this,
          Guarded([this](bool) { ModifyButtonClick(); }));
  connect(DeleteButton, &QPushButton::clicked, this,
          Guarded([this](bool) { DeleteButtonClick(); }));
  connect(SaveButton, &QPushButton::clicked, this, Guarded([this](bool) { SaveButtonClick(); }));
  connect(ExitButton, &QPushButton::clicked, this, Guarded([this](bool) { ExitButtonClick(); }));
  connect(Save1, &QAction::triggered, this, Guarded([this](bool) { SaveButtonClick(); }));
  connect(Exit1, &QAction::triggered, this, Guarded([this](bool) { ExitButtonClick(); }));
  connect(addItem_, &QAction::triggered, this, Guarded([this](bool) { AddButtonClick(); }));
  connect(modifyItem_, &QAction::triggered, this, Guarded([this](bool) { ModifyButtonClick(); }));
  connect(deleteItem_, &QAction::triggered, this, Guarded([this](bool) { DeleteButtonClick(); }));
  connect(listBox_, &QListWidget::itemDoubleClicked, this,
          Guarded([this](QListWidgetItem*) { ModifyButtonClick(); }));

  new PlacementKeeper(this, layout.Name, [] { return Program().Closing; });
}

bool TListMaintForm::BringToFront(QWidget* window) {
  if (window == nullptr) return false;
  qm::BringToFront(window);
  return true;
}

void TListMaintForm::ReleaseDialog() {
  if (HandOverResult* result = DialogResult()) result->Release(this);
}

void TListMaintForm::FormActivate() {
  HandOverResult* result = DialogResult();
  if (result == nullptr || result->OpenFor(this)) return;
  bool returning = editing_;
  SetEditing(false);
  // Taken before anything is shown: a message box closing activates this
  // window again.
  if (result->Take(this)) {
    returning = true;
    StateRestorer before = State();
    const QString step =
        (editIndex_ == 0 ? QStringLiteral("Add ") : QStringLiteral("Modify ")) + noun_;
    TakeOverResult();
    SortEntries();
    undo_->Record(step, std::move(before), State());
    SetModified(true);
  }
  if (!returning) return;
  SortEntries();
  FillList();
  SelectLine(editIndex_ == 0 ? 1 : editIndex_);
}

bool TListMaintForm::MayOpenDialog() const {
  HandOverResult* result = DialogResult();
  if (result == nullptr || editing_) return false;
  QWidget* dialog = result->Dialog();
  if (!dialog->isVisible() || result->Hand().IsFor(this)) return true;
  qm::BringToFront(dialog);
  return false;
}

void TListMaintForm::ShowDialog(int position) {
  editIndex_ = position;
  SetEditing(true);
  DialogResult()->Hand().ShowFor(this);
}

void TListMaintForm::ExitButtonClick() {
  if (modified_) {
    switch (CurrentPrompts().ConfirmYesNoCancel(exitQuestion_)) {
      case Answer::Yes:
        SaveButtonClick();
        if (modified_) return;
        break;
      case Answer::No: break;
      case Answer::Cancel: return;
    }
  }
  close();
}

void TListMaintForm::SetEditing(bool editing) {
  editing_ = editing;
  for (QWidget* control :
       {static_cast<QWidget*>(listBox_), static_cast<QWidget*>(AddButton),
        static_cast<QWidget*>(ModifyButton), static_cast<QWidget*>(DeleteButton)})
    control->setEnabled(!editing);
  for (QAction* item : {addItem_, modifyItem_, deleteItem_}) item->setEnabled(!editing);
  for (QAction* item : editingLocked_) item->setEnabled(!editing);
  undo_->SetBlocked(editing);
}

void TListMaintForm::Saved() {
  undo_->Clear();
  SetModified(false);
}

void TListMaintForm::Restored() {
  const int selected = SelectedPosition();
  FillList();
  SelectLine(std::min(std::max(selected, 1), EntryCount()));
  SetModified(!undo_->AtSaved());
}

void TListMaintForm::FillList() {
  listBox_->clear();
  for (int n = 1; n <= EntryCount(); ++n) listBox_->addItem(EntryName(n));
}

void TListMaintForm::SelectLine(int position) {
  if (position >= 1 && position <= listBox_->count())
    listBox_->setCurrentRow(position - 1);
  else
    listBox_->clearSelection();
}

void TListMaintForm::LineDeleted(int position) {
  delete listBox_->takeItem(position - 1);
  SetModified(true);
  SelectLine(std::min(position, EntryCount()));
}

void TListMaintForm::RememberFile(const std::string& fileName) {
  read_ = fileio::FileSnapshot::Of(fileName);
}

bool TListMaintForm::MayReplaceFile() const {
  if (!read_.Changed()) return true;
  return CurrentPrompts().ConfirmYesNo(
      QStringLiteral("The file \"%1\" has been changed by another window or program since this "
                     "window read it.  Replace it with the list shown here?")
          .arg(FromBytes(read_.Path())));
}

void TListMaintForm::SetModified(bool modified) {
  modified_ = modified;
  SaveButton->setEnabled(modified);
}

int TListMaintForm::SelectedPosition() const {
  const QList<QListWidgetItem*> selected = listBox_->selectedItems();
  if (selected.isEmpty()) return 0;
  const int row = listBox_->row(selected.front());
  return row >= 0 && row < EntryCount() ? row + 1 : 0;
}

void TListMaintForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  listBox_->resize(listBox_->width(), std::max(0, centralWidget()->height() - 30));
}

void TListMaintForm::closeEvent(QCloseEvent* event) {
  ReleaseDialog();
  event->accept();
}

}  // namespace qm
