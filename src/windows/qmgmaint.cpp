#include "windows/qmgmaint.h"

#include <algorithm>

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

void TGMaintForm::TakeOverResult() {
  TRosterEntry confirmed = Dialog()->Entry();
  if (EditIndex() != 0) {
    const std::string oldShort = CutAtNul(roster_.At(EditIndex()).ShortName);
    // A short name that names no file of this folder has no file to move.
    if (confirmed.ShortName != oldShort && IsSafeFileStem(oldShort) &&
        !RenameScoreFile(oldShort, confirmed.ShortName)) {
      CurrentPrompts().Message(
          QStringLiteral("ERROR: Unable to rename golfer file!  Try a different name."));
      Dialog()->ShowKeptShortName(oldShort);
      confirmed.ShortName = oldShort;
    }
  }
  TRosterEntry& entry = EditedEntry(roster_);
  entry = std::move(confirmed);
  MakeStorable(entry);
}

void TGMaintForm::SortEntries() { SortRoster(roster_); }

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
  if (!shared && IsSafeFileStem(shortName)) DeleteScoreFile(shortName);
  DeleteEntry(roster_, n);
}

void TGMaintForm::SaveButtonClick() {
  if (!MayReplaceFile()) return;
  SaveRoster(roster_);
  RememberFile(RosterFileName);
  SetModified(false);
}

}  // namespace qm
