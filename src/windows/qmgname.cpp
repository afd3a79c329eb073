#include "windows/qmgname.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QShowEvent>
#include <QValidator>
#include <algorithm>

#include "store/roster.h"
#include "ui/guard.h"
#include "ui/prompts.h"
#include "ui/textconv.h"

namespace qm {

namespace {

// Short names take upper-case letters; typed small ones a-z are turned.
class UpperCaseTyping : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (QChar& c : input)
      if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
    return Acceptable;
  }
};

bool IsShortNameChar(QChar c) {
  return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
         (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
         c == QLatin1Char('_');
}

// The first 8 characters of the long name in upper case, every character
// that cannot be in a short name turned to "_".
QString ShortNameBase(const QString& longName) {
  QString base = longName.left(8);
  for (QChar& c : base) {
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
    if (!IsShortNameChar(c)) c = QLatin1Char('_');
  }
  return base;
}

// The k-th retry: the base shortened so that base and number fit in eight
// characters.
QString Candidate(const QString& base, int k) {
  const int keep = k < 10 ? 7 : k < 100 ? 6 : 5;
  return base.left(keep) + QString::number(k);
}

bool ScoreFileTaken(const QString& shortName) { return ScoreFileExists(ToBytes(shortName)); }

bool IsLeaving(QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

QLabel* NavyLabel(QWidget* parent, const QString& name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("color: navy"));
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

TGNameForm::TGNameForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("GNameForm"));
  setWindowTitle(QStringLiteral("Golfer Name"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(472, 214);

  Label2 = NavyLabel(this, QStringLiteral("Label2"), QStringLiteral("Long Name"), 46, 31);
  LongName = new QLineEdit(this);
  LongName->setObjectName(QStringLiteral("LongName"));
  LongName->setGeometry(46, 51, 373, 24);
  LongName->setMaxLength(40);
  LongName->setToolTip(QStringLiteral("Long name for Golfer"));
  LongName->installEventFilter(this);

  Label1 = NavyLabel(this, QStringLiteral("Label1"), QStringLiteral("Short Name"), 46, 94);
  ShortName = new QLineEdit(this);
  ShortName->setObjectName(QStringLiteral("ShortName"));
  ShortName->setGeometry(46, 117, 85, 24);
  ShortName->setMaxLength(8);
  ShortName->setValidator(new UpperCaseTyping(ShortName));
  ShortName->setToolTip(QStringLiteral("8 character name used for Golfer file"));
  ShortName->installEventFilter(this);

  Label3 = new QLabel(QStringLiteral("Note: The Short Name is used to name the file that holds the "
                                     "golfer's scores.  Each golfer must have a unique Short Name "
                                     "value."),
                      this);
  Label3->setObjectName(QStringLiteral("Label3"));
  QFont noteFont(QStringLiteral("Arial"));
  noteFont.setPixelSize(11);
  Label3->setFont(noteFont);
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Where the font here is wider than the one the dialog was drawn for, the
  // note grows downwards (there is room above the buttons) rather than lose
  // its last line.
  Label3->setGeometry(144, 89, 181, std::clamp(Label3->heightForWidth(181), 61, 78));

  SexRadio = new QGroupBox(this);
  SexRadio->setObjectName(QStringLiteral("SexRadio"));
  SexRadio->setGeometry(334, 84, 85, 61);
  auto* group = new QButtonGroup(SexRadio);
  const std::array<QString, 2> captions = {QStringLiteral("Male"), QStringLiteral("Female")};
  const std::array<QString, 2> names = {QStringLiteral("SexRadioMale"),
                                        QStringLiteral("SexRadioFemale")};
  for (int i = 0; i < 2; ++i) {
    auto* item = new QRadioButton(captions[i], SexRadio);
    item->setObjectName(names[i]);
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
    item->setStyleSheet(QStringLiteral("color: navy"));
    item->setGeometry(8, 6 + 26 * i, 75, 24);
    group->addButton(item, i);
    SexItems[i] = item;
  }
  SexItems[0]->setChecked(true);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(134, 170, 71, 30);
  OKButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  CancelButton->setGeometry(260, 170, 71, 30);

  OkPressed = new QLineEdit(QStringLiteral("0"), this);
  OkPressed->setObjectName(QStringLiteral("OkPressed"));
  OkPressed->setEnabled(false);
  OkPressed->hide();

  QWidget::setTabOrder(LongName, ShortName);
  QWidget::setTabOrder(ShortName, OKButton);
  QWidget::setTabOrder(OKButton, CancelButton);
  QWidget::setTabOrder(CancelButton, SexItems[0]);
  QWidget::setTabOrder(SexItems[0], SexItems[1]);

  connect(OKButton, &QPushButton::clicked, this, Guarded([this](bool) { OKButtonClick(); }));
  connect(CancelButton, &QPushButton::clicked, this,
          Guarded([this](bool) { CancelButtonClick(); }));
}

int TGNameForm::SexIndex() const { return SexItems[1]->isChecked() ? 1 : 0; }

void TGNameForm::SetSexIndex(int index) { SexItems[index == 1 ? 1 : 0]->setChecked(true); }

void TGNameForm::FormActivate() { LongName->setFocus(Qt::ActiveWindowFocusReason); }

void TGNameForm::LongNameExit() {
  if (!ShortName->text().isEmpty()) return;
  const QString base = ShortNameBase(LongName->text());
  if (base.isEmpty()) return;
  QString proposal = base;
  if (EditMode == QLatin1String("A")) {
    // Past 999 retries a number no longer fits in eight characters; the
    // base is proposed again and OK asks about its existing file.
    for (int k = 1; ScoreFileTaken(proposal); ++k) {
      if (k > 999) {
        proposal = base;
        break;
      }
      proposal = Candidate(base, k);
    }
  }
  ShortName->setText(proposal);
}

void TGNameForm::ShortNameExit() {
  if (LongName->text().isEmpty()) LongName->setText(ShortName->text());
}

void TGNameForm::OKButtonClick() {
  RunPendingExit();
  const QString shortName = ShortName->text();
  if (shortName.isEmpty()) {
    ShortName->setFocus(Qt::OtherFocusReason);
    CurrentPrompts().Message(QStringLiteral("You must enter a value in the short name field."));
    return;
  }
  for (QChar c : shortName) {
    if (!IsShortNameChar(c)) {
      ShortName->setFocus(Qt::OtherFocusReason);
      CurrentPrompts().Message(
          QStringLiteral("The short golfer name can only contain the letters A - Z, numbers, "
                         "dashes and underlines."));
      return;
    }
  }
  // The roster file holds single-byte text with "~" between the fields.
  const QString longName = LongName->text();
  QString problem;
  if (!IsSingleByte(longName))
    problem = QStringLiteral(
        "The long name can only contain characters of the Western European character set.");
  else if (longName.contains(QLatin1Char('~')))
    problem = QStringLiteral("The long name cannot contain the character \"~\".");
  if (!problem.isEmpty()) {
    LongName->setFocus(Qt::OtherFocusReason);
    CurrentPrompts().Message(problem);
    return;
  }
  if (EditMode == QLatin1String("A")) {
    const std::string stem = ToBytes(shortName);
    if (!ScoreFileExists(stem)) {
      CreateEmptyScoreFile(stem);
    } else if (!CurrentPrompts().WarningYesNo(
                   QStringLiteral("A golfer score file with the same name \"%1\" already "
                                  "exists.  Use it for this golfer?")
                       .arg(FromBytes(ScoreFileName(stem))))) {
      ShortName->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  OkPressed->setText(QStringLiteral("1"));
  Hand.Finish();
}

void TGNameForm::CancelButtonClick() {
  OkPressed->setText(QStringLiteral("0"));
  Hand.Finish();
}

void TGNameForm::reject() {
  Guard([this] { CancelButtonClick(); });
}

void TGNameForm::RunPendingExit() {
  QWidget* focused = focusWidget();
  if (focused == LongName) LongNameExit();
  if (focused == ShortName) ShortNameExit();
}

bool TGNameForm::eventFilter(QObject* watched, QEvent* event) {
  if (IsLeaving(event)) {
    if (watched == LongName) Guard([this] { LongNameExit(); });
    if (watched == ShortName) Guard([this] { ShortNameExit(); });
  }
  return QDialog::eventFilter(watched, event);
}

void TGNameForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // Only the activation that follows a showing: a message box closing
  // activates the dialog again and must not move the focus it set.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && activatePending_) {
    activatePending_ = false;
    Guard([this] { FormActivate(); });
  }
}

void TGNameForm::showEvent(QShowEvent* event) {
  // A restore from the task bar is no new showing.
  if (!event->spontaneous()) {
    OkPressed->setText(QStringLiteral("0"));
    activatePending_ = true;
  }
  QDialog::showEvent(event);
}

}  // namespace qm
