// The roster maintenance window: adds, changes and deletes golfers, as
// TListMaintForm describes, writing golfers.qmd.
//
// Golfers are entered in the golfer name dialog (Program().GNameForm).
// Score files follow at once: the dialog creates a new golfer's file,
// taking over a changed short name renames the file, and Delete removes it
// (unless another golfer shares it).
//
// At most one roster maintenance window is open: Open() brings it to the
// front instead of making a second.
#pragma once

#include "store/records.h"
#include "windows/qmgname.h"
#include "windows/qmmaintbase.h"

namespace qm {

class TGMaintForm : public TListMaintForm {
 public:
  // Loads and sorts the roster. A failed load is reported at once and
  // leaves the window without a roster (Loaded() false).
  explicit TGMaintForm(QWidget* parent = nullptr);
  ~TGMaintForm() override;

  // For the main window's command: the open window is brought to the front
  // and null returned; otherwise a new window, not shown yet, or null when
  // its roster could not be loaded (the error was reported).
  static TGMaintForm* Open();
  // The open window, or null.
  static TGMaintForm* Instance();

  const TRosterTable& Roster() const { return roster_; }
  void AddButtonClick() override;
  void ModifyButtonClick() override;
  void DeleteButtonClick() override;
  void SaveButtonClick() override;

 protected:
  TGNameForm* Dialog() const;
  HandOverResult* DialogResult() const override;
  // A changed short name renames the golfer's score file first; when that
  // fails, the old short name stays.
  void TakeOverResult() override;
  void SortEntries() override;
  int EntryCount() const override { return roster_.Count(); }
  QString EntryName(int position) const override;

 private:
  QListWidget* GolferListBox = listBox_;
  QAction* AddGolfer1 = addItem_;
  QAction* ModifyGolfer1 = modifyItem_;
  QAction* DeleteGolfer1 = deleteItem_;

  TRosterTable roster_;
};

}  // namespace qm
