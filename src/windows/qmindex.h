// The index display: the sheet of 14 lines on which the index calculation
// writes its account of a golfer's handicap index.
//
//   auto* sheet = new TIndexForm(this);  // destroys itself when closed
//   request.Output = IndexOutput::Display;
//   request.Sheet = sheet;
//   CalcIndex(scores, request);
//   sheet->show();                      // without blocking
//
// Each use makes a new display; nothing is read back from it.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "engine/index.h"

class QFrame;
class QLineEdit;
class QPushButton;

namespace qm {

class TIndexForm : public QDialog, public IndexSheet {
  Q_OBJECT

 public:
  static constexpr int LineCount = 14;

  explicit TIndexForm(QWidget* parent = nullptr);

  void ClearIndexLines() override;
  // Sets line n (1 to 14) to text (single-byte); any other n is ignored.
  void SetIndexLine(int n, const std::string& text) override;

  void OkButtonClick();
  void CancelButtonClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QFrame* Panel2;
  QFrame* Panel1;
  std::array<QLineEdit*, LineCount> Field{};  // Field[0] is Field1
  QPushButton* OkButton;
  QPushButton* CancelButton;

  bool shown_ = false;
};

}  // namespace qm
