// The golfer scores window: every round of one golfer, newest first, with
// the golfer's current index; rounds are added, changed and deleted here and
// written to the golfer's score file on Save.
//
// One long-lived instance, created by StartUp() and reached as
// Program().GolferForm. The golfer list opens it with OpenFor(golfer); it is
// shown without blocking and only hidden when closed.
//
// Rounds are typed in the score entry window (Program().ScoreForm), primed
// for this window and taken back when this window becomes active again.
// While the score entry window is open for this window, the list and Add,
// Modify and Delete are disabled, so the round being changed keeps its
// position until it comes back. Closing this window closes the score entry
// window opened for it, as Cancel.
//
// The window saves to the file it loaded; rounds another window stored in
// that file since it was read are kept, added to the list at Save, and the
// user is told how many. Opened for another golfer while
// it holds unsaved changes, it asks first; while the score entry window is
// open for it, it keeps its golfer and brings that window to the front.
//
// The marks of the list: "*" for a round the index averaged, "I" for one the
// index passes over (incomplete, or cut short in its file).
//
// File, Export Scores writes the rounds as the list shows them (saved or
// not) to a spreadsheet file; File, Import Scores reads one, shows what it
// would add and adds the rounds only when the user says Yes, unsaved until
// Save as after Add (qmgolferdata.cpp). Import is disabled while the score
// entry window is open for this window.
#pragma once

#include <QMainWindow>
#include <string>
#include <vector>

#include "engine/index.h"
#include "store/fileio.h"
#include "store/records.h"
#include "ui/activation.h"
#include "ui/undo.h"
#include "windows/roundclient.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;

namespace qm {

// The list line of rec at table position (1-based), starting with its mark
// (RoundMark). Throws the conversion error when a rating, slope or score
// that the differential needs is not a number.
std::string ScoreListLine(const TScoreRec& rec, int position, char mark);

class TGolferForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TGolferForm(QWidget* parent = nullptr);
  ~TGolferForm() override;

  // Primes GolferName (the short name cut at NUL + ".qmg"), GolferName2 and
  // GolferSex and shows the window. Already open for this golfer: brought
  // to the front, the table kept. Open for another golfer: "Save changes
  // made to scores?" when there are unsaved changes (Cancel, or a failed
  // save, keeps the golfer it shows), then the new golfer's scores.
  void OpenFor(const TRosterEntry& golfer);

  // The handlers, public so that tests can run them as the events would.
  // Each throws what the store and the engine throw; the events run them
  // guarded.
  void FormShow();
  void FormActivate();
  // The list (and what stands below it) follows the client area's height;
  // run before each save of the placement.
  void FitToClient();
  void AddButtonClick();
  void ModifyButtonClick();
  void DeleteButtonClick();
  void SaveButtonClick();
  void ExitButtonClick();
  void Exit1Click();
  void Index1Click();
  void Handicap1Click();
  // Calculate > Index History...: a new index history window from the table
  // as it stands, saved or not.
  void IndexHistory1Click();
  void ExportScores1Click();
  void ImportScores1Click();

  enum class Edit { None, Add, Modify };
  struct PendingEdit {
    Edit Kind = Edit::None;
    int Position = 0;  // Modify: the table position of the round
  };

  bool Modified() const { return modified_; }
  // True while the score entry window is open for this window.
  bool Editing() const { return editing_; }
  const PendingEdit& Pending() const { return pending_; }
  const TScoreTable& Scores() const { return scores_; }
  // The file the table was loaded from and is saved to.
  const std::string& LoadedFile() const { return loadedFile_; }
  const std::vector<int>& UsedScores() const { return used_; }

 protected:
  void showEvent(QShowEvent* event) override;
  // Through the frame: asks about unsaved changes as the Exit button does.
  void closeEvent(QCloseEvent* event) override;

 private:
  QMenuBar* GolferMenu;
  QMenu* File1;
  QMenu* Edit1;
  QAction* ExportScores1;
  QAction* ImportScores1;
  QAction* Exit1;
  QMenu* Calculate1;
  QAction* Index1;
  QAction* Handicap1;
  QAction* IndexHistory1;

  QLabel* Label1;
  QLineEdit* GolferName2;
  QLabel* Label2;
  QLineEdit* IndexField;
  QLabel* Label3;
  QListWidget* ScoresListBox;
  QLabel* Label4;
  QPushButton* AddButton;
  QPushButton* ModifyButton;
  QPushButton* DeleteButton;
  QPushButton* SaveButton;
  QPushButton* ExitButton;
  // Hidden: set by OpenFor.
  QLineEdit* GolferName;
  QLineEdit* GolferSex;

  void SetGolferSex(int rosterCode);
  void BuildControls();
  void BuildMenu();
  void ConnectHandlers();

  std::string ShortName() const;
  // The index into IndexField, the list rebuilt, row (position - 1)
  // selected, row 0 for position 0; a conversion failure leaves the field
  // and the list as they were.
  void Refresh(int position);
  void SelectPosition(int position);
  // The index request of this window's calculations.
  IndexRequest Request() const;
  int SelectedPosition() const;
  void SetModified(bool modified);
  void SetEditing(bool editing);
  // Save through the guard; false when it failed (reported).
  bool SaveGuarded();
  // Asks about unsaved changes; false when the window is to stay (Cancel,
  // or Yes and the save failed).
  bool MayLeave();
  // Closes without another question.
  void CloseNow();
  void Bring();
  // For Edit > Undo and Redo: a copy of the table that puts it back.
  StateRestorer State();
  // A step done to the table: recorded, the window modified.
  void Recorded(const QString& step, StateRestorer before);
  void Restored();

  TScoreTable scores_;
  std::vector<int> used_;
  std::string loadedFile_;
  // The golfer's roster sex code, mirrored into the hidden GolferSex field.
  int golferSex_ = 0;
  // The file as this window read or last saved it: Save keeps the rounds
  // another window stored in it since.
  fileio::FileSnapshot read_;
  PendingEdit pending_;
  bool modified_ = false;
  // Reading the file changed the table (it has to be saved in its new form).
  bool readChanged_ = false;
  bool editing_ = false;
  UndoSteps* undo_ = nullptr;
  // Set while a close has been decided, so the close event asks nothing.
  bool leaving_ = false;
  ActivationHandler activation_{this, ActivationHandler::Runs::EveryTime,
                                [this] { FormActivate(); }};
  RoundClient rounds_{this};
};

}  // namespace qm
