// The two-choice dialog: a question with two answer buttons and Cancel, used
// by the report commands to ask whether their output goes to the printer or
// to a file. Callers ask through the prompts layer (CurrentPrompts().
// TwoChoice), which makes a new dialog for every question.
#pragma once

#include <QDialog>

class QFrame;
class QPushButton;
class QTextEdit;

namespace qm {

class TTwoChoiceDlg : public QDialog {
  Q_OBJECT

 public:
  // The dialog's result values (exec() returns one of them).
  static constexpr int FirstChoice = 1;
  static constexpr int SecondChoice = 2;
  static constexpr int Cancelled = -1;

  explicit TTwoChoiceDlg(QWidget* parent = nullptr);

  // Sets the caption, the question and the captions of the two answers.
  void Prime(const QString& caption, const QString& question, const QString& button1,
             const QString& button2);

  void Button1Click();
  void Button2Click();
  void CancelButtonClick();

  // Escape means Cancel.
  void reject() override;

 protected:
  // A close through the frame answers with the second choice.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QFrame* Panel1;
  QTextEdit* MemoField;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* CancelButton;
};

}  // namespace qm
