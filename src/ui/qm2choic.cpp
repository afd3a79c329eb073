#include "ui/qm2choic.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPushButton>
#include <QTextEdit>
#include <QTextOption>

#include "ui/access.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/look.h"
#include "ui/placement.h"

namespace qm {

namespace {

// The controls sit on the panel; their places are given in the dialog's
// client coordinates.
const QPoint kPanelAt(1, 2);

void PlaceOnPanel(QWidget* control, int x, int y, int width, int height) {
  control->setGeometry(QRect(QPoint(x, y) - kPanelAt, QSize(width, height)));
}

QPushButton* Button(QWidget* panel, const char* name, int x) {
  QPushButton* button = MakeButton(panel, QString::fromLatin1(name), QString(), QRect());
  PlaceOnPanel(button, x, 102, 89, 33);
  return button;
}

}  // namespace

TTwoChoiceDlg::TTwoChoiceDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TwoChoiceDlg"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(true);
  setFixedSize(349, 147);
  UseDialogFont(this);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
  PaintWhite(Panel1);
  Panel1->setGeometry(QRect(kPanelAt, QSize(347, 145)));

  MemoField = new QTextEdit(Panel1);
  MemoField->setObjectName(QStringLiteral("MemoField"));
  SetSpokenName(MemoField, QStringLiteral("Question"));
  MemoField->setReadOnly(true);
  MemoField->setFrameShape(QFrame::NoFrame);
  MemoField->setFocusPolicy(Qt::NoFocus);
  MemoField->setTextInteractionFlags(Qt::NoTextInteraction);
  MemoField->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MemoField->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont questionFont = MemoField->font();
  questionFont.setBold(true);
  MemoField->setFont(questionFont);
  PaintNavy(MemoField);
  QTextOption centred = MemoField->document()->defaultTextOption();
  centred.setAlignment(Qt::AlignHCenter);
  centred.setWrapMode(QTextOption::WordWrap);
  MemoField->document()->setDefaultTextOption(centred);
  PlaceOnPanel(MemoField, 18, 26, 311, 53);

  Button1 = Button(Panel1, "Button1", 26);
  Button2 = Button(Panel1, "Button2", 133);
  CancelButton = Button(Panel1, "CancelButton", 239);
  CancelButton->setText(QStringLiteral("Cancel"));
  SetTabOrder({Button1, Button2, CancelButton});

  connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
  connect(CancelButton, &QPushButton::clicked, this, Guarded([this] { CancelButtonClick(); }));
  Button1->setFocus();
}

void TTwoChoiceDlg::Prime(const QString& caption, const QString& question, const QString& button1,
                          const QString& button2) {
  setWindowTitle(caption);
  MemoField->setPlainText(question);
  Button1->setText(button1);
  Button2->setText(button2);
}

void TTwoChoiceDlg::Button1Click() { done(FirstChoice); }
void TTwoChoiceDlg::Button2Click() { done(SecondChoice); }
void TTwoChoiceDlg::CancelButtonClick() { done(Cancelled); }

void TTwoChoiceDlg::reject() { CancelButtonClick(); }

void TTwoChoiceDlg::closeEvent(QCloseEvent* event) {
  if (isVisible()) done(SecondChoice);
  event->accept();
}

void TTwoChoiceDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
}

}  // namespace qm
