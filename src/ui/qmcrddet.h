// The card details dialog: before the handicap cards are printed it tells
// the user which card stock fits and asks how many cards are left on the
// first sheet. Callers ask through the prompts layer
// (CurrentPrompts().CardsOnFirstSheet()), which makes a new dialog each time.
//
// It lives beside the two-choice dialog, below the prompts layer, so that the
// prompts' Qt implementation can show it.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qm {

class TPrintHdcpDetails : public QDialog {
  Q_OBJECT

 public:
  static constexpr int Cancelled = -1;

  explicit TPrintHdcpDetails(QWidget* parent = nullptr);

  // The number confirmed by Print (1 to 10), or Cancelled.
  int CardsOnFirstSheet() const { return cards_; }

  // Print: a whole number from 1 to 10 closes the dialog; anything else is
  // answered by a message and the dialog stays open on the field.
  void PrintBtnClick();
  void CancelBtnClick();
  // Escape means Cancel.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label9;
  QLabel* Label10;
  QLabel* Label11;
  QLineEdit* NumOfCardsFld;
  QPushButton* PrintBtn;
  QPushButton* CancelBtn;

  int cards_ = Cancelled;
};

}  // namespace qm
