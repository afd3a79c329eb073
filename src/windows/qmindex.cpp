#include "windows/qmindex.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

#include "ui/access.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/look.h"
#include "ui/placement.h"
#include "ui/textconv.h"

namespace qm {

namespace {

// The account's lines are at most this long.
constexpr int kLineWidth = 80;
constexpr int kFieldWidth = 525;

// A fixed-pitch font as large as the System font of the sheet (13 pixels)
// where a full account line still fits the field, else smaller down to 10.
QFont SheetFont(const QFont& base) {
  QFont font = FixedPitchFont(base);
  const QString full(kLineWidth, QLatin1Char('M'));
  for (int pixels = 13; pixels >= 10; --pixels) {
    font.setPixelSize(pixels);
    // The field keeps a few pixels of margin on each side.
    if (QFontMetrics(font).horizontalAdvance(full) <= kFieldWidth - 6) break;
  }
  return font;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int x) {
  return MakeButton(parent, QString::fromLatin1(name), QString::fromLatin1(caption),
                    {x, 330, 89, 33});
}

}  // namespace

TIndexForm::TIndexForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("IndexForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Current Index"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(549, 388);
  UseDialogFont(this);

  Panel2 = new QFrame(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel2->setGeometry(4, 12, 541, 301);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
  PaintWhite(Panel1);
  Panel1->setGeometry(7, 17, 535, 289);

  const QFont sheetFont = SheetFont(font());
  const QPoint panelAt = Panel1->pos();
  for (int n = 1; n <= LineCount; ++n) {
    auto* field = new QLineEdit(Panel1);
    field->setObjectName(QStringLiteral("Field%1").arg(n));
    SetSpokenName(field, QStringLiteral("Index account, line %1").arg(n));
    field->setReadOnly(true);
    field->setFrame(false);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFont(sheetFont);
    PaintPlain(field);
    field->setGeometry(QRect(QPoint(12, 22 + 20 * (n - 1)) - panelAt, QSize(kFieldWidth, 20)));
    Field[static_cast<std::size_t>(n - 1)] = field;
  }

  OkButton = Button(this, "OkButton", "OK", 152);
  CancelButton = Button(this, "CancelButton", "Cancel", 302);
  OkButton->setDefault(true);

  connect(OkButton, &QPushButton::clicked, this, Guarded([this] { OkButtonClick(); }));
  connect(CancelButton, &QPushButton::clicked, this, Guarded([this] { CancelButtonClick(); }));
  OkButton->setFocus();
}

void TIndexForm::ClearIndexLines() {
  for (QLineEdit* field : Field) field->clear();
}

void TIndexForm::SetIndexLine(int n, const std::string& text) {
  if (n < 1 || n > LineCount) return;
  QLineEdit* field = Field[static_cast<std::size_t>(n - 1)];
  field->setText(FromBytes(text));
  // Show a long line from its beginning.
  field->setCursorPosition(0);
}

void TIndexForm::OkButtonClick() { close(); }
void TIndexForm::CancelButtonClick() { close(); }

void TIndexForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) {
    shown_ = true;
    CentreOnScreen(this);
  }
}

}  // namespace qm
