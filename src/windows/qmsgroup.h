// The group-of-scores window: the rounds of several golfers who played the
// same course on the same day, one golfer after another through the score
// entry window. The first round starts with today's date and no course;
// each later one with the date and course the round before left, and the
// golfer's own course handicap there. Every confirmed round is written to
// its golfer's score file at once.
//
// Made anew by each opening; it sets Qt::WA_DeleteOnClose itself. The
// caller creates it without a parent (it is no Qt child of the golfer list)
// and shows it without blocking.
//
// A round belongs to the golfer the score entry window was primed for: the
// chosen golfer changes only with a priming that worked, and the round is
// appended to that golfer's file as it is when the round comes back (read
// again, the limit checked again), so a save made meanwhile elsewhere is
// kept. Closing the window closes the score entry window opened for it, as
// Cancel.
#pragma once

#include <QMainWindow>

#include "store/records.h"
#include "ui/activation.h"
#include "windows/roundclient.h"

class QAction;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;

namespace qm {

class TGroupOfScoresForm : public QMainWindow {
  Q_OBJECT

 public:
  // Restores the placement, loads and sorts the roster (a failure is
  // reported and leaves the list empty) and lists the golfers.
  explicit TGroupOfScoresForm(QWidget* parent = nullptr);
  ~TGroupOfScoresForm() override;

  // The handlers, public so that tests can run them as the events would.
  void FormActivate();
  // The list (and what stands below it) follows the client area's height;
  // run before each save of the placement.
  void FitToClient();
  void AddAScoreButtonClick();
  void ExitButtonClick();

  const TRosterTable& Roster() const { return roster_; }
  // Roster position of the golfer the score entry window was last primed
  // for; 0 before the first.
  int ChosenGolfer() const { return chosen_; }
  // How many times this window opened the score entry window.
  int GroupCount() const { return groupCount_; }
  bool Adding() const { return adding_; }

 private:
  QMenuBar* MainMenu1;
  QMenu* File1;
  QAction* Exit1;
  QMenu* Activities1;
  QAction* AddaScore1;
  QListWidget* GolferListBox;
  QPushButton* AddAScoreButton;
  QPushButton* ExitButton;

  TRosterTable roster_;
  int chosen_ = 0;
  int groupCount_ = 0;
  bool adding_ = false;
  RoundClient rounds_{this};
  ActivationHandler activation_{this, ActivationHandler::Runs::EveryTime,
                                [this] { FormActivate(); }};
};

}  // namespace qm
