// The golfer list window: the hub of the score, index, handicap and report
// activities. It lists the roster; each action acts on the golfer selected
// when it starts, and carries the check box of the Maximum Index Rule for
// the whole program.
//
// The main window makes a new one at every Enter Scores (the roster is read
// then) and shows it without blocking; it is destroyed when closed. The
// windows its actions open are shown without blocking and are no Qt
// children of it, so they outlive it.
//
// Add a Score primes the score entry window (Program().ScoreForm) for the
// selected golfer. The round confirmed there is taken over when this window
// becomes active again (or as it closes), and only by this window, and
// stored by StoreTakenRound (windows/roundclient.h). It goes to the golfer it
// was primed for, whatever was selected or started since. Closing this
// window while the score entry window is open for it closes that as Cancel.
//
// File, Export All Scores and File, Export Handicaps write every golfer of
// the list to a spreadsheet file: the rounds (with the differential and the
// mark of the golfer scores window), or one row a golfer with the index as
// this list computes it now, by its check box.
//
// With no row selected (an empty roster) the golfer actions do nothing.
// Every handler runs through the error guard; a file that cannot be read or
// written ends the action with the general error report.
#pragma once

#include <QMainWindow>
#include <optional>

#include "engine/index.h"
#include "store/records.h"
#include "ui/activation.h"
#include "windows/roundclient.h"

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace qm {

class TGPickForm : public QMainWindow {
  Q_OBJECT

 public:
  enum class Action { None, AddScore, AddGroup, EditView, CourseHandicap, CalculateIndex };

  explicit TGPickForm(QWidget* parent = nullptr);
  ~TGPickForm() override;

  // Restores the placement, sets the check box, reads and sorts the roster
  // and lists it. A roster that cannot be read is reported; the list is
  // empty then. Runs once, from the constructor.
  void FormCreate();
  // Takes a round confirmed for this window over, then selects the golfer
  // of the last action (the first golfer before any).
  void FormActivate();
  // The list (and what stands below it) follows the client area's height;
  // run before each save of the placement.
  void FitToClient();
  // Writes the check box to UseMaxIndex and to the settings file.
  void FormClose();

  void AddAScoreButtonClick();
  void AddGroupButtonClick();
  void EditScoresButtonClick();
  void IndexButtonClick();
  void HandicapButtonClick();
  void PrintScoresButtonClick();
  void PrintHandicapButtonClick();
  void ExitButtonClick();
  // Activities > Index History...: a new index history window for the
  // selected golfer, from the golfer's score file as it is now.
  void IndexHistory1Click();
  void ExportAllScores1Click();
  void ExportHandicaps1Click();

  const TRosterTable& Roster() const { return roster_; }
  // 1-based roster position of the golfer of the last golfer action; 0
  // before any.
  int SelectedGolfer() const { return selected_; }
  Action LastAction() const { return lastAction_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QListWidget* GolferListBox;
  QPushButton* AddAScoreButton;
  QPushButton* AddGroupButton;
  QPushButton* EditScoresButton;
  QPushButton* IndexButton;
  QPushButton* HandicapButton;
  QPushButton* PrintScoresButton;
  QPushButton* PrintHandicapButton;
  QPushButton* ExitButton;
  QCheckBox* chkUseMaxIndex;
  QLabel* Label1;

  QMenu* File1;
  QAction* ExportAllScores1;
  QAction* ExportHandicaps1;
  QAction* Exit1;
  QMenu* Activities1;
  QAction* AddaScore1;
  QAction* AddaGroupofScores1;
  QAction* EditViewScores1;
  QAction* CalculateIndex1;
  QAction* CalculateHandicap1;
  QAction* IndexHistory1;
  QAction* Competition1;
  QAction* PrintScores1;
  QAction* PrintHandicaps1;

  void BuildControls();
  void BuildMenu();
  void ConnectHandlers();

  // The first steps of every action: the check box into UseMaxIndex.
  void StartAction();
  // The first steps of an action for one golfer: the selected roster entry,
  // after StartAction, with the selected golfer and the last action set;
  // nullopt (and nothing changed) when no row is selected.
  std::optional<TRosterEntry> StartGolferAction(std::optional<Action> action);
  // The golfer's score file into the score list, newest first.
  void LoadGolferScores(const TRosterEntry& golfer);
  IndexRequest Request(const TRosterEntry& golfer, IndexOutput output) const;
  // The golfer's current index as the score entry and course handicap
  // windows show it.
  std::string CurrentIndexText(const TRosterEntry& golfer);
  // Stores a round confirmed for this window in its golfer's file.
  void TakeOverRound();
  // Shows a window an action made (no Qt child of this one) without
  // blocking; the main window destroys it at the end at the latest.
  void ShowOwnWindow(QWidget* window);
  void SelectLastGolfer();

  TRosterTable roster_;
  TScoreTable scores_;
  RoundClient rounds_{this};
  int selected_ = 0;
  Action lastAction_ = Action::None;
  ActivationHandler activation_{this, ActivationHandler::Runs::EveryTime,
                                [this] { FormActivate(); }};
};

}  // namespace qm
