// The golfer name dialog: a golfer's long name, short name and sex, for the
// roster maintenance window.
//
// One long-lived instance, created by StartUp() and reached as
// Program().GNameForm. The opener sets the fields and EditMode ("A" adding,
// "E" modifying), calls Hand.ShowFor(this) and goes on. OK sets OkPressed to
// "1", Cancel (also Escape and a close through the frame) to "0", and both
// call Hand.Finish(). The opener takes the fields over in its activation
// handler when OkPressed is "1" and Hand.IsFor(it), setting OkPressed back to
// "0" first. Every showing starts with OkPressed at "0".
//
// Score files: OK while adding creates the new short name's empty score file
// at once (or, when it exists, asks whether the golfer is to use it). While
// modifying, OK touches no file; the opener renames the score file when it
// takes a changed short name over.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <array>

#include "ui/handover.h"

namespace qm {

class TGNameForm : public QDialog {
 public:
  explicit TGNameForm(QWidget* parent = nullptr);

  QLabel* Label2;        // "Long Name"
  QLineEdit* LongName;   // max 40
  QLabel* Label1;        // "Short Name"
  QLineEdit* ShortName;  // max 8, typed letters upper-cased
  QLabel* Label3;        // the note on unique short names
  QGroupBox* SexRadio;   // items: "Male" (0), "Female" (1)
  std::array<QRadioButton*, 2> SexItems;
  QPushButton* OKButton;
  QPushButton* CancelButton;
  QLineEdit* OkPressed;  // hidden, disabled: "1" after OK, "0" otherwise
  QString EditMode = QStringLiteral("A");
  HandOver Hand{this};

  // The selected item of SexRadio (0 male, 1 female).
  int SexIndex() const;
  void SetSexIndex(int index);

  // Runs at the first activation after each showing: focus on LongName.
  void FormActivate();
  // With ShortName empty: proposes a short name from the long name, and
  // while adding, the first one whose score file does not exist yet.
  void LongNameExit();
  // With LongName empty: copies the short name into it.
  void ShortNameExit();
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

  bool activatePending_ = false;
};

}  // namespace qm
