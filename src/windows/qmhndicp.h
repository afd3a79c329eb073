// The course handicap window: for one golfer, whose index the opener
// supplies, the user picks a course and reads the course rating, slope and
// par, the course handicap and the predicted score; Print sends these lines
// to the printer or to the file SHORTNAME.qmh.
//
//   THandicapForm::Open(golfer, IndexText4(index));   // shown, without blocking
//
// Every request makes a new window. It is no Qt child of its opener (closing
// the opener leaves it open) and it destroys itself when closed. Nothing is
// read back from it.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "store/records.h"
#include "ui/activation.h"
#include "ui/menus.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace qm {

// The eleven lines of the course handicap sheet, as single-byte text: the
// date (mm/dd/yyyy), the golfer, the course's name, rating, slope and par,
// the index text and the two sentences.
std::vector<std::string> HandicapSheetLines(const std::string& date, const std::string& golferName,
                                            const TCourseSummaryRec& course,
                                            const std::string& indexText,
                                            const std::string& handicapSentence,
                                            const std::string& predictedSentence);

class THandicapForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int ClientWidth = 498;
  static constexpr int ClientHeight = 327;

  // Makes a new window for the golfer (long name, short name; the sex is
  // not needed here) with the index text as the golfer windows show it (one
  // decimal), and shows it. The window owns itself.
  static THandicapForm* Open(const TRosterEntry& golfer, const std::string& indexText);

  // Builds the window hidden and loads the course list; no course is
  // selected. The caller sets GolferName, GolferShortName and IndexField.
  THandicapForm();

  void FormActivate();
  // Course n (1-based) of the course table was picked.
  void ShowHandicap(int n);
  void OKButtonClick();
  void PrintButtonClick();
  void Exit1Click();
  void Help2Click();
  void AboutQuillmor1Click();
  // Escape closes the window as OK does.
  void reject() override;

  bool CourseChosen() const { return courseChosen_; }
  const TCourseSummaryTable& Courses() const { return courses_; }

 protected:
  // Closing is no rejection of a dialog: the window just goes.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QMenuBar* MainMenu;
  QMenu* File1;
  QAction* Exit1;
  // Help1 with Help2 and AboutQuillmor1.
  HelpMenu Help;

  QLabel* Label1;  // "Course:"
  QComboBox* CourseField;
  QLabel* Label2;  // "Course Rating:"
  QLineEdit* RatingField;
  QLabel* Label3;  // "Slope Rating:"
  QLineEdit* SlopeField;
  QLabel* Label4;  // "Par:"
  QLineEdit* ParField;
  QLabel* Label5;  // "Index:"
  QLineEdit* IndexField;
  QLineEdit* Hdcp1;
  QLineEdit* Hdcp2;
  QPushButton* OKButton;
  QPushButton* PrintButton;
  QLineEdit* GolferName;
  QLineEdit* GolferShortName;

  void BuildControls();
  void BuildMenu();
  void ConnectHandlers();

  TCourseSummaryTable courses_;
  bool courseChosen_ = false;
  bool shown_ = false;
  ActivationHandler activation_{this, ActivationHandler::Runs::EveryTime,
                                [this] { FormActivate(); }};
};

}  // namespace qm
