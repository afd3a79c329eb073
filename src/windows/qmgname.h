// The golfer name dialog: a golfer's long name, short name and sex, for the
// roster maintenance window.
//
// One long-lived instance, created by StartUp() and reached as
// Program().GNameForm, handed over as THandOverDialog describes. The opener
// sets the fields and EditMode ("A" adding, "E" modifying) before showing it.
//
// Score files: OK while adding creates the new short name's empty score file
// at once (or, when it exists, asks whether the golfer is to use it). While
// modifying, OK touches no file; the opener renames the score file when it
// takes a changed short name over.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <array>

#include "windows/qmdialogbase.h"

namespace qm {

class TGNameForm : public THandOverDialog {
 public:
  explicit TGNameForm(QWidget* parent = nullptr);

  QLabel* Label2;        // "Long Name"
  QLineEdit* LongName;   // max 40
  QLabel* Label1;        // "Short Name"
  QLineEdit* ShortName;  // max 8, typed letters upper-cased
  QLabel* Label3;        // the note on unique short names
  QGroupBox* SexRadio;   // items: "Male" (0), "Female" (1)
  std::array<QRadioButton*, 2> SexItems;
  QString EditMode = QStringLiteral("A");

  // The selected item of SexRadio (0 male, 1 female).
  int SexIndex() const;
  void SetSexIndex(int index);

  // With ShortName empty: proposes a short name from the long name, and
  // while adding, the first one whose score file does not exist yet.
  void LongNameExit();
  // With LongName empty: copies the short name into it.
  void ShortNameExit();
  void OKButtonClick() override;

 protected:
  void FieldExit(QObject* field) override;
};

}  // namespace qm
