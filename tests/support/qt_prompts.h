// Scripted prompts for window tests: every box is recorded with its kind and
// text, and answered from a queue the test fills (or a default answer).
//
//   auto& prompts = qm::test::InstallScriptedPrompts();
//   prompts.Answers.push_back(qm::Answer::No);
//   ... drive the window ...
//   QCOMPARE(prompts.Texts(), QStringList{"Save changes made to golfers?"});
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "ui/prompts.h"

namespace qm::test {

enum class BoxKind {
  Warning,
  ConfirmYesNo,
  WarningYesNo,
  ConfirmYesNoCancel,
  Message,
  TwoChoice,
  SelectPrinter,
  PrintPreview,
  CardDetails,
  SaveFile,
  OpenFile
};

struct ShownBox {
  BoxKind Kind;
  // TwoChoice: the question; SaveFile: the proposed path; OpenFile: the
  // folder; SelectPrinter, PrintPreview, CardDetails: empty
  QString Text;
  QString Caption;  // TwoChoice, SaveFile and OpenFile
  QString Filter;   // SaveFile and OpenFile
};

class ScriptedPrompts : public Prompts {
 public:
  // Answers for Yes/No/Cancel questions, taken from the front; Yes when empty.
  std::deque<Answer> Answers;
  // Results for the two-choice dialog, from the front; -1 when empty.
  std::deque<int> Choices;
  // Results for the printer selection, from the front; false when empty.
  std::deque<bool> PrinterChoices;
  // Answers of the card details dialog, from the front; -1 (Cancel) when
  // empty.
  std::deque<int> CardCounts;
  // Answers of the print preview, from the front (true: Print); Print when
  // empty.
  std::deque<bool> PreviewChoices;
  // Paths chosen in the save-as and open dialogs, from the front; empty
  // (Cancel) when none is left.
  std::deque<QString> FileChoices;
  // The real printer selection and print preview dialogs instead of
  // PrinterChoices and PreviewChoices (still recorded; a test drives them
  // with OnNextModal).
  bool RealPrintDialogs = false;
  // Called with the printer when the selection is confirmed, as the user's
  // choices in the dialog would change it (for example to print to a PDF
  // file: PrintToPdf).
  std::function<void(QPrinter&)> SetUpPrinter;
  // Called after each box is recorded, before it is answered (for example to
  // check the state of a window while the box is "open").
  std::function<void(const ShownBox&)> OnShow;

  std::vector<ShownBox> Shown;

  QStringList Texts() const;
  void ClearShown() { Shown.clear(); }

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

 private:
  void Record(BoxKind kind, const QString& text, const QString& caption = {},
              const QString& filter = {});
  QString NextFile();
  Answer Next();
};

// A SetUpPrinter that sends the job to a PDF file at path.
std::function<void(QPrinter&)> PrintToPdf(const QString& path);

// Installs a fresh ScriptedPrompts as the program's prompts and returns it.
// It stays installed until the next call.
ScriptedPrompts& InstallScriptedPrompts();

}  // namespace qm::test
