#include "windows/qmabout.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTextOption>

#include "ui/access.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/look.h"
#include "ui/messages.h"
#include "ui/placement.h"
#include "windows/qmapp.h"

namespace qm {

namespace {

const char kAboutText[] =
    "Keeps the golf scores of one golfer or a small group, works out handicap "
    "indexes, course handicaps and predicted scores, and prints handicap "
    "lists, pocket cards and score histories.";

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  InitResources();
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(true);
  setFixedSize(330, 238);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(2);
  Panel1->setGeometry(8, 8, 314, 184);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setGeometry(12, 12, 48, 60);
  ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/quillmor/quillmor-small.png")));

  ProductName = new QLabel(Panel1);
  ProductName->setObjectName(QStringLiteral("ProductName"));
  QFont nameFont = ProductName->font();
  nameFont.setPixelSize(16);
  nameFont.setBold(true);
  ProductName->setFont(nameFont);
  ProductName->setGeometry(72, 16, 232, 24);

  Version = new QLabel(QStringLiteral("Version"), Panel1);
  Version->setObjectName(QStringLiteral("Version"));
  Version->setGeometry(72, 48, 56, 20);

  VersionField = new QLineEdit(Panel1);
  VersionField->setObjectName(QStringLiteral("VersionField"));
  VersionField->setReadOnly(true);
  VersionField->setFrame(false);
  VersionField->setFocusPolicy(Qt::NoFocus);
  VersionField->setGeometry(128, 48, 176, 20);
  NameByLabel(Version, VersionField);
  PaintPlain(VersionField);

  MemoField1 = new QTextEdit(Panel1);
  MemoField1->setObjectName(QStringLiteral("MemoField1"));
  SetSpokenName(MemoField1, QStringLiteral("About Quillmor"));
  MemoField1->setReadOnly(true);
  MemoField1->setFrameShape(QFrame::NoFrame);
  MemoField1->setFocusPolicy(Qt::NoFocus);
  MemoField1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MemoField1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MemoField1->setLineWrapMode(QTextEdit::WidgetWidth);
  QTextOption centred = MemoField1->document()->defaultTextOption();
  centred.setAlignment(Qt::AlignHCenter);
  MemoField1->document()->setDefaultTextOption(centred);
  MemoField1->setGeometry(12, 86, 290, 88);
  // The text area is part of the panel, not a box of its own.
  PaintPlain(MemoField1);

  OKButton = MakeButton(this, QStringLiteral("OKButton"), QStringLiteral("OK"),
                        QRect(127, 202, 76, 28), EnterKey::Default);

  connect(OKButton, &QPushButton::clicked, this, Guarded([this] { OKButtonClick(); }));
  OKButton->setFocus();
}

void TAboutBox::FormActivate() {
  ProductName->setText(msg::ProgramTitle());
  VersionField->setText(Program().Version + QStringLiteral(" - ") + Program().VersionDate);
  MemoField1->setPlainText(QString::fromLatin1(kAboutText));
}

void TAboutBox::OKButtonClick() { accept(); }

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  Guard([this] { FormActivate(); });
}

void OpenAboutBox(QWidget* parent) {
  TAboutBox box(parent);
  box.exec();
}

}  // namespace qm
