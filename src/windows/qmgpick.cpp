#include "windows/qmgpick.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

#include "app/clock.h"
#include "app/dataexport.h"
#include "engine/golfer.h"
#include "engine/insight.h"
#include "engine/numeric.h"
#include "print/history.h"
#include "print/qmprthdp.h"
#include "store/roster.h"
#include "store/scorecsv.h"
#include "store/scores.h"
#include "store/settings.h"
#include "store/text.h"
#include "ui/access.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/look.h"
#include "ui/menus.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/rosterload.h"
#include "ui/textconv.h"
#include "windows/qmapp.h"
#include "windows/qmcompetition.h"
#include "windows/qmgolfer.h"
#include "windows/qmhndicp.h"
#include "windows/qmindex.h"
#include "windows/qmindexhist.h"
#include "windows/qmmain.h"
#include "windows/qmscore.h"
#include "windows/qmsgroup.h"
#include "windows/roundclient.h"

namespace qm {

namespace {

const QString kSection = QStringLiteral("GPickForm");

const QString kFullMessage = QStringLiteral(
    "This golfer has reached the maximum allowed number of scores for a golfer.  You must delete "
    "some old scores for this golfer before you can add any new scores.  REMEMBER: the last 20 "
    "complete scores are used to calculate the index.  You should not delete those.");

constexpr int kButtonX = 336;
constexpr int kButtonWidth = 216;
constexpr int kButtonHeight = 30;
constexpr int kButtonStep = 35;

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int row) {
  return MakeButton(parent, QString::fromLatin1(name), QString::fromLatin1(caption),
                    {kButtonX, 12 + row * kButtonStep, kButtonWidth, kButtonHeight},
                    EnterKey::Presses);
}

}  // namespace

TGPickForm::TGPickForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("GPickForm"));
  setWindowTitle(QStringLiteral("Golfer List"));
  PaintWhite(this);

  BuildControls();
  BuildMenu();
  ConnectHandlers();
  Guard([this] { FormCreate(); });
  GolferListBox->setFocus();
}

TGPickForm::~TGPickForm() = default;

void TGPickForm::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Client"));
  setCentralWidget(client);

  GolferListBox = new QListWidget(client);
  GolferListBox->setObjectName(QStringLiteral("GolferListBox"));
  GolferListBox->setSelectionMode(QAbstractItemView::SingleSelection);
  GolferListBox->setSortingEnabled(false);
  GolferListBox->setGeometry(12, 12, 305, 330);
  SetSpokenName(GolferListBox, QStringLiteral("Golfers"));

  AddAScoreButton = Button(client, "AddAScoreButton", "Add a Score", 0);
  AddGroupButton = Button(client, "AddGroupButton", "Add Group of Scores", 1);
  EditScoresButton = Button(client, "EditScoresButton", "Edit/View Scores", 2);
  IndexButton = Button(client, "IndexButton", "Calculate Index", 3);
  HandicapButton = Button(client, "HandicapButton", "Course Handicap", 4);
  PrintScoresButton = Button(client, "PrintScoresButton", "Print Scores", 5);
  PrintHandicapButton = Button(client, "PrintHandicapButton", "Print Handicaps", 6);
  ExitButton = Button(client, "ExitButton", "Exit", 7);

  chkUseMaxIndex = new QCheckBox(QStringLiteral("Use Maximum Index Rule"), client);
  chkUseMaxIndex->setObjectName(QStringLiteral("chkUseMaxIndex"));
  chkUseMaxIndex->setGeometry(kButtonX, 12 + 8 * kButtonStep, kButtonWidth, 20);
  Label1 = new QLabel(QStringLiteral("(36.4 for men, 40.4 for women)"), client);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(kButtonX + 18, 12 + 8 * kButtonStep + 20, kButtonWidth - 18, 18);

  SetTabOrder({GolferListBox, AddAScoreButton, AddGroupButton, EditScoresButton, IndexButton,
               HandicapButton, PrintScoresButton, PrintHandicapButton, ExitButton, chkUseMaxIndex});
}

void TGPickForm::BuildMenu() {
  QMenuBar* bar = MakeMenuBar(this, QStringLiteral("MainMenu1"));
  File1 = MakeMenu(bar, "File1", "&File");
  ExportAllScores1 = MakeItem(File1, "ExportAllScores1", "Export &All Scores...");
  ExportHandicaps1 = MakeItem(File1, "ExportHandicaps1", "Export &Handicaps...");
  File1->addSeparator();
  Exit1 = MakeItem(File1, "Exit1", "&Exit");
  Activities1 = MakeMenu(bar, "Activities1", "&Activities");
  AddaScore1 = MakeItem(Activities1, "AddaScore1", "&Add a Score");
  AddaGroupofScores1 = MakeItem(Activities1, "AddaGroupofScores1", "Add a &Group of Scores");
  EditViewScores1 = MakeItem(Activities1, "EditViewScores1", "&Edit/View Scores");
  Activities1->addSeparator();
  CalculateIndex1 = MakeItem(Activities1, "CalculateIndex1", "Calculate &Index");
  CalculateHandicap1 = MakeItem(Activities1, "CalculateHandicap1", "Calculate &Handicap");
  IndexHistory1 = MakeItem(Activities1, "IndexHistory1", "Index His&tory...");
  Competition1 = MakeItem(Activities1, "Competition1", "C&ompetition Results...");
  Activities1->addSeparator();
  PrintScores1 = MakeItem(Activities1, "PrintScores1", "Print &Scores");
  PrintHandicaps1 = MakeItem(Activities1, "PrintHandicaps1", "Print Ha&ndicaps");
}

void TGPickForm::ConnectHandlers() {
  auto both = [this](QPushButton* button, QAction* item, void (TGPickForm::*handler)()) {
    connect(button, &QPushButton::clicked, this, Guarded([this, handler] { (this->*handler)(); }));
    connect(item, &QAction::triggered, this, Guarded([this, handler] { (this->*handler)(); }));
  };
  both(AddAScoreButton, AddaScore1, &TGPickForm::AddAScoreButtonClick);
  both(AddGroupButton, AddaGroupofScores1, &TGPickForm::AddGroupButtonClick);
  both(EditScoresButton, EditViewScores1, &TGPickForm::EditScoresButtonClick);
  connect(GolferListBox, &QListWidget::itemDoubleClicked, this,
          Guarded([this](QListWidgetItem*) { EditScoresButtonClick(); }));
  both(IndexButton, CalculateIndex1, &TGPickForm::IndexButtonClick);
  both(HandicapButton, CalculateHandicap1, &TGPickForm::HandicapButtonClick);
  both(PrintScoresButton, PrintScores1, &TGPickForm::PrintScoresButtonClick);
  both(PrintHandicapButton, PrintHandicaps1, &TGPickForm::PrintHandicapButtonClick);
  both(ExitButton, Exit1, &TGPickForm::ExitButtonClick);
  connect(IndexHistory1, &QAction::triggered, this, Guarded([this] { IndexHistory1Click(); }));
  connect(Competition1, &QAction::triggered, this, Guarded([] { TCompetitionForm::Open(); }));
  connect(ExportAllScores1, &QAction::triggered, this,
          Guarded([this] { ExportAllScores1Click(); }));
  connect(ExportHandicaps1, &QAction::triggered, this,
          Guarded([this] { ExportHandicaps1Click(); }));
}

void TGPickForm::FormCreate() {
  new PlacementKeeper(
      this, kSection, [] { return Program().Closing; }, [this] { FitToClient(); });
  chkUseMaxIndex->setChecked(Program().UseMaxIndex);
  roster_.Clear();
  scores_.Clear();
  roster_.Entries.reserve(static_cast<std::size_t>(MaxGolfers));
  scores_.Entries.reserve(static_cast<std::size_t>(MaxScores));
  lastAction_ = Action::None;
  LoadSortedRoster(roster_);
  for (const TRosterEntry& golfer : roster_.Entries)
    GolferListBox->addItem(FromBytes(CutAtNul(golfer.LongName)));
  if (GolferListBox->count() > 0) GolferListBox->setCurrentRow(0);
}

void TGPickForm::FormActivate() {
  // Selecting comes first: a failed take-over must not leave the list at
  // another golfer.
  SelectLastGolfer();
  TakeOverRound();
}

void TGPickForm::SelectLastGolfer() {
  const int row = selected_ > 0 ? selected_ - 1 : 0;
  if (row < GolferListBox->count()) GolferListBox->setCurrentRow(row);
}

void TGPickForm::TakeOverRound() {
  // Taken before anything is shown: a box closing activates this window
  // again, and the round must not be stored twice.
  if (std::optional<TakenRound> taken = rounds_.Take()) StoreTakenRound(*taken);
}

void TGPickForm::FitToClient() {
  GolferListBox->resize(GolferListBox->width(), std::max(0, centralWidget()->height() - 26));
}

void TGPickForm::FormClose() {
  Program().UseMaxIndex = chkUseMaxIndex->isChecked();
  WriteSettingBool("Settings", "UseMaxIndex", Program().UseMaxIndex);
}

void TGPickForm::StartAction() { Program().UseMaxIndex = chkUseMaxIndex->isChecked(); }

std::optional<TRosterEntry> TGPickForm::StartGolferAction(std::optional<Action> action) {
  const QList<QListWidgetItem*> chosen = GolferListBox->selectedItems();
  const int row = chosen.isEmpty() ? -1 : GolferListBox->row(chosen.front());
  if (row < 0 || row >= roster_.Count()) return std::nullopt;
  StartAction();
  selected_ = row + 1;
  if (action) lastAction_ = *action;
  return roster_.At(selected_);
}

void TGPickForm::LoadGolferScores(const TRosterEntry& golfer) {
  LoadSortedScores(scores_, ScoreFileName(golfer), false);
}

IndexRequest TGPickForm::Request(const TRosterEntry& golfer, IndexOutput output) const {
  return GolferIndexRequest(golfer, Program().UseMaxIndex, output);
}

std::string TGPickForm::CurrentIndexText(const TRosterEntry& golfer) {
  return IndexText4(CalcIndex(scores_, Request(golfer, IndexOutput::None)).Index);
}

void TGPickForm::AddAScoreButtonClick() {
  const std::optional<TRosterEntry> golfer = StartGolferAction(Action::AddScore);
  if (!golfer) return;
  LoadGolferScores(*golfer);
  if (scores_.Count() >= MaxScores) {
    CurrentPrompts().Warning(kFullMessage);
    return;
  }
  const TScoreForm::RoundGolfer round{FromBytes(CutAtNul(golfer->LongName)),
                                      CutAtNul(golfer->ShortName),
                                      FromBytes(CurrentIndexText(*golfer))};
  // While the window is open for a round (this golfer's or another's) it
  // only comes to the front: that round stays with the golfer it was
  // begun for.
  rounds_.PrimeNew(round, TScoreForm::EntryValues::Zero);
}

void TGPickForm::AddGroupButtonClick() {
  StartAction();
  lastAction_ = Action::AddGroup;
  // No parent: the group window outlives this one. It reads the roster
  // itself and destroys itself when closed.
  ShowOwnWindow(new TGroupOfScoresForm);
}

void TGPickForm::EditScoresButtonClick() {
  const std::optional<TRosterEntry> golfer = StartGolferAction(Action::EditView);
  if (!golfer) return;
  if (TGolferForm* scores = Program().GolferForm) scores->OpenFor(*golfer);
}

void TGPickForm::IndexButtonClick() {
  const std::optional<TRosterEntry> golfer = StartGolferAction(Action::CalculateIndex);
  if (!golfer) return;
  LoadGolferScores(*golfer);
  // No parent: the display outlives this window. It destroys itself when
  // closed, and here when the calculation fails.
  auto* sheet = new TIndexForm;
  IndexRequest request = Request(*golfer, IndexOutput::Display);
  request.Sheet = sheet;
  try {
    CalcIndex(scores_, request);
  } catch (...) {
    delete sheet;
    throw;
  }
  ShowOwnWindow(sheet);
}

void TGPickForm::HandicapButtonClick() {
  const std::optional<TRosterEntry> golfer = StartGolferAction(Action::CourseHandicap);
  if (!golfer) return;
  LoadGolferScores(*golfer);
  ShowOwnWindow(THandicapForm::Open(*golfer, CurrentIndexText(*golfer)));
}

void TGPickForm::PrintScoresButtonClick() {
  // A report is no action the activation looks at: the last action stays.
  const std::optional<TRosterEntry> golfer = StartGolferAction(std::nullopt);
  if (!golfer) return;
  LoadGolferScores(*golfer);
  PrintGolferHistory(*golfer, scores_, Program().UseMaxIndex);
}

void TGPickForm::PrintHandicapButtonClick() {
  StartAction();
  // No parent: the dialog outlives this window; it destroys itself when
  // closed. The rule is asked when a report runs, so it follows the check
  // box of whichever golfer list started an action last.
  ShowOwnWindow(new TPrintHandicapsDlg([] { return Program().UseMaxIndex; }));
}

void TGPickForm::IndexHistory1Click() {
  // Like a report, no action the activation looks at: the last action stays.
  const std::optional<TRosterEntry> golfer = StartGolferAction(std::nullopt);
  if (!golfer) return;
  TIndexHistoryForm::OpenFor(*golfer, Program().UseMaxIndex);
}

void TGPickForm::ExportAllScores1Click() {
  StartAction();
  std::vector<csv::Row> rows = {AllScoresCsvHeader()};
  TScoreTable table;
  for (const TRosterEntry& golfer : roster_.Entries) {
    LoadSortedScores(table, ScoreFileName(golfer), false);
    const std::vector<int> used = CalcIndex(table, Request(golfer, IndexOutput::None)).UsedScores;
    for (int n = 1; n <= table.Count(); ++n) {
      const TScoreRec& round = table.At(n);
      rows.push_back(AllScoresCsvRow(golfer, round, FormatTenths(ListedDifferential(round)),
                                     std::string(1, RoundMark(n, used, round))));
    }
  }
  ExportRows(QStringLiteral("Export All Scores"),
             QStringLiteral("All scores %1.csv").arg(Today().toString(Qt::ISODate)), rows,
             QStringLiteral("Wrote %1 of %2 to %3.")
                 .arg(CountOf(static_cast<int>(rows.size()) - 1, QStringLiteral("round"),
                              QStringLiteral("rounds")),
                      CountOf(roster_.Count(), QStringLiteral("golfer"), QStringLiteral("golfers")),
                      QStringLiteral("%1")));
}

void TGPickForm::ExportHandicaps1Click() {
  StartAction();
  std::vector<csv::Row> rows = {HandicapCsvHeader()};
  TScoreTable table;
  for (const TRosterEntry& golfer : roster_.Entries) {
    LoadSortedScores(table, ScoreFileName(golfer), false);
    const long double index = CalcIndex(table, Request(golfer, IndexOutput::None)).Index;
    const int complete =
        static_cast<int>(std::count_if(table.Entries.begin(), table.Entries.end(), CountsForIndex));
    rows.push_back(HandicapCsvRow(golfer, SexOf(golfer) == Sex::Female, table.Count(), complete,
                                  IndexText4(index)));
  }
  ExportRows(QStringLiteral("Export Handicaps"),
             QStringLiteral("Handicaps %1.csv").arg(Today().toString(Qt::ISODate)), rows,
             QStringLiteral("Wrote the handicaps of %1 to %2.")
                 .arg(CountOf(roster_.Count(), QStringLiteral("golfer"), QStringLiteral("golfers")),
                      QStringLiteral("%1")));
}

void TGPickForm::ShowOwnWindow(QWidget* window) {
  if (TMainForm* main = Program().MainForm) main->KeepUntilEnd(window);
  BringToFront(window);
}

void TGPickForm::ExitButtonClick() {
  scores_.Clear();
  close();
}

void TGPickForm::closeEvent(QCloseEvent* event) {
  // A round confirmed while this window was not activated again is still
  // stored; then the score entry window opened for it goes as Cancel.
  Guard([this] { TakeOverRound(); });
  Guard([this] { FormClose(); });
  event->accept();
}

}  // namespace qm
