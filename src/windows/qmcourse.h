// The course editor: one course's name, ratings and hole pars, with the
// running totals OUT, IN and Total.
//
// One long-lived instance, created by StartUp() and reached as
// Program().CourseForm, serves every window that edits a course (the course
// list maintenance window and the score entry window), handed over as
// THandOverDialog describes.
//
// OK accepts only fields that can be stored: the name, rating and slope in
// single-byte text without "~" (the course file's separator), whole-number
// hole pars and a total par greater than zero.
#pragma once

#include <QLineEdit>
#include <array>

#include "store/records.h"
#include "windows/qmdialogbase.h"

namespace qm {

class TCourseForm : public THandOverDialog {
 public:
  explicit TCourseForm(QWidget* parent = nullptr);
  // A new course: name, rating and slope empty, pars and sums "0".
  void PrimeNewCourse();
  // A course to change; OUT and IN are worked out as the editor opens.
  void PrimeCourse(const TCourseRec& course);
  // A course to add from the score entry window: only the name is emptied;
  // rating, slope and pars stay as the editor last showed them.
  void PrimeNameOnly();
  // The confirmed course as the course file will read it back: every text
  // cut to its field's width, "~" as "-" and line breaks as spaces.
  TCourseRec Course() const;

  // Sets empty hole pars to "0", then OUT and IN to the sums of the front
  // and back nine; Total to OUT + IN only when setTotal. Throws the
  // conversion error for a hole par that is not a whole number (the empty
  // ones are set first).
  void RecalcCourseTotals(bool setTotal);

  // Recomputes OUT and IN of a course being modified (a stored Total stays
  // as it is); the focus is on CourseName.
  void FormActivate() override;
  // Leaving hole 1: totals with Total; a "0" there sends the focus to Total.
  void Par1Exit();
  // Leaving hole (1-based, 1..18); hole 1 is Par1Exit.
  void ParExit(int hole);
  void OKButtonClick() override;

 protected:
  void FieldExit(QObject* field) override;

 private:
  QLineEdit* CourseName;           // max 30, typed letters upper-cased
  QLineEdit* RatingField;          // max 4
  QLineEdit* SlopeField;           // max 3
  std::array<QLineEdit*, 18> Par;  // Par[0] is the control named "Par1"
  QLineEdit* ParOut;               // computed, read-only, not a tab stop
  QLineEdit* ParIn;                // computed, read-only, not a tab stop
  QLineEdit* ParTotal;             // computed, may be typed over
};

}  // namespace qm
