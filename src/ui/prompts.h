// The prompts layer: every message box, the two-choice dialog, the card
// details dialog, the printer selection and the print preview go through Prompts, so that no test
// ever blocks on a modal window and every test can check the exact text that was shown.
//
// The standard file dialogs (save-as and open) go through it too.
//
// The program installs QtPrompts at start-up; tests install ScriptedPrompts
// (tests/support), which records each text and answers as the test says.
// Texts are Qt strings; callers convert single-byte text at their edge.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace qm {

enum class Answer { Yes, No, Cancel };

class Prompts {
 public:
  virtual ~Prompts() = default;

  // Warning box with an OK button (limits, notices, "Help not implemented yet.").
  virtual void Warning(const QString& text) = 0;
  // Confirmation with Yes and No (deletions). True for Yes.
  virtual bool ConfirmYesNo(const QString& text) = 0;
  // Warning with Yes and No (the existing score file question). True for Yes.
  virtual bool WarningYesNo(const QString& text) = 0;
  // Confirmation with Yes, No and Cancel (leaving with unsaved changes).
  virtual Answer ConfirmYesNoCancel(const QString& text) = 0;
  // Plain box with OK (input errors in dialogs, the general error report).
  virtual void Message(const QString& text) = 0;
  // The two-choice dialog: 1 for the first button, 2 for the second (also a
  // close through the frame), -1 for Cancel.
  virtual int TwoChoice(const QString& caption, const QString& question, const QString& button1,
                        const QString& button2) = 0;
  // The printer selection dialog on printer. True when the user confirmed.
  virtual bool SelectPrinter(QPrinter& printer) = 0;
  // The print preview ("Print Preview", ui/qmpreview.h) of the pages draw
  // paints on the printer it is given, on printer's paper and resolution.
  // True for Print; false for Cancel (or a close), when nothing is to print.
  virtual bool PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& draw) = 0;
  // The card details dialog (ui/qmcrddet.h): the number of cards left on the
  // first sheet, 1 to 10, or -1 for Cancel.
  virtual int CardsOnFirstSheet() = 0;
  // The standard save-as dialog, starting at proposedPath (a folder and a
  // file name); it asks before an existing file is replaced. The path
  // chosen, or empty for Cancel. filter as QFileDialog takes it:
  // "Spreadsheet files (*.csv)".
  virtual QString SaveFileName(const QString& caption, const QString& proposedPath,
                               const QString& filter) = 0;
  // The standard open dialog on an existing file, starting in folder. The
  // path chosen, or empty for Cancel.
  virtual QString OpenFileName(const QString& caption, const QString& folder,
                               const QString& filter) = 0;
};

// The prompts in force. Never null once SetPrompts has been called.
Prompts& CurrentPrompts();
// Installs prompts (takes ownership) and returns the previous ones.
std::unique_ptr<Prompts> SetPrompts(std::unique_ptr<Prompts> prompts);

// The program's title: the caption of the plain message boxes.
void SetProgramTitle(const QString& title);
QString ProgramTitle();

// The real dialogs, parented to the active window of the program.
class QtPrompts : public Prompts {
 public:
  void Warning(const QString& text) override;
  bool ConfirmYesNo(const QString& text) override;
  bool WarningYesNo(const QString& text) override;
  Answer ConfirmYesNoCancel(const QString& text) override;
  void Message(const QString& text) override;
  int TwoChoice(const QString& caption, const QString& question, const QString& button1,
                const QString& button2) override;
  bool SelectPrinter(QPrinter& printer) override;
  bool PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& draw) override;
  int CardsOnFirstSheet() override;
  QString SaveFileName(const QString& caption, const QString& proposedPath,
                       const QString& filter) override;
  QString OpenFileName(const QString& caption, const QString& folder,
                       const QString& filter) override;
};

}  // namespace qm
