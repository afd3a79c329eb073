// The roster maintenance window: adds, changes and deletes golfers, as
// TListMaintForm describes, writing golfers.qmd.
//
// Golfers are entered in the golfer name dialog (Program().GNameForm),
// which creates a new golfer's empty score file at once. The other score
// file changes follow the roster and wait for Save: a changed short name's
// file is renamed, and a deleted golfer's file removed (unless another
// golfer of the saved roster uses it), only after the roster that reflects
// them has been written. Leaving without saving leaves every file as it was;
// a roster that cannot be written renames and removes nothing.
//
// At most one roster maintenance window is open: Open() brings it to the
// front instead of making a second.
#pragma once

#include <string>
#include <vector>

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
  // A changed short name is taken when its score file can be renamed to it
  // at Save (no file of that name, none waiting for a rename); otherwise
  // the old short name stays.
  void TakeOverResult() override;
  void SortEntries() override;
  StateRestorer State() override;
  int EntryCount() const override { return roster_.Count(); }
  QString EntryName(int position) const override;

 private:
  QListWidget* GolferListBox = listBox_;
  QAction* AddGolfer1 = addItem_;
  QAction* ModifyGolfer1 = modifyItem_;
  QAction* DeleteGolfer1 = deleteItem_;

  TRosterTable roster_;

  // What Save does to the score files: renames before the roster is
  // written (each file on the disk moves once, to the name it has at the
  // end of a chain of changes), removals after it.
  struct Rename {
    std::string From;
    std::string To;
  };
  std::vector<Rename> renames_;
  std::vector<std::string> removals_;
  // The short names of the golfers added since the last save: an added
  // golfer's new, empty score file goes when the golfer was taken back
  // (Undo) before the save.
  std::vector<std::string> added_;

  // The stem of the file on the disk that short name will be once saved.
  std::string FileOnDisk(const std::string& shortName) const;
  bool ShortNameAvailable(const std::string& oldShort, const std::string& newShort) const;
  std::vector<std::string> HeldShortNames() const;
  void RemoveDeletedFiles();
};

}  // namespace qm
