// The score entry window: one round of one golfer, typed hole by hole or as
// a total, with the nine-hole sums, the total, the adjusted gross score and
// the differential kept up to date as fields are left.
//
// One long-lived instance, created by StartUp() and reached as
// Program().ScoreForm. It never writes a score file; the window that opened
// it stores the round.
//
// How a window hands a round over (the golfer list, the golfer scores
// window, the group-of-scores window):
//
//   // Add: a new round for the golfer (the index text as the window shows it).
//   TScoreForm::RoundGolfer golfer{longName, shortName, indexText};
//   if (form->PrimeNewRound(this, golfer, TScoreForm::EntryValues::Zero)) pending_ = Add;
//   // Modify: a stored round (golfer.Index is the current index, shown when
//   // the round has no EntryIndex of its own).
//   if (form->PrimeStoredRound(this, golfer, scores_.At(n))) pending_ = Modify(n);
//   // A group: the first golfer, then each further one (date and course stay,
//   // also when another window used this one in between).
//   form->PrimeGroupRound(this, golfer, /*first=*/count == 0);
//
//   // In the window's activation handler:
//   if (std::optional<TakenRound> taken = form->TakeRound(this)) {
//     ... store taken->Round in taken->ShortName's score file ...
//   }
//
//   // When the window closes or is destroyed:
//   form->ReleaseRound(this);
//
// Windows do all of this through a RoundClient (windows/roundclient.h),
// which also releases for them.
//
// Each Prime operation sets every field its use needs, records the owner
// (the window and the golfer's short name) and shows the window without
// blocking; the caller returns at once. It primes nothing and returns false
// (bringing the window to the front) while the window is shown for a round
// already, so a round being typed is never thrown away.
//
// TakeRound gives the confirmed round once, and only to the window that
// primed it: every other window, a second call, or a call after Cancel gets
// nothing. The record has every field of the score file: Date through
// DisplayDateToKey, Course the text of the course box (a stored name no
// longer in the course list is kept), each text cut to its field's width.
// EntryIndex and EntryHandicap: "0" for a new round primed with
// EntryValues::Zero and for a group; the shown index and course handicap
// with EntryValues::Fields; for a stored round the stored EntryIndex and
// the shown course handicap.
//
// ReleaseRound hides the window when it is shown for owner (nobody takes the
// round) and forgets a confirmed round not yet taken. A window that primes
// rounds calls it as it closes; otherwise the round typed for it would go
// nowhere.
//
// The hidden fields (OkPressed, CoursePicked, CourseName2, AddingGroup,
// GolferName, CourseHandicapField) keep their names and values for the
// tests; only this window writes them. CoursePicked and AddingGroup mirror
// typed flags of the window, which decide.
//
// Every handler runs through the error guard (ui/guard.h): a text that is
// not a number where a rule needs one is reported, and the fields the rule
// had already written keep their new values.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <array>
#include <optional>
#include <string>

#include "engine/scorecard.h"
#include "store/records.h"
#include "ui/activation.h"
#include "ui/handover.h"
#include "ui/menus.h"

class QKeyEvent;
class QVBoxLayout;

namespace qm {

class TCourseList;
class TCommentEdit;
class TScoreCardGrid;

// A confirmed round as TakeRound gives it back: the round and the short
// name of the golfer it was primed for.
struct TakenRound {
  TScoreRec Round;
  std::string ShortName;
};

class TScoreForm : public QDialog {
  Q_OBJECT

 public:
  // Builds the window hidden, sets DateField to today and loads the course
  // list (the sample list becomes courses.qmd on a first start; "Error
  // renaming sample courses file!" is shown when neither file exists).
  explicit TScoreForm(QWidget* parent = nullptr);

  // Course n (1-based position in the window's sorted course table): its
  // rating ("0.0" when empty), slope ("0" when empty), hole pars and total
  // par, then the nine-hole pars.
  void ShowCourse(int n);
  // Empties the card: rating "0.0", slope "0", pars empty, hole scores,
  // putts and their nine-hole sums "0", totals, adjusted score,
  // differential and comment empty. The date, the index and the course
  // handicap stay.
  void ClearCard();
  // Puts the eighteen putts fields into the Tab order, or takes them out
  // (they can still be clicked).
  void SetPuttsTabStops(bool on);

  // The window's handlers, public so that tests can run them as the events
  // would. Each throws what the rules throw; the events run them guarded.
  void FormShow();
  void FormActivate();
  void FormHide();
  // The user picked course n (1-based): ShowCourse, the round's course,
  // the golfer's course handicap there, then the adjusted score and the
  // differential with it.
  void CourseFieldChange(int n);
  void FieldExit(QWidget* field);
  void SkipPuttsChkBoxClick();
  void OKButtonClick();
  void SaveExit1Click();
  void CancelButtonClick();
  void Exit1Click();
  void AddCourseButtonClick();
  void EditCourses1Click();
  void Help2Click();
  void AboutQuillmor1Click();

  // ---- the hand-over of a round (see the top of this file) ----
  struct RoundGolfer {
    QString LongName;       // shown in the caption
    std::string ShortName;  // the golfer's score file, without ".qmg"
    QString Index;          // the index text the window shows
  };
  struct RoundOwner {
    QPointer<QWidget> Window;
    std::string ShortName;
  };
  enum class EntryValues { Zero, Fields };

  bool PrimeNewRound(QWidget* owner, const RoundGolfer& golfer, EntryValues entry);
  bool PrimeStoredRound(QWidget* owner, const RoundGolfer& golfer, const TScoreRec& round);
  bool PrimeGroupRound(QWidget* owner, const RoundGolfer& golfer, bool first);
  std::optional<TakenRound> TakeRound(const QWidget* owner);
  void ReleaseRound(const QWidget* owner);
  // The window and golfer of the last priming; kept until the next one.
  const RoundOwner& Owner() const { return owner_; }

  // The course table behind CourseField (list line n - 1 is position n).
  // Reads courses.qmd into the table and refills CourseField; the list and
  // the table change together or not at all. Every activation does it; a
  // restore of the data folder does it at once, so that the window never
  // shows a course of the files before.
  void ReloadCourses();
  const TCourseTable& Courses() const { return courses_; }

  // Cancel for a close through the frame.
  void reject() override;

  HandOver Hand{this};
  HandOverResult Result{this, Hand};

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TCourseList* CourseField;
  QLineEdit* DateField;
  QCheckBox* SkipPuttsChkBox;
  TScoreCardGrid* Card;                     // holds Score to Par below, and the sums
  std::array<QLineEdit*, HoleCount> Score;  // [0] is the control named Score1
  std::array<QLineEdit*, HoleCount> Putts;
  std::array<QLineEdit*, HoleCount> Par;
  QLineEdit* RatingField;
  QLineEdit* SlopeField;
  QLineEdit* IndexField;
  QLineEdit* AdjScore;
  QLineEdit* ScoreDiff;
  TCommentEdit* CommentField;
  QPushButton* OKButton;
  QPushButton* CancelButton;
  QPushButton* AddCourseButton;

  // Hidden, disabled: the hand-over with the callers.
  QLineEdit* GolferName;
  QLineEdit* OkPressed;
  QLineEdit* CoursePicked;
  QLineEdit* CourseName2;
  QLineEdit* AddingGroup;
  QLineEdit* CourseHandicapField;

  QMenuBar* MainMenu;
  QMenu* File1;
  QMenu* Edit1;
  // Help1 with Help2 and AboutQuillmor1.
  HelpMenu Help;
  QAction* SaveExit1;
  QAction* Exit1;
  QAction* EditCourses1;

  // The round as the fields hold it, as TakeRound gives it.
  TScoreRec ConfirmedRound() const;
  void BuildControls();
  // The areas of the window, top to bottom, each into page; then the Tab
  // chain through them.
  void BuildTopFields(QWidget* client, QVBoxLayout* page);
  void BuildCard(QWidget* client, QVBoxLayout* page);
  void BuildBottom(QWidget* client, QVBoxLayout* page);
  void BuildTabChain();
  void BuildMenu();
  void ConnectHandlers();

  // Appends a course confirmed in the course editor to the course file.
  bool AppendCourse(const TCourseRec& course);
  int FindCourseExact(const std::string& name) const;  // last match, 0 for none
  void SetCourseHandicap(int n);
  void ReportCourseNotFound(const std::string& name);
  bool CoursesFull();
  void OpenCourseEditor();
  void Close(bool confirmed);
  // Records the owner and shows the window; false (the window brought to
  // the front) while it is shown already.
  bool MayPrime();
  void ShowFor(QWidget* owner, const RoundGolfer& golfer);

  // Runs the leaving handler of the field that has the focus: a command
  // from the menu does not move the focus, so the field's value would
  // otherwise be returned without its sums.
  void RunPendingExit();
  // Enter: the field the focus moves to, or null when it stays.
  QWidget* EnterTarget(QWidget* field) const;
  // The fields in which "+", "=", "-" and "_" step the value.
  bool Steps(const QWidget* field) const;
  void Step(QWidget* field, char direction);

  ScoreCard ReadCard() const;
  void WriteCard(const ScoreCard& card);
  // Copies the fields into a card, applies rules and writes the card back,
  // also when a rule throws (then rethrows).
  template <class Rules>
  void Compute(Rules&& rules);

  // The window's own flags; each setter mirrors its flag into the hidden
  // field of the same name.
  void SetCoursePicked(bool picked);
  void SetAddingGroup(bool adding);

  TCourseTable courses_;
  RoundOwner owner_;
  bool coursePicked_ = false;  // a course was picked (or a stored round's found)
  bool addingGroup_ = false;   // the round is one of a group
  // The date and course a group's round left as it closed, so that the
  // group's next golfer gets them even when another window used this one
  // in between.
  struct GroupPlace {
    QPointer<QWidget> Owner;
    QString Date;
    QString Course;
  } groupPlace_;
  // What TakeRound stores in EntryIndex and EntryHandicap.
  enum class Entry { Zero, Fields, StoredIndex } entry_ = Entry::Zero;
  std::string storedEntryIndex_;
  // A stored round without a course name keeps its card when shown; ends
  // with the showing.
  bool keepCard_ = false;
  // The course-not-found message is shown once per showing for one name.
  bool notFoundReported_ = false;
  std::string notFoundName_;
  // The rename message of the course file is shown once until a load works.
  bool renameReported_ = false;
  ActivationHandler activation_{this, ActivationHandler::Runs::EveryTime,
                                [this] { FormActivate(); }};
  // A leaving handler is moving the focus; the field it passes is not left.
  bool leaving_ = false;
};

}  // namespace qm
