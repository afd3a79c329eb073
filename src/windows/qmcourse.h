// The course editor: one course's name, ratings and hole pars, with the
// running totals OUT, IN and Total.
//
// One long-lived instance, created by StartUp() and reached as
// Program().CourseForm, serves every window that edits a course (the course
// list maintenance window and the score entry window). An opener primes the
// fields, then calls Hand.ShowFor(this) and goes on; OK sets OkPressed to
// "1", Cancel (also Escape and a close through the frame) to "0", and both
// call Hand.Finish(), which hides the editor and activates the opener again.
// The opener's activation handler takes the fields over only when
// OkPressed->text() == "1" && Hand.IsFor(this), and sets OkPressed back to
// "0" before it shows anything. Every showing starts with OkPressed at "0",
// so a result nobody took cannot be taken over by the next opener.
//
// OK accepts only fields that can be stored: the name, rating and slope in
// single-byte text without "~" (the course file's separator), whole-number
// hole pars and a total par greater than zero.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "ui/handover.h"

namespace qm {

class TCourseForm : public QDialog {
 public:
  explicit TCourseForm(QWidget* parent = nullptr);

  QLineEdit* CourseName;           // max 30, typed letters upper-cased
  QLineEdit* RatingField;          // max 4
  QLineEdit* SlopeField;           // max 3
  std::array<QLineEdit*, 18> Par;  // Par[0] is the control named "Par1"
  QLineEdit* ParOut;               // computed, read-only, not a tab stop
  QLineEdit* ParIn;                // computed, read-only, not a tab stop
  QLineEdit* ParTotal;             // computed, may be typed over
  QPushButton* OKButton;
  QPushButton* CancelButton;
  QLineEdit* OkPressed;  // hidden, disabled: "1" after OK, "0" otherwise
  HandOver Hand{this};

  // Sets empty hole pars to "0", then OUT and IN to the sums of the front
  // and back nine; Total to OUT + IN only when setTotal. Throws the
  // conversion error for a hole par that is not a whole number (the empty
  // ones are set first).
  void RecalcCourseTotals(bool setTotal);

  // Runs at the first activation after each showing: recomputes OUT and IN
  // of a course being modified (a stored Total stays as it is) and puts the
  // focus on CourseName.
  void FormActivate();
  // Leaving hole 1: totals with Total; a "0" there sends the focus to Total.
  void Par1Exit();
  // Leaving hole (1-based, 1..18); hole 1 is Par1Exit.
  void ParExit(int hole);
  void OKButtonClick();
  void CancelButtonClick();

  // Cancel for Escape and for a close through the frame.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Runs the leaving handler of the field that has the focus, for an OK
  // given by the Enter key (no focus change, so no leaving event).
  void RunPendingExit();
  // False (after the message, with the focus on field) when field's text
  // cannot be stored.
  bool CheckStorable(QLineEdit* field, const QString& what);

  bool activatePending_ = false;
};

}  // namespace qm
