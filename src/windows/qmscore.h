// The score entry window: one round of one golfer, typed hole by hole or as
// a total, with the nine-hole sums, the total, the adjusted gross score and
// the differential kept up to date as fields are left.
//
// One long-lived instance, created by StartUp() and reached as
// Program().ScoreForm. It never writes a score file; the window that opened
// it stores the round.
//
// How a caller uses it:
//   1. Prime the fields (GolferName, DateField, CourseField->SetText(...),
//      CourseName2, CoursePicked, AddingGroup, IndexField and, for a stored
//      round, the card fields, CommentField, AdjScore, CourseHandicapField).
//      A caller that shows a stored round whose course name is empty sets
//      KeepCard to "1", or the card would be cleared on showing; KeepCard
//      goes back to "0" whenever the window is hidden.
//   2. Call Program().ScoreForm->Hand.ShowFor(this) and return. If the window
//      is already shown for another use, hide() it first, so that it is
//      shown (and its caption and card set up) afresh.
//   3. OK and File > Save/Exit set OkPressed to "1", Cancel, File > Exit and a
//      close through the frame set it to "0"; all hide the window and
//      activate the opener again (Hand.Finish()).
//   4. In the caller's activation handler: take the round over only when
//      OkPressed->text() == "1" && Hand.IsFor(this); set OkPressed to "0"
//      first, then read DateField, CourseField->Text() (not currentText():
//      a stored name that is not in the course list is kept and handed
//      back), ScoreTotal, RatingField, SlopeField,
//      CommentField->toPlainText(), Score, Putts, AdjScore and, where stored,
//      IndexField and CourseHandicapField. All texts are single-byte
//      (ui/textconv.h ToBytes) and the comment holds no "~" or line break.
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
#include <QPushButton>
#include <array>
#include <string>

#include "engine/scorecard.h"
#include "store/records.h"
#include "ui/activation.h"
#include "ui/handover.h"

class QKeyEvent;

namespace qm {

class TCourseList;
class TCommentEdit;
class TScoreCardGrid;

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

  // The course table behind CourseField (list line n - 1 is position n).
  const TCourseTable& Courses() const { return courses_; }

  // Cancel for a close through the frame.
  void reject() override;

  TCourseList* CourseField;
  QLineEdit* DateField;
  QCheckBox* SkipPuttsChkBox;
  TScoreCardGrid* Card;                     // holds the fields below, from Score to ParTotal
  std::array<QLineEdit*, HoleCount> Score;  // [0] is the control named Score1
  std::array<QLineEdit*, HoleCount> Putts;
  std::array<QLineEdit*, HoleCount> Par;
  QLineEdit* ScoreOut;
  QLineEdit* ScoreIn;
  QLineEdit* ScoreTotal;
  QLineEdit* PuttsOut;
  QLineEdit* PuttsIn;
  QLineEdit* PuttsTotal;
  QLineEdit* ParOut;
  QLineEdit* ParIn;
  QLineEdit* ParTotal;
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
  QLineEdit* KeepCard;

  QMenuBar* MainMenu;
  QMenu* File1;
  QMenu* Edit1;
  QMenu* Help1;
  QAction* SaveExit1;
  QAction* Exit1;
  QAction* EditCourses1;
  QAction* Help2;
  QAction* AboutQuillmor1;

  HandOver Hand{this};

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void BuildMenu();
  void ConnectHandlers();

  // Reads courses.qmd into the table and refills CourseField; the list and
  // the table change together or not at all.
  void ReloadCourses();
  // Appends a course confirmed in the course editor to the course file.
  bool AppendCourse(const TCourseRec& course);
  int FindCourseCaseBlind(const std::string& name) const;  // first match, 0 for none
  int FindCourseExact(const std::string& name) const;      // last match, 0 for none
  void SetCourseHandicap(int n);
  void ReportCourseNotFound(const std::string& name);
  bool CoursesFull();
  void OpenCourseEditor();
  void Close(bool confirmed);

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

  TCourseTable courses_;
  // The course-not-found message is shown once per showing for one name.
  bool notFoundReported_ = false;
  std::string notFoundName_;
  // The rename message of the course file is shown once until a load works.
  bool renameReported_ = false;
  // One of this window's message boxes holds the activation; its closing is
  // no new activation.
  bool ownBoxActive_ = false;
  // A return from another program is no new activation either.
  ReturnWatch return_{this};
  // A leaving handler is moving the focus; the field it passes is not left.
  bool leaving_ = false;
};

}  // namespace qm
