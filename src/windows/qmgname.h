// The golfer name dialog: a golfer's long name, short name and sex, for the
// roster maintenance window.
//
// One long-lived instance, created by StartUp() and reached as
// Program().GNameForm, handed over as THandOverDialog describes. The opener
// primes it with PrimeNew or PrimeEntry before showing it, and takes the
// confirmed golfer back with Entry().
//
// Score files: OK while adding creates the new short name's empty score file
// at once (or, when it exists, asks whether the golfer is to use it). While
// modifying, OK touches no file; the opener moves the score file when the
// roster that holds the changed short name is saved. A short name the
// opener holds for such a move (SetHeldShortNames) is refused while adding.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "store/records.h"
#include "windows/qmdialogbase.h"

namespace qm {

class TGNameForm : public THandOverDialog {
 public:
  explicit TGNameForm(QWidget* parent = nullptr);
  // Empty fields and Male, for a new golfer.
  void PrimeNew();
  // The fields of entry, for a change to it; the sex item by the roster rule
  // (SexOf), so a hand-edited code such as 2 shows as Female.
  void PrimeEntry(const TRosterEntry& entry);
  // The golfer as the fields hold it now (texts cut to their widths, not
  // yet made storable). The sex is the primed entry's own code while the
  // item still shows that sex, so opening and confirming changes no byte.
  TRosterEntry Entry() const;
  // After a rename that failed the dialog shows the short name that was kept.
  void ShowKeptShortName(const std::string& shortName);
  // The short names whose score files wait to be renamed when the opener's
  // roster is saved: a new golfer may not take one of them meanwhile.
  void SetHeldShortNames(std::vector<std::string> held) { held_ = std::move(held); }

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

 private:
  QLabel* Label2;        // "Long Name"
  QLineEdit* LongName;   // max 40
  QLabel* Label1;        // "Short Name"
  QLineEdit* ShortName;  // max 8, typed letters upper-cased
  QLabel* Label3;        // the note on unique short names
  QGroupBox* SexRadio;   // items: "Male" (0), "Female" (1)
  std::array<QRadioButton*, 2> SexItems;
  QLineEdit* EditMode;  // hidden: "A" adding, "E" modifying (mirrors the mode)

  enum class Mode { Adding, Modifying };
  void SetMode(Mode mode);

  Mode mode_ = Mode::Adding;
  std::vector<std::string> held_;
  bool Held(const QString& shortName) const;
  int primedSex_ = 0;
};

}  // namespace qm
