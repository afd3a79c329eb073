// The stroke index dialog: which hole of one course takes the first stroke
// of a handicap, which the second, and so on, as the course's score card
// gives them. The World Handicap System estimate needs them to cap each hole
// at net double bogey.
//
// The course list maintenance window opens it, modal, for the selected
// course:
//
//   TStrokeIndexDlg::Edit(course.CourseName, this);
//
// OK takes 18 whole numbers that hold each of 1 to 18 once, or 18 empty
// fields (the course then has no stroke index), and writes strokes.qmd at
// once (StoreStrokeIndex). Anything else is refused with a message naming
// the first field at fault, which gets the focus with its text selected; a
// file that cannot be written is reported and the dialog stays open with
// what was typed. Cancel, Escape and a close through the frame write
// nothing.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "store/records.h"

class QLineEdit;
class QPushButton;
class QShowEvent;

namespace qm {

class TStrokeIndexDlg : public QDialog {
  Q_OBJECT

 public:
  using Fields = std::array<std::string, HoleCount>;

  // For the course stored as courseName (single-byte text), its fields as
  // StrokeFieldsOf gives them, or all empty.
  TStrokeIndexDlg(const std::string& courseName, const std::optional<Fields>& fields,
                  QWidget* parent = nullptr);

  // Reads strokes.qmd (throws as LoadStrokes does, before anything is
  // shown), then runs the dialog for courseName over parent. True when OK
  // wrote the file.
  static bool Edit(const std::string& courseName, QWidget* parent);
  void OKButtonClick();
  void CancelButtonClick();
  // Escape and a close through the frame mean Cancel.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::array<QLineEdit*, HoleCount> SI;  // SI[0] is the field named "SI1"
  QPushButton* OKButton;
  QPushButton* CancelButton;

  std::string courseName_;
};

}  // namespace qm
