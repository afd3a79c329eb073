// The print handicaps dialog: the user picks a course, moves golfers from
// the golfer list (left, in the roster's alphabetical order) to the print
// list (right, in the order they were added) and picks a font size; Print
// List sends the handicap list to the printer or to hdcplist.qmr, Print
// Cards prints the handicap cards in the print list's order.
//
//   auto* dialog = new TPrintHandicapsDlg([] { return Program().UseMaxIndex; });
//   dialog->show();
//
// Every opening makes a new dialog; it is not modal, is no Qt child of its
// opener and destroys itself when closed. useMaxIndex is asked each time a
// report runs. Each item of both lists stands for its own roster entry, so
// golfers who share a long name each get their own row and card.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "store/records.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace qm {

class TPrintHandicapsDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int ClientWidth = 342;
  static constexpr int ClientHeight = 339;

  explicit TPrintHandicapsDlg(std::function<bool()> useMaxIndex, QWidget* parent = nullptr);

  void CourseFieldClick();
  void IncludeBtnClick();
  void ExcludeBtnClick();
  void IncAllBtnClick();
  void ExcAllBtnClick();
  void GolferListBoxDblClick();
  void PrintListBoxDblClick();
  void PrintListButtonClick();
  void PrintCardsButtonClick();
  void ExitButtonClick();

  // The list helpers. GetFirstSelection: the first selected row from the top,
  // -1 for none. MoveSelected: the selected items, from the bottom up, to the
  // destination (the print list appends; the golfer list puts each in its
  // roster place). SetItem: focus the list and select row index (-1 means 0,
  // past the end the last row; nothing in an empty list), then SetButtons.
  static int GetFirstSelection(const QListWidget* list);
  void MoveSelected(QListWidget* source, QListWidget* destination);
  void SetItem(QListWidget* list, int index);
  void SetButtons();

  // True once the user clicked or typed in CourseField and while it has a
  // selection.
  bool CourseChosen() const;
  // The golfers of the print list, in its order.
  std::vector<TRosterEntry> PrintGolfers() const;
  const TRosterTable& Roster() const { return roster_; }
  const TCourseSummaryTable& Courses() const { return courses_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* Label1;
  QComboBox* CourseField;
  QLabel* SrcLabel;
  QListWidget* GolferListBox;
  QLabel* DstLabel;
  QListWidget* PrintListBox;
  QPushButton* IncludeBtn;
  QPushButton* IncAllBtn;
  QPushButton* ExcludeBtn;
  QPushButton* ExAllBtn;
  QLabel* Label2;
  QComboBox* FontSize;
  QPushButton* PrintListButton;
  QPushButton* PrintCardsButton;
  QPushButton* ExitButton;

  void BuildControls();
  void ConnectHandlers();
  void FormCreate();
  // Puts the golfer at roster position into the list: at the end of the
  // print list, at its roster place in the golfer list.
  void AddGolfer(QListWidget* list, int position);
  // The checks both reports make first; false after the message.
  bool ReadyToPrint();
  const TCourseSummaryRec& ChosenCourse() const;
  int ChosenFontSize() const;

  std::function<bool()> useMaxIndex_;
  TCourseSummaryTable courses_;
  TRosterTable roster_;
  bool courseChosen_ = false;
  bool shown_ = false;
};

}  // namespace qm
