#include "windows/qmgmaint.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMenuBar>
#include <QPalette>
#include <QPointer>
#include <QResizeEvent>
#include <algorithm>

#include "store/roster.h"
#include "store/text.h"
#include "ui/guard.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/textconv.h"
#include "windows/qmapp.h"
#include "windows/qmgname.h"

namespace qm {

namespace {

const QString kSection = QStringLiteral("GMaintForm");

QPointer<TGMaintForm>& Current() {
  static QPointer<TGMaintForm> current;
  return current;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int y) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(395, y, 111, 41);
  button->setAutoDefault(false);
  return button;
}

QAction* MakeItem(QMenu* menu, const QString& name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  return item;
}

}  // namespace

TGMaintForm::TGMaintForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("GMaintForm"));
  setWindowTitle(QStringLiteral("Golfer Maintenance"));
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

  GolferListBox = new QListWidget(client);
  GolferListBox->setObjectName(QStringLiteral("GolferListBox"));
  GolferListBox->setGeometry(40, 18, 316, 305);
  GolferListBox->setSelectionMode(QAbstractItemView::SingleSelection);

  AddButton = MakeButton(client, QStringLiteral("AddButton"), QStringLiteral("Add"), 38);
  ModifyButton = MakeButton(client, QStringLiteral("ModifyButton"), QStringLiteral("Modify"), 93);
  DeleteButton = MakeButton(client, QStringLiteral("DeleteButton"), QStringLiteral("Delete"), 148);
  SaveButton = MakeButton(client, QStringLiteral("SaveButton"), QStringLiteral("Save"), 203);
  ExitButton = MakeButton(client, QStringLiteral("ExitButton"), QStringLiteral("Exit"), 258);
  setTabOrder(GolferListBox, AddButton);
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
  AddGolfer1 = MakeItem(Edit1, QStringLiteral("AddGolfer1"), QStringLiteral("&Add Golfer"));
  ModifyGolfer1 =
      MakeItem(Edit1, QStringLiteral("ModifyGolfer1"), QStringLiteral("&Modify Golfer"));
  DeleteGolfer1 =
      MakeItem(Edit1, QStringLiteral("DeleteGolfer1"), QStringLiteral("&Delete Golfer"));

  connect(AddButton, &QPushButton::clicked, this, Guarded([this](bool) { AddButtonClick(); }));
  connect(ModifyButton, &QPushButton::clicked, this,
          Guarded([this](bool) { ModifyButtonClick(); }));
  connect(DeleteButton, &QPushButton::clicked, this,
          Guarded([this](bool) { DeleteButtonClick(); }));
  connect(SaveButton, &QPushButton::clicked, this, Guarded([this](bool) { SaveButtonClick(); }));
  connect(ExitButton, &QPushButton::clicked, this, Guarded([this](bool) { ExitButtonClick(); }));
  connect(Save1, &QAction::triggered, this, Guarded([this](bool) { SaveButtonClick(); }));
  connect(Exit1, &QAction::triggered, this, Guarded([this](bool) { ExitButtonClick(); }));
  connect(AddGolfer1, &QAction::triggered, this, Guarded([this](bool) { AddButtonClick(); }));
  connect(ModifyGolfer1, &QAction::triggered, this, Guarded([this](bool) { ModifyButtonClick(); }));
  connect(DeleteGolfer1, &QAction::triggered, this, Guarded([this](bool) { DeleteButtonClick(); }));
  connect(GolferListBox, &QListWidget::itemDoubleClicked, this,
          Guarded([this](QListWidgetItem*) { ModifyButtonClick(); }));

  RestorePlacement(this, kSection);
  loaded_ = Guard([this] {
    LoadRoster(roster_);
    SortRoster(roster_);
  });
  // A roster read only in part must never be saved over the whole one.
  if (!loaded_) roster_.Clear();
  FillList();
  SelectLine(1);
  SetModified(false);
  Current() = this;
}

TGMaintForm::~TGMaintForm() {
  if (DialogOpenForMe()) {
    NameForm()->hide();
    NameForm()->Hand.Forget();
  }
}

TGMaintForm* TGMaintForm::Open() {
  if (TGMaintForm* open = Instance()) {
    open->setWindowState(open->windowState() & ~Qt::WindowMinimized);
    open->show();
    open->raise();
    open->activateWindow();
    return nullptr;
  }
  auto* window = new TGMaintForm;
  if (!window->Loaded()) {
    delete window;
    return nullptr;
  }
  return window;
}

TGMaintForm* TGMaintForm::Instance() { return Current().data(); }

TGNameForm* TGMaintForm::NameForm() const { return Program().GNameForm; }

bool TGMaintForm::DialogOpenForMe() const {
  TGNameForm* form = NameForm();
  return form != nullptr && form->isVisible() && form->Hand.IsFor(this);
}

void TGMaintForm::FormActivate() {
  TGNameForm* form = NameForm();
  if (form == nullptr || DialogOpenForMe()) return;
  bool returning = editing_;
  SetEditing(false);
  if (form->OkPressed->text() == QLatin1String("1") && form->Hand.IsFor(this)) {
    // Cleared before anything is shown: a message box closing activates
    // this window again.
    form->OkPressed->setText(QStringLiteral("0"));
    returning = true;
    std::string shortName = ToBytes(form->ShortName->text());
    if (editIndex_ != 0) {
      const std::string oldShort = CutAtNul(roster_.At(editIndex_).ShortName);
      // A short name that names no file of this folder has no file to move.
      if (shortName != oldShort && IsSafeFileStem(oldShort) &&
          !RenameScoreFile(oldShort, shortName)) {
        CurrentPrompts().Message(
            QStringLiteral("ERROR: Unable to rename golfer file!  Try a different name."));
        form->ShortName->setText(FromBytes(oldShort));
        shortName = oldShort;
      }
    }
    if (editIndex_ == 0) {
      roster_.Entries.emplace_back();
      editIndex_ = roster_.Count();
    }
    TRosterEntry& entry = roster_.At(editIndex_);
    entry.LongName = CutTo(ToBytes(form->LongName->text()), width::LongName);
    entry.ShortName = CutTo(shortName, width::ShortName);
    entry.Sex = form->SexIndex();
    SetModified(true);
  }
  if (!returning) return;
  SortRoster(roster_);
  FillList();
  SelectLine(editIndex_ == 0 ? 1 : editIndex_);
}

void TGMaintForm::FormResize() {
  if (Program().Closing) return;
  GolferListBox->resize(GolferListBox->width(), std::max(0, centralWidget()->height() - 30));
  SavePlacement(this, kSection);
}

void TGMaintForm::AddButtonClick() {
  if (NameForm() == nullptr || editing_) return;
  if (roster_.Count() >= Program().MaxGolfers) {
    CurrentPrompts().Warning(QStringLiteral(
        "You have reached the maximum allowed number of golfers.  If possible, delete some "
        "golfers that are inactive.  Then, you can enter more new ones."));
    return;
  }
  editIndex_ = 0;
  TGNameForm* form = NameForm();
  form->LongName->clear();
  form->ShortName->clear();
  form->SetSexIndex(0);
  form->EditMode = QStringLiteral("A");
  ShowDialog();
}

void TGMaintForm::ModifyButtonClick() {
  const int n = SelectedPosition();
  if (NameForm() == nullptr || editing_ || n == 0) return;
  editIndex_ = n;
  const TRosterEntry& entry = roster_.At(n);
  TGNameForm* form = NameForm();
  form->LongName->setText(FromBytes(entry.LongName));
  form->ShortName->setText(FromBytes(entry.ShortName));
  form->SetSexIndex(entry.Sex);
  form->EditMode = QStringLiteral("E");
  ShowDialog();
}

void TGMaintForm::ShowDialog() {
  SetEditing(true);
  NameForm()->Hand.ShowFor(this);
}

void TGMaintForm::DeleteButtonClick() {
  const int n = SelectedPosition();
  if (editing_ || n == 0) return;
  const TRosterEntry& entry = roster_.At(n);
  const std::string shortName = CutAtNul(entry.ShortName);
  const QString file = FromBytes(ScoreFileName(entry));
  // Two golfers may share one score file; the one who stays keeps it.
  const bool shared =
      std::count_if(roster_.Entries.begin(), roster_.Entries.end(), [&](const TRosterEntry& other) {
        return CutAtNul(other.ShortName) == shortName;
      }) > 1;
  const QString question =
      shared ? QStringLiteral(
                   "Are you sure you want to delete this golfer?  The score file \"%1\" "
                   "stays, since another golfer uses it.")
                   .arg(file)
             : QStringLiteral(
                   "Are you sure you want to delete this golfer along with score file "
                   "\"%1\"?")
                   .arg(file);
  if (!CurrentPrompts().ConfirmYesNo(question)) return;
  if (!shared && IsSafeFileStem(shortName)) DeleteScoreFile(shortName);
  roster_.Entries.erase(roster_.Entries.begin() + (n - 1));
  delete GolferListBox->takeItem(n - 1);
  SetModified(true);
  SelectLine(std::min(n, roster_.Count()));
}

void TGMaintForm::SaveButtonClick() {
  SaveRoster(roster_);
  SetModified(false);
}

void TGMaintForm::ExitButtonClick() {
  if (modified_) {
    switch (CurrentPrompts().ConfirmYesNoCancel(QStringLiteral("Save changes made to golfers?"))) {
      case Answer::Yes: SaveButtonClick(); break;
      case Answer::No: break;
      case Answer::Cancel: return;
    }
  }
  close();
}

void TGMaintForm::SetEditing(bool editing) {
  editing_ = editing;
  for (QWidget* control :
       {static_cast<QWidget*>(GolferListBox), static_cast<QWidget*>(AddButton),
        static_cast<QWidget*>(ModifyButton), static_cast<QWidget*>(DeleteButton)})
    control->setEnabled(!editing);
  for (QAction* item : {AddGolfer1, ModifyGolfer1, DeleteGolfer1}) item->setEnabled(!editing);
}

void TGMaintForm::FillList() {
  GolferListBox->clear();
  for (const TRosterEntry& entry : roster_.Entries)
    GolferListBox->addItem(FromBytes(entry.LongName));
}

void TGMaintForm::SelectLine(int position) {
  if (position >= 1 && position <= GolferListBox->count())
    GolferListBox->setCurrentRow(position - 1);
  else
    GolferListBox->clearSelection();
}

void TGMaintForm::SetModified(bool modified) {
  modified_ = modified;
  SaveButton->setEnabled(modified);
}

int TGMaintForm::SelectedPosition() const {
  const QList<QListWidgetItem*> selected = GolferListBox->selectedItems();
  if (selected.isEmpty()) return 0;
  const int row = GolferListBox->row(selected.front());
  return row >= 0 && row < roster_.Count() ? row + 1 : 0;
}

void TGMaintForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    Guard([this] { FormActivate(); });
}

void TGMaintForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Guard([this] { FormResize(); });
}

void TGMaintForm::closeEvent(QCloseEvent* event) {
  // Through the frame nothing is asked and nothing saved; an open name
  // dialog goes with the window.
  if (DialogOpenForMe()) {
    NameForm()->hide();
    NameForm()->Hand.Forget();
  }
  event->accept();
}

}  // namespace qm
