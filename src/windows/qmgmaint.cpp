#include "windows/qmgmaint.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "store/roster.h"
#include "store/text.h"
#include "ui/prompts.h"
#include "ui/rosterload.h"
#include "ui/textconv.h"
#include "windows/qmapp.h"

namespace qm {

TGMaintForm::TGMaintForm(QWidget* parent)
    : TListMaintForm({.Name = QStringLiteral("GMaintForm"),
                      .Title = QStringLiteral("Golfer Maintenance"),
                      .ListName = QStringLiteral("GolferListBox"),
                      .List = QRect(40, 18, 316, 305),
                      .ButtonX = 395,
                      .Noun = QStringLiteral("Golfer"),
                      .ExitQuestion = QStringLiteral("Save changes made to golfers?")},
                     parent) {
  LoadTable(roster_, [this] {
    LoadSortedRoster(roster_);
    RememberFile(RosterFileName);
  });
  Current<TGMaintForm>() = this;
}

TGMaintForm::~TGMaintForm() { ReleaseDialog(); }

TGMaintForm* TGMaintForm::Open() { return OpenOne<TGMaintForm>(); }

TGMaintForm* TGMaintForm::Instance() { return Current<TGMaintForm>().data(); }

TGNameForm* TGMaintForm::Dialog() const { return Program().GNameForm; }

HandOverResult* TGMaintForm::DialogResult() const {
  return Dialog() != nullptr ? &Dialog()->Result : nullptr;
}

std::string TGMaintForm::FileOnDisk(const std::string& shortName) const {
  for (const Rename& rename : renames_)
    if (rename.To == shortName) return rename.From;
  return shortName;
}

bool TGMaintForm::ShortNameAvailable(const std::string& oldShort,
                                     const std::string& newShort) const {
  const std::string file = FileOnDisk(oldShort);
  // Back to the name of the file on the disk: nothing left to move.
  if (newShort == file) return true;
  // A file two golfers share that already moves with the other one.
  if (std::any_of(renames_.begin(), renames_.end(), [&](const Rename& rename) {
        return rename.From == file && rename.To != oldShort;
      }))
    return false;
  if (!IsSafeFileStem(newShort) || ScoreFileExists(newShort)) return false;
  return std::none_of(renames_.begin(), renames_.end(), [&](const Rename& rename) {
    return rename.From == newShort || rename.To == newShort;
  });
}

std::vector<std::string> TGMaintForm::HeldShortNames() const {
  std::vector<std::string> held;
  for (const Rename& rename : renames_) {
    held.push_back(rename.From);
    held.push_back(rename.To);
  }
  return held;
}

void TGMaintForm::TakeOverResult() {
  TRosterEntry confirmed = Dialog()->Entry();
  if (EditIndex() != 0) {
    const std::string oldShort = CutAtNul(roster_.At(EditIndex()).ShortName);
    const std::string newShort = CutAtNul(confirmed.ShortName);
    // A short name that names no file of this folder has no file to move.
    if (newShort != oldShort && IsSafeFileStem(oldShort)) {
      if (!ShortNameAvailable(oldShort, newShort)) {
        CurrentPrompts().Message(
            QStringLiteral("ERROR: Unable to rename golfer file!  Try a different name."));
        Dialog()->ShowKeptShortName(oldShort);
        confirmed.ShortName = oldShort;
      } else {
        const std::string file = FileOnDisk(oldShort);
        std::erase_if(renames_, [&](const Rename& rename) { return rename.To == oldShort; });
        if (newShort != file) renames_.push_back({file, newShort});
      }
    }
  }
  if (EditIndex() == 0) added_.push_back(CutAtNul(confirmed.ShortName));
  TRosterEntry& entry = EditedEntry(roster_);
  entry = std::move(confirmed);
  MakeStorable(entry);
}

void TGMaintForm::SortEntries() { SortRoster(roster_); }

StateRestorer TGMaintForm::State() {
  return [this, roster = roster_, renames = renames_, removals = removals_] {
    roster_ = roster;
    renames_ = renames;
    removals_ = removals;
  };
}

QString TGMaintForm::EntryName(int position) const {
  return FromBytes(roster_.At(position).LongName);
}

void TGMaintForm::AddButtonClick() {
  if (!MayOpenDialog()) return;
  if (roster_.Count() >= MaxGolfers) {
    CurrentPrompts().Warning(QStringLiteral(
        "You have reached the maximum allowed number of golfers.  If possible, delete some "
        "golfers that are inactive.  Then, you can enter more new ones."));
    return;
  }
  Dialog()->PrimeNew();
  Dialog()->SetHeldShortNames(HeldShortNames());
  ShowDialog(0);
}

void TGMaintForm::ModifyButtonClick() {
  const int n = SelectedPosition();
  if (n == 0 || !MayOpenDialog()) return;
  Dialog()->PrimeEntry(roster_.At(n));
  ShowDialog(n);
}

void TGMaintForm::DeleteButtonClick() {
  const int n = SelectedPosition();
  if (Editing() || n == 0) return;
  const TRosterEntry& entry = roster_.At(n);
  const std::string shortName = CutAtNul(entry.ShortName);
  const QString file = FromBytes(ScoreFileName(entry));
  // Two golfers may share one score file; the one who stays keeps it.
  const bool shared =
      std::count_if(roster_.Entries.begin(), roster_.Entries.end(), [&](const TRosterEntry& other) {
        return CutAtNul(other.ShortName) == shortName;
      }) > 1;
  const QString question =
      shared ? QStringLiteral(
                   "Are you sure you want to delete this golfer?  The score file \"%1\" "
                   "stays, since another golfer uses it.")
                   .arg(file)
             : QStringLiteral(
                   "Are you sure you want to delete this golfer along with score file "
                   "\"%1\"?")
                   .arg(file);
  if (!CurrentPrompts().ConfirmYesNo(question)) return;
  if (!shared && IsSafeFileStem(shortName)) {
    // The file stays where it is on the disk until Save removes it.
    const std::string file = FileOnDisk(shortName);
    std::erase_if(renames_, [&](const Rename& rename) { return rename.To == shortName; });
    // A file another golfer's rename takes along is that golfer's now.
    if (std::none_of(renames_.begin(), renames_.end(),
                     [&](const Rename& rename) { return rename.From == file; }))
      removals_.push_back(file);
  }
  DeleteEntry(roster_, n);
}

void TGMaintForm::SaveButtonClick() {
  if (!MayReplaceFile()) return;
  // The renamed files first, since the roster's save gives every name it
  // holds a file; a failure at any step puts back the names already moved
  // and leaves the roster as it was, so no round is parted from its golfer.
  std::vector<Rename> moved;
  const auto putBack = [&moved] {
    for (auto rename = moved.rbegin(); rename != moved.rend(); ++rename)
      RenameScoreFile(rename->To, rename->From);
  };
  for (const Rename& rename : renames_) {
    if (!ScoreFileExists(rename.From)) continue;  // nothing of the golfer's to move
    if (!RenameScoreFile(rename.From, rename.To)) {
      putBack();
      CurrentPrompts().Message(
          QStringLiteral("ERROR: Unable to rename golfer file %1 to %2!  Nothing was saved.")
              .arg(FromBytes(ScoreFileName(rename.From)), FromBytes(ScoreFileName(rename.To))));
      return;
    }
    moved.push_back(rename);
  }
  try {
    SaveRoster(roster_);
  } catch (...) {
    putBack();
    throw;
  }
  renames_.clear();
  RememberFile(RosterFileName);
  Saved();
  RemoveDeletedFiles();
}

void TGMaintForm::RemoveDeletedFiles() {
  // A file the saved roster names (a golfer added meanwhile who took it
  // over) stays.
  const auto named = [this](const std::string& file) {
    return std::any_of(
        roster_.Entries.begin(), roster_.Entries.end(),
        [&](const TRosterEntry& entry) { return CutAtNul(entry.ShortName) == file; });
  };
  for (const std::string& file : std::exchange(removals_, {}))
    if (!named(file)) DeleteScoreFile(file);
  // An added golfer taken back: the file made for it, when nothing was
  // stored in it.
  for (const std::string& file : std::exchange(added_, {})) {
    std::error_code error;
    if (!named(file) && IsSafeFileStem(file) &&
        std::filesystem::file_size(ScoreFileName(file), error) == 0 && !error)
      DeleteScoreFile(file);
  }
}

}  // namespace qm
