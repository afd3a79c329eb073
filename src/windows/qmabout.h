// The About box: product name, version and a few words about the program.
// Modal, made anew for each opening:
//
//   qm::OpenAboutBox(this);  // returns when the user closes the box
#pragma once

#include <QDialog>

#include "ui/activation.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace qm {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // Fills the fields from the program's version; runs whenever the box
  // becomes active (and when it is shown).
  void FormActivate();
  void OKButtonClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QFrame* Panel1;
  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLineEdit* VersionField;
  QTextEdit* MemoField1;
  QPushButton* OKButton;

  ActivationHandler activation_{this, ActivationHandler::Runs::EveryTime,
                                [this] { FormActivate(); }};
};

// Makes a new About box over parent and shows it modally; returns when it
// has been closed.
void OpenAboutBox(QWidget* parent);

}  // namespace qm
