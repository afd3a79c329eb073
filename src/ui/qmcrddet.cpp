#include "ui/qmcrddet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "store/text.h"
#include "ui/access.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/textconv.h"

namespace qm {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int x, int y,
                  int width, bool bold = false) {
  QLabel* label =
      AddLabel(parent, QString::fromLatin1(name), caption, x, y, width, Qt::AlignLeft, 18);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int x) {
  return MakeButton(parent, QString::fromLatin1(name), QString::fromLatin1(caption),
                    {x, 244, 89, 33});
}

}  // namespace

TPrintHdcpDetails::TPrintHdcpDetails(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PrintHdcpDetails"));
  setWindowTitle(QStringLiteral("Print Handicap Cards"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);
  setFixedSize(340, 293);
  UseDialogFont(this);

  Label1 = MakeLabel(this, "Label1", QStringLiteral("Handicap cards are formatted to print on the"),
                     16, 14, 310);
  Label2 = MakeLabel(this, "Label2",
                     QStringLiteral("following business-card style paper products:"), 16, 32, 310);
  Label3 = MakeLabel(this, "Label3", QStringLiteral("Avery:"), 32, 60, 50, true);
  Label4 = MakeLabel(this, "Label4", QStringLiteral("5371, 5376, 5377, 5911, 8371, "), 86, 60, 220);
  Label5 = MakeLabel(this, "Label5", QStringLiteral("8376, 8377, 8471, 8476, 8871"), 86, 78, 220);
  Label6 = MakeLabel(this, "Label6", QStringLiteral("Maco:"), 32, 102, 50, true);
  Label7 = MakeLabel(this, "Label7", QStringLiteral("IJ-8550"), 86, 102, 220);
  Label10 = MakeLabel(this, "Label10",
                      QStringLiteral("Specifications:  2\" x 3.5\"  (5,1 x 8,9 cm)"), 32, 130, 274);
  Label11 = MakeLabel(this, "Label11", QStringLiteral("10 cards / sheet"), 32, 148, 274);
  Label8 = MakeLabel(this, "Label8", QStringLiteral("Number of cards"), 32, 180, 150);
  Label9 = MakeLabel(this, "Label9", QStringLiteral("on the first sheet:"), 32, 198, 150);
  NumOfCardsFld = new QLineEdit(QStringLiteral("10"), this);
  NumOfCardsFld->setObjectName(QStringLiteral("NumOfCardsFld"));
  NumOfCardsFld->setGeometry(190, 190, 50, 24);
  // The label is two lines: "Number of cards" over "on the first sheet:".
  Label9->setBuddy(NumOfCardsFld);
  SetSpokenName(NumOfCardsFld, LabelName(Label8->text() + u' ' + Label9->text()));

  PrintBtn = Button(this, "PrintBtn", "Print", 66);
  CancelBtn = Button(this, "CancelBtn", "Cancel", 185);
  PrintBtn->setDefault(true);
  SetTabOrder({NumOfCardsFld, PrintBtn, CancelBtn});

  connect(PrintBtn, &QPushButton::clicked, this, Guarded([this] { PrintBtnClick(); }));
  connect(CancelBtn, &QPushButton::clicked, this, Guarded([this] { CancelBtnClick(); }));
}

void TPrintHdcpDetails::PrintBtnClick() {
  int cards = 0;
  QString refusal;
  if (!TryStrToInt(ToBytes(NumOfCardsFld->text()), cards))
    refusal = QStringLiteral(
        "The number of cards on the first sheet value must be a number between 1 and 10.");
  else if (cards < 1 || cards > 10)
    refusal = QStringLiteral("The number of cards on the first sheet must be between 1 and 10.");
  if (!refusal.isEmpty()) {
    CurrentPrompts().Message(refusal);
    NumOfCardsFld->setFocus();
    NumOfCardsFld->selectAll();
    return;
  }
  cards_ = cards;
  accept();
}

void TPrintHdcpDetails::CancelBtnClick() {
  cards_ = Cancelled;
  QDialog::reject();
}

void TPrintHdcpDetails::reject() { CancelBtnClick(); }

void TPrintHdcpDetails::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  NumOfCardsFld->setFocus();
  NumOfCardsFld->selectAll();
}

}  // namespace qm
