#include "windows/qmsgroup.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "engine/golfer.h"
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
#include "ui/rosterload.h"
#include "ui/textconv.h"
#include "windows/qmapp.h"
#include "windows/qmscore.h"
#include "windows/roundclient.h"

namespace qm {

namespace {

const QString kSection = QStringLiteral("GroupOfScoresForm");

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int y) {
  return MakeButton(parent, QString::fromLatin1(name), QString::fromLatin1(caption),
                    {361, y, 165, 32}, EnterKey::Ignored);
}

}  // namespace

TGroupOfScoresForm::TGroupOfScoresForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(kSection);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Add A Group Of Scores"));
  QFont systemFont = font();
  systemFont.setPixelSize(16);
  setFont(systemFont);
  PaintWhite(this);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Client"));
  setCentralWidget(client);
  GolferListBox = new QListWidget(client);
  GolferListBox->setObjectName(QStringLiteral("GolferListBox"));
  GolferListBox->setGeometry(14, 18, 316, 303);
  SetSpokenName(GolferListBox, QStringLiteral("Golfers"));
  GolferListBox->setSelectionMode(QAbstractItemView::SingleSelection);
  AddAScoreButton = Button(client, "AddAScoreButton", "Add a Score", 113);
  ExitButton = Button(client, "ExitButton", "Exit", 169);
  SetTabOrder({GolferListBox, AddAScoreButton, ExitButton});

  MainMenu1 = MakeMenuBar(this, QStringLiteral("MainMenu1"));
  File1 = MakeMenu(MainMenu1, "File1", "&File");
  Exit1 = MakeItem(File1, "Exit1", "&Exit");
  Activities1 = MakeMenu(MainMenu1, "Activities1", "&Activities");
  AddaScore1 = MakeItem(Activities1, "AddaScore1", "&Add a Score");

  connect(AddAScoreButton, &QPushButton::clicked, this,
          Guarded([this] { AddAScoreButtonClick(); }));
  connect(AddaScore1, &QAction::triggered, this, Guarded([this] { AddAScoreButtonClick(); }));
  connect(GolferListBox, &QListWidget::itemDoubleClicked, this,
          Guarded([this] { AddAScoreButtonClick(); }));
  connect(ExitButton, &QPushButton::clicked, this, Guarded([this] { ExitButtonClick(); }));
  connect(Exit1, &QAction::triggered, this, Guarded([this] { ExitButtonClick(); }));

  // Creation.
  new PlacementKeeper(
      this, kSection, [] { return Program().Closing; }, [this] { FitToClient(); });
  if (!Guard([this] { LoadSortedRoster(roster_); })) roster_.Clear();
  for (const TRosterEntry& golfer : roster_.Entries)
    GolferListBox->addItem(FromBytes(CutAtNul(golfer.LongName)));
}

TGroupOfScoresForm::~TGroupOfScoresForm() = default;

void TGroupOfScoresForm::AddAScoreButtonClick() {
  TScoreForm* form = Program().ScoreForm;
  if (form == nullptr) return;
  // A round being typed (for anyone) is never taken away from the user.
  if (form->isVisible()) {
    BringToFront(form);
    return;
  }
  const int row = GolferListBox->currentRow();
  if (row < 0 || row >= roster_.Count() || !GolferListBox->currentItem()->isSelected()) return;
  const TRosterEntry& golfer = roster_.At(row + 1);

  TScoreTable scores;
  LoadSortedScores(scores, ScoreFileName(golfer), false);
  if (scores.Count() >= MaxScores) {
    CurrentPrompts().Warning(msg::ScoresFull());
    return;
  }
  // From the gross scores, on purpose: the window hands the score entry
  // window an index without the adjustment of each hole.
  IndexRequest request = GolferIndexRequest(golfer, Program().UseMaxIndex);
  request.GrossScoreVariant = true;
  const IndexResult index = CalcIndex(scores, request);

  const TScoreForm::RoundGolfer round{FromBytes(CutAtNul(golfer.LongName)),
                                      CutAtNul(golfer.ShortName),
                                      FromBytes(IndexText4(index.Index))};
  if (!rounds_.PrimeGroup(round, groupCount_ == 0)) return;
  chosen_ = row + 1;
  adding_ = true;
  ++groupCount_;
}

void TGroupOfScoresForm::FormActivate() {
  // Taken before anything is shown: a box closing activates this window.
  if (adding_) {
    if (std::optional<TakenRound> taken = rounds_.Take()) StoreTakenRound(*taken);
  }
  const int row = chosen_ > 0 ? chosen_ - 1 : 0;
  if (row < GolferListBox->count()) GolferListBox->setCurrentRow(row);
}

void TGroupOfScoresForm::ExitButtonClick() { close(); }

void TGroupOfScoresForm::FitToClient() {
  GolferListBox->resize(GolferListBox->width(), std::max(0, centralWidget()->height() - 26));
}

}  // namespace qm
