#include "support/qt_prompts.h"

#include <QPrinter>

namespace qm::test {

QStringList ScriptedPrompts::Texts() const {
  QStringList texts;
  for (const auto& box : Shown) texts << box.Text;
  return texts;
}

void ScriptedPrompts::Record(BoxKind kind, const QString& text, const QString& caption,
                             const QString& filter) {
  Shown.push_back({kind, text, caption, filter});
  if (OnShow) OnShow(Shown.back());
}

Answer ScriptedPrompts::Next() {
  if (Answers.empty()) return Answer::Yes;
  Answer answer = Answers.front();
  Answers.pop_front();
  return answer;
}

void ScriptedPrompts::Warning(const QString& text) { Record(BoxKind::Warning, text); }

bool ScriptedPrompts::ConfirmYesNo(const QString& text) {
  Record(BoxKind::ConfirmYesNo, text);
  return Next() == Answer::Yes;
}

bool ScriptedPrompts::WarningYesNo(const QString& text) {
  Record(BoxKind::WarningYesNo, text);
  return Next() == Answer::Yes;
}

Answer ScriptedPrompts::ConfirmYesNoCancel(const QString& text) {
  Record(BoxKind::ConfirmYesNoCancel, text);
  return Next();
}

void ScriptedPrompts::Message(const QString& text) { Record(BoxKind::Message, text); }

int ScriptedPrompts::TwoChoice(const QString& caption, const QString& question, const QString&,
                               const QString&) {
  Record(BoxKind::TwoChoice, question, caption);
  if (Choices.empty()) return -1;
  int choice = Choices.front();
  Choices.pop_front();
  return choice;
}

bool ScriptedPrompts::SelectPrinter(QPrinter& printer) {
  Record(BoxKind::SelectPrinter, QString());
  if (RealPrintDialogs) return QtPrompts().SelectPrinter(printer);
  if (PrinterChoices.empty()) return false;
  bool choice = PrinterChoices.front();
  PrinterChoices.pop_front();
  if (choice && SetUpPrinter) SetUpPrinter(printer);
  return choice;
}

bool ScriptedPrompts::PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& draw) {
  Record(BoxKind::PrintPreview, QString());
  if (RealPrintDialogs) return QtPrompts().PrintPreview(printer, draw);
  if (PreviewChoices.empty()) return true;
  const bool choice = PreviewChoices.front();
  PreviewChoices.pop_front();
  return choice;
}

int ScriptedPrompts::CardsOnFirstSheet() {
  Record(BoxKind::CardDetails, QString());
  if (CardCounts.empty()) return -1;
  int count = CardCounts.front();
  CardCounts.pop_front();
  return count;
}

QString ScriptedPrompts::NextFile() {
  if (FileChoices.empty()) return {};
  QString path = FileChoices.front();
  FileChoices.pop_front();
  return path;
}

QString ScriptedPrompts::SaveFileName(const QString& caption, const QString& proposedPath,
                                      const QString& filter) {
  Record(BoxKind::SaveFile, proposedPath, caption, filter);
  return NextFile();
}

QString ScriptedPrompts::OpenFileName(const QString& caption, const QString& folder,
                                      const QString& filter) {
  Record(BoxKind::OpenFile, folder, caption, filter);
  return NextFile();
}

std::function<void(QPrinter&)> PrintToPdf(const QString& path) {
  return [path](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
  };
}

ScriptedPrompts& InstallScriptedPrompts() {
  auto prompts = std::make_unique<ScriptedPrompts>();
  ScriptedPrompts& ref = *prompts;
  SetPrompts(std::move(prompts));
  return ref;
}

}  // namespace qm::test
