#include "windows/qmgolfer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <memory>

#include "engine/golfer.h"
#include "engine/insight.h"
#include "engine/numeric.h"
#include "engine/scorecard.h"
#include "store/roster.h"
#include "store/scores.h"
#include "store/text.h"
#include "ui/access.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/look.h"
#include "ui/menus.h"
#include "ui/messages.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/textconv.h"
#include "windows/qmapp.h"
#include "windows/qmhndicp.h"
#include "windows/qmindex.h"
#include "windows/qmindexhist.h"
#include "windows/qmscore.h"

namespace qm {

namespace {

const QString kSection = QStringLiteral("GolferForm");
const QString kSaveQuestion = QStringLiteral("Save changes made to scores?");
const QString kDeleteQuestion = QStringLiteral("Are you sure you want to delete this score?");

constexpr int kItemHeight = 15;

// The list's fixed-pitch face, as wide as the columns under the heading.
QFont ListFont(const QFont& base) {
  QFont font = FixedPitchFont(base);
  font.setBold(false);
  font.setPixelSize(13);
  return font;
}

QFont Bold(const QFont& base, int pixels) {
  QFont font = base;
  font.setBold(true);
  font.setPixelSize(pixels);
  return font;
}

// Read-only, borderless, no tab stop: a text the window writes.
QLineEdit* MakeShownField(QWidget* parent, const char* name, const QFont& font, QRect where) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(true);
  field->setFrame(false);
  field->setFocusPolicy(Qt::NoFocus);
  field->setFont(font);
  field->setGeometry(where);
  PaintPlain(field);
  return field;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int x) {
  return MakeButton(parent, QString::fromLatin1(name), QString::fromLatin1(caption),
                    {x, 331, 106, 31}, EnterKey::Ignored);
}

}  // namespace

std::string ScoreListLine(const TScoreRec& rec, int position, char mark) {
  std::string line;
  line.reserve(80);
  line += mark;
  line += ' ';
  line += PadRight(std::to_string(position), 4);
  line += ' ';
  line += DateKeyToDisplay(CutAtNul(rec.Date));
  line += "  ";
  line += PadLeft(rec.ScoreTotal, 4);
  line += "  ";
  line += PadLeft(rec.AdjScore, 4);
  line += "  ";
  line += PadRight(rec.Rating, 5);
  line += "   ";
  line += PadRight(rec.Slope, 4);
  line += "   ";
  line += FormatTenths(ListedDifferential(rec));
  line += "   ";
  line += PadRight(rec.Course, 26);
  return line;
}

TGolferForm::TGolferForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(kSection);
  setWindowTitle(QStringLiteral("Golfer - "));
  QFont systemFont = font();
  systemFont.setPixelSize(16);
  setFont(systemFont);
  BuildControls();
  BuildMenu();
  ConnectHandlers();

  // Creation: the placement; nothing to save yet.
  new PlacementKeeper(
      this, kSection, [] { return Program().Closing; }, [this] { FitToClient(); });
  SetModified(false);
}

TGolferForm::~TGolferForm() = default;

void TGolferForm::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Client"));
  setCentralWidget(client);
  const QFont listFont = ListFont(font());

  Label1 = AddLabel(client, QStringLiteral("Label1"), QStringLiteral("Scores for "), {16, 25},
                    Bold(font(), 13));
  GolferName2 = MakeShownField(client, "GolferName2", Bold(font(), 17), {108, 25, 312, 24});
  Label2 = AddLabel(client, QStringLiteral("Label2"), QStringLiteral("Index:"), {483, 25},
                    Bold(font(), 17));
  IndexField = MakeShownField(client, "IndexField", Bold(font(), 17), {540, 25, 42, 24});
  // Label1 is smaller than the name beside it; both stand on one line.
  Label1->move(16, 25 + (24 - Label1->height()) / 2);
  Label2->move(483, 25 + (24 - Label2->height()) / 2);
  // A face wider than the one the places were drawn for must not hide the
  // label's colon under the index.
  if (IndexField->x() < Label2->geometry().right() + 4)
    IndexField->move(Label2->geometry().right() + 4, IndexField->y());

  ScoresListBox = new QListWidget(client);
  ScoresListBox->setObjectName(QStringLiteral("ScoresListBox"));
  ScoresListBox->setFont(listFont);
  ScoresListBox->setGeometry(16, 73, 593, 224);
  ScoresListBox->setSelectionMode(QAbstractItemView::SingleSelection);
  ScoresListBox->setUniformItemSizes(true);
  // The lines end in the course name's padding: nothing to scroll to.
  ScoresListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  NameByLabel(Label1, GolferName2);
  NameByLabel(Label2, IndexField);
  SetSpokenName(ScoresListBox, QStringLiteral("Scores"));

  // The heading stands over the date column: six characters in from where
  // the list's text begins.
  const int textLeft = ScoresListBox->x() + ScoresListBox->frameWidth() +
                       ScoresListBox->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
  const int advance = QFontMetrics(listFont).horizontalAdvance(QLatin1Char('0'));
  Label3 = AddLabel(client, QStringLiteral("Label3"),
                    QStringLiteral("Date       Score AGS  Rating Slope  Diff  Course"),
                    {textLeft + 6 * advance, 51}, listFont);
  Label4 = AddLabel(client, QStringLiteral("Label4"),
                    QStringLiteral("* = Used to calculate index   I = Incomplete score"), {23, 297},
                    listFont);

  AddButton = Button(client, "AddButton", "Add A Score", 16);
  ModifyButton = Button(client, "ModifyButton", "Modify Score", 138);
  DeleteButton = Button(client, "DeleteButton", "Delete Score", 259);
  SaveButton = Button(client, "SaveButton", "Save", 381);
  ExitButton = Button(client, "ExitButton", "Exit", 502);
  SetTabOrder({ScoresListBox, AddButton, ModifyButton, DeleteButton, SaveButton, ExitButton});

  GolferName = MakeHidden(client, "GolferName");
  GolferSex = MakeHidden(client, "GolferSex");
}

void TGolferForm::BuildMenu() {
  GolferMenu = MakeMenuBar(this, QStringLiteral("GolferMenu"));
  File1 = MakeMenu(GolferMenu, "File1", "&File");
  ExportScores1 = MakeItem(File1, "ExportScores1", "&Export Scores...");
  ImportScores1 = MakeItem(File1, "ImportScores1", "&Import Scores...");
  File1->addSeparator();
  Exit1 = MakeItem(File1, "Exit1", "E&xit");
  Edit1 = MakeMenu(GolferMenu, "Edit1", "&Edit");
  undo_ = new UndoSteps(this, Edit1, [this] { Restored(); });
  Calculate1 = MakeMenu(GolferMenu, "Calculate1", "&Calculate");
  Index1 = MakeItem(Calculate1, "Index1", "&Index");
  Handicap1 = MakeItem(Calculate1, "Handicap1", "&Handicap");
  IndexHistory1 = MakeItem(Calculate1, "IndexHistory1", "Index His&tory...");
}

void TGolferForm::ConnectHandlers() {
  connect(AddButton, &QPushButton::clicked, this, Guarded([this] { AddButtonClick(); }));
  connect(ModifyButton, &QPushButton::clicked, this, Guarded([this] { ModifyButtonClick(); }));
  connect(DeleteButton, &QPushButton::clicked, this, Guarded([this] { DeleteButtonClick(); }));
  connect(SaveButton, &QPushButton::clicked, this, Guarded([this] { SaveButtonClick(); }));
  connect(ExitButton, &QPushButton::clicked, this, Guarded([this] { ExitButtonClick(); }));
  connect(ScoresListBox, &QListWidget::itemDoubleClicked, this,
          Guarded([this] { ModifyButtonClick(); }));
  connect(ExportScores1, &QAction::triggered, this, Guarded([this] { ExportScores1Click(); }));
  connect(ImportScores1, &QAction::triggered, this, Guarded([this] { ImportScores1Click(); }));
  connect(Exit1, &QAction::triggered, this, Guarded([this] { Exit1Click(); }));
  connect(Index1, &QAction::triggered, this, Guarded([this] { Index1Click(); }));
  connect(Handicap1, &QAction::triggered, this, Guarded([this] { Handicap1Click(); }));
  connect(IndexHistory1, &QAction::triggered, this, Guarded([this] { IndexHistory1Click(); }));
}

// ---- opening ----

void TGolferForm::OpenFor(const TRosterEntry& golfer) {
  const std::string file = ScoreFileName(golfer);
  const bool reload = isVisible();
  if (reload) {
    if (file == loadedFile_) {
      Bring();
      return;
    }
    // The round being typed belongs to the golfer shown.
    if (editing_) {
      if (TScoreForm* form = Program().ScoreForm) BringToFront(form);
      return;
    }
    if (!MayLeave()) {
      Bring();
      return;
    }
  }
  GolferName->setText(FromBytes(file));
  GolferName2->setText(FromBytes(CutAtNul(golfer.LongName)));
  SetGolferSex(golfer.Sex);
  if (reload) {
    SetModified(false);
    Guard([this] { FormShow(); });
    if (isActiveWindow()) Guard([this] { FormActivate(); });
  }
  Bring();
}

void TGolferForm::Bring() {
  // The activation handler builds the list, so it runs now.
  BringToFront(this, /*now=*/true);
}

std::string TGolferForm::ShortName() const {
  const std::string file = ToBytes(GolferName->text());
  return file.substr(0, file.find('.'));
}

void TGolferForm::FormShow() {
  setWindowTitle(QStringLiteral("Golfer - ") + GolferName2->text());
  // A round confirmed for this window and never taken is not taken now.
  rounds_.Release();
  pending_ = {};
  SetEditing(false);
  scores_.Clear();
  used_.clear();
  loadedFile_ = ToBytes(GolferName->text());
  const LoadScoresResult result = LoadSortedScores(scores_, loadedFile_, true);
  read_ = fileio::FileSnapshot::Of(loadedFile_);
  if (!result.Message.empty()) CurrentPrompts().Message(FromBytes(result.Message));
  undo_->Clear();
  readChanged_ = result.Changed;
  if (result.Changed) SetModified(true);
}

// ---- activation ----

void TGolferForm::FormActivate() {
  // Still typing: the round is not back yet.
  if (rounds_.Typing()) return;
  SetEditing(false);
  int select = 0;
  if (pending_.Kind != Edit::None) {
    // Taken before anything is shown: a box closing activates this window.
    if (std::optional<TakenRound> taken = rounds_.Take()) {
      StateRestorer before = State();
      const bool adding = pending_.Kind == Edit::Add;
      TScoreRec& round = taken->Round;
      if (pending_.Kind == Edit::Add) {
        scores_.Entries.push_back(std::move(round));
      } else {
        TScoreRec& stored = scores_.At(pending_.Position);
        round.EntryIndex = stored.EntryIndex;
        stored = std::move(round);
        select = pending_.Position;
      }
      pending_ = {};
      SortScores(scores_);
      Recorded(adding ? QStringLiteral("Add Round") : QStringLiteral("Change Round"),
               std::move(before));
    } else if (pending_.Kind == Edit::Modify) {
      select = pending_.Position;
    }
  }
  Refresh(select);
}

// The scores window's own index: its account style, the golfer's sex and
// the program-wide Maximum Index Rule.
IndexRequest TGolferForm::Request() const {
  return GolferIndexRequest(SexOf(golferSex_), ToBytes(GolferName2->text()), Program().UseMaxIndex,
                            IndexOutput::None, AccountStyle::ScoresWindow);
}

void TGolferForm::Refresh(int position) {
  const IndexResult result = CalcIndex(scores_, Request());
  QStringList lines;
  lines.reserve(scores_.Count());
  for (int n = 1; n <= scores_.Count(); ++n)
    lines << FromBytes(
        ScoreListLine(scores_.At(n), n, RoundMark(n, result.UsedScores, scores_.At(n))));

  used_ = result.UsedScores;
  IndexField->setText(FromBytes(IndexText5(result.Index)));
  ScoresListBox->clear();
  ScoresListBox->addItems(lines);
  // Fixed pitch: every line is as wide as its characters, without shaping
  // the text of each.
  const int advance = QFontMetrics(ScoresListBox->font()).horizontalAdvance(QLatin1Char('0'));
  for (int row = 0; row < ScoresListBox->count(); ++row) {
    QListWidgetItem* item = ScoresListBox->item(row);
    item->setSizeHint(QSize(advance * static_cast<int>(item->text().size()), kItemHeight));
  }
  SelectPosition(position == 0 ? 1 : position);
}

void TGolferForm::SelectPosition(int position) {
  if (position >= 1 && position <= ScoresListBox->count()) {
    ScoresListBox->setCurrentRow(position - 1);
  } else {
    ScoresListBox->setCurrentRow(-1);
    ScoresListBox->clearSelection();
  }
}

int TGolferForm::SelectedPosition() const {
  const QList<QListWidgetItem*> selected = ScoresListBox->selectedItems();
  if (selected.isEmpty()) return 0;
  const int row = ScoresListBox->row(selected.front());
  return row >= 0 && row < scores_.Count() ? row + 1 : 0;
}

// ---- commands ----

void TGolferForm::AddButtonClick() {
  if (editing_ || Program().ScoreForm == nullptr) return;
  if (scores_.Count() >= MaxScores) {
    CurrentPrompts().Warning(msg::ScoresFull());
    return;
  }
  const TScoreForm::RoundGolfer golfer{GolferName2->text(), ShortName(), IndexField->text()};
  if (!rounds_.PrimeNew(golfer, TScoreForm::EntryValues::Fields)) return;
  pending_ = {Edit::Add, 0};
  SetEditing(true);
}

void TGolferForm::ModifyButtonClick() {
  const int n = SelectedPosition();
  if (editing_ || n == 0) return;
  const TScoreForm::RoundGolfer golfer{GolferName2->text(), ShortName(), IndexField->text()};
  if (!rounds_.PrimeStored(golfer, scores_.At(n))) return;
  pending_ = {Edit::Modify, n};
  SetEditing(true);
}

void TGolferForm::DeleteButtonClick() {
  const int n = SelectedPosition();
  if (editing_ || n == 0) return;
  if (!CurrentPrompts().ConfirmYesNo(kDeleteQuestion)) return;
  StateRestorer before = State();
  scores_.Entries.erase(scores_.Entries.begin() + (n - 1));
  Recorded(QStringLiteral("Delete Round"), std::move(before));
  Refresh(n);
}

void TGolferForm::SaveButtonClick() {
  // The last save wins for what the user changed here, but a round that
  // another window stored in the file meanwhile is confirmed and must not
  // vanish: it joins this table before the file is replaced. A round
  // deleted from the file meanwhile stays here.
  TScoreTable added = ScoresAddedSince(read_, true);
  for (TScoreRec& round : added.Entries) scores_.Entries.push_back(std::move(round));
  if (added.Count() > 0) SortScores(scores_);
  SaveScores(scores_, loadedFile_);
  read_ = fileio::FileSnapshot::Of(loadedFile_);
  undo_->Clear();
  readChanged_ = false;
  SetModified(false);
  if (added.Count() == 0) return;
  Refresh(SelectedPosition());
  CurrentPrompts().Message(
      added.Count() == 1
          ? QStringLiteral("1 round that another window stored for this golfer meanwhile was "
                           "kept: it is in the list and in the file now.")
          : QStringLiteral("%1 rounds that another window stored for this golfer meanwhile were "
                           "kept: they are in the list and in the file now.")
                .arg(added.Count()));
}

bool TGolferForm::SaveGuarded() {
  return Guard([this] { SaveButtonClick(); });
}

bool TGolferForm::MayLeave() {
  if (!modified_) return true;
  switch (CurrentPrompts().ConfirmYesNoCancel(kSaveQuestion)) {
    case Answer::Yes: return SaveGuarded();
    case Answer::No: return true;
    case Answer::Cancel: return false;
  }
  return false;
}

void TGolferForm::ExitButtonClick() {
  if (!MayLeave()) return;
  CloseNow();
}

void TGolferForm::Exit1Click() { CloseNow(); }

void TGolferForm::CloseNow() {
  SetModified(false);
  leaving_ = true;
  close();
  leaving_ = false;
}

void TGolferForm::Index1Click() {
  // Its own window, not this one's child: it stays when this one closes.
  auto sheet = std::make_unique<TIndexForm>();
  IndexRequest request = Request();
  request.Output = IndexOutput::Display;
  request.Sheet = sheet.get();
  CalcIndex(scores_, request);
  BringToFront(sheet.release());
}

void TGolferForm::Handicap1Click() {
  TRosterEntry golfer;
  golfer.LongName = ToBytes(GolferName2->text());
  golfer.ShortName = ShortName();
  golfer.Sex = golferSex_;
  THandicapForm::Open(golfer, ToBytes(IndexField->text()));
}

void TGolferForm::IndexHistory1Click() {
  TIndexHistoryForm::Open(GolferName2->text(), ShortName(), scores_, Request());
}

void TGolferForm::SetGolferSex(int rosterCode) {
  golferSex_ = rosterCode;
  GolferSex->setText(QString::number(rosterCode).left(1));
}

void TGolferForm::FitToClient() {
  const int height = centralWidget()->height();
  ScoresListBox->resize(ScoresListBox->width(), std::max(0, height - 152));
  Label4->move(Label4->x(), height - 71);
  for (QPushButton* button : {AddButton, ModifyButton, DeleteButton, SaveButton, ExitButton})
    button->move(button->x(), height - 44);
}

void TGolferForm::SetModified(bool modified) {
  modified_ = modified;
  SaveButton->setEnabled(modified);
}

StateRestorer TGolferForm::State() {
  return [this, scores = scores_] { scores_ = scores; };
}

void TGolferForm::Recorded(const QString& step, StateRestorer before) {
  undo_->Record(step, std::move(before), State());
  SetModified(true);
}

void TGolferForm::Restored() {
  Refresh(std::min(std::max(SelectedPosition(), 1), scores_.Count()));
  SetModified(readChanged_ || !undo_->AtSaved());
}

void TGolferForm::SetEditing(bool editing) {
  editing_ = editing;
  undo_->SetBlocked(editing);
  for (QWidget* control :
       {static_cast<QWidget*>(ScoresListBox), static_cast<QWidget*>(AddButton),
        static_cast<QWidget*>(ModifyButton), static_cast<QWidget*>(DeleteButton)})
    control->setEnabled(!editing);
}

// ---- events ----

void TGolferForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (event->spontaneous()) return;
  Guard([this] { FormShow(); });
}

void TGolferForm::closeEvent(QCloseEvent* event) {
  if (!leaving_ && !MayLeave()) {
    event->ignore();
    return;
  }
  SetModified(false);
  event->accept();
}

}  // namespace qm
