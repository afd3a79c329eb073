// The main window: the program's start page. From here the user opens the
// roster maintenance, course list maintenance and golfer list windows, reads
// the version, asks for the About box, and ends the program.
//
// The main window fills the program-wide values of Program() (windows/qmapp.h)
// in its creation handler and saves its placement on every resize.
//
// File, Back Up Data writes the data folder's files and the settings file
// into one zip (ui/backup.h); File, Restore Data puts a checked backup in
// place after one question, only while no other window of the program is
// open, and backs up the data it replaces first.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "ui/look.h"
#include "ui/menus.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace qm {

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // Restores the placement (kept from then on, whatever the state of
  // Closing), reads UseMaxIndex, clears Closing, sets the version and the
  // limits. Runs once, from the constructor.
  void FormCreate();

  void EditGolferButtonClick();
  void EditCoursesButtonClick();
  void EnterScoresButtonClick();
  void ExitButtonClick();
  void Image1Click();

  void Exit1Click();
  void EditGolfers1Click();
  void EditCourses1Click();
  void EnterScores1Click();
  void Help2Click();
  void AboutQuillmor1Click();
  void BackUp1Click();
  void Restore1Click();
  // File > Colours: the scheme of every window, kept for the next start.
  void ColoursClick(ColourScheme scheme);

  // The windows a restore waits for: every visible window of the program
  // but this one (the long-lived windows count only while shown).
  std::vector<QWidget*> OtherOpenWindows() const;

  // The windows the three commands opened that still exist, and those
  // handed to KeepUntilEnd, oldest first.
  std::vector<QWidget*> OpenedWindows() const;
  // Records a window that an opened window made without a parent (an index
  // display, a group window ...), so that it is destroyed with the others
  // at the end of the program at the latest.
  void KeepUntilEnd(QWidget* window);
  // Destroys them without asking anything: unsaved edits in them are lost.
  void DestroyOpenedWindows();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* Label1;
  QLabel* Image1;
  QPushButton* EditGolferButton;
  QPushButton* EditCoursesButton;
  QPushButton* EnterScoresButton;
  QPushButton* ExitButton;
  QLineEdit* VersionField;

  QMenu* File1;
  QAction* BackUp1;
  QAction* Restore1;
  QMenu* Colours1;
  QAction* ColoursSystem1;
  QAction* ColoursLight1;
  QAction* ColoursDark1;
  QAction* Exit1;
  QMenu* Edit1;
  QAction* EditGolfers1;
  QAction* EditCourses1;
  QAction* N1;
  QAction* EnterScores1;
  // Help1 with Help2 and AboutQuillmor1.
  HelpMenu Help;

  void BuildControls();
  void BuildMenu();
  void ShowColours();
  void ConnectHandlers();

  // The windows of the three commands. Each makes a new instance of its
  // window (or brings the open one to the front) and hands it to
  // ShowModeless.
  void OpenGolferMaintenance();
  void OpenCourseMaintenance();
  void OpenGolferList();

  // Shows a window the commands made, without blocking; the window is
  // destroyed when it is closed, and at the end of the program at the latest.
  void ShowModeless(QWidget* window);
  void OpenAbout();
  // Leaves the event loop at once. No window is asked to close, so none asks
  // about unsaved changes.
  void EndProgram();

  std::vector<QPointer<QWidget>> opened_;
};

}  // namespace qm
