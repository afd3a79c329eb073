#include "windows/qmdialogbase.h"

#include <QEvent>
#include <QFocusEvent>
#include <QShowEvent>
#include <QValidator>

#include "ui/guard.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/textconv.h"

namespace qm {

namespace {

bool IsLeaving(QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

class CapitalsTyping : public QValidator {
 public:
  CapitalsTyping(bool onlyAtoZ, QObject* parent) : QValidator(parent), onlyAtoZ_(onlyAtoZ) {}
  State validate(QString& input, int&) const override {
    for (QChar& c : input) {
      if (onlyAtoZ_) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
      } else {
        const QChar upper = c.toUpper();
        if (upper != c && IsSingleByte(QString(upper))) c = upper;
      }
    }
    return Acceptable;
  }

 private:
  bool onlyAtoZ_;
};

}  // namespace

THandOverDialog::THandOverDialog(QWidget* parent, const QString& name, const QString& title,
                                 QSize size)
    : QDialog(parent) {
  setObjectName(name);
  setWindowTitle(title);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(size);
}

void THandOverDialog::AddButtons(QPoint okAt) {
  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(okAt.x(), okAt.y(), 71, 30);
  OKButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  CancelButton->setGeometry(okAt.x() + 126, okAt.y(), 71, 30);

  OkPressed = new QLineEdit(QStringLiteral("0"), this);
  OkPressed->setObjectName(QStringLiteral("OkPressed"));
  OkPressed->setEnabled(false);
  OkPressed->hide();

  connect(OKButton, &QPushButton::clicked, this, Guarded([this](bool) { OKButtonClick(); }));
  connect(CancelButton, &QPushButton::clicked, this,
          Guarded([this](bool) { CancelButtonClick(); }));
}

bool THandOverDialog::TakeResult(const QWidget* opener) {
  if (OkPressed->text() != QLatin1String("1") || !Hand.IsFor(opener)) return false;
  OkPressed->setText(QStringLiteral("0"));
  return true;
}

void THandOverDialog::Confirm() {
  OkPressed->setText(QStringLiteral("1"));
  Hand.Finish();
}

void THandOverDialog::CancelButtonClick() {
  OkPressed->setText(QStringLiteral("0"));
  Hand.Finish();
}

void THandOverDialog::reject() {
  Guard([this] { CancelButtonClick(); });
}

void THandOverDialog::TypeInCapitals(QLineEdit* field, Capitals which) {
  field->setValidator(new CapitalsTyping(which == Capitals::AtoZ, field));
}

void THandOverDialog::RunPendingExit() { FieldExit(focusWidget()); }

bool THandOverDialog::CheckStorable(QLineEdit* field, const QString& what) {
  const QString text = field->text();
  QString problem;
  if (!IsSingleByte(text))
    problem = QStringLiteral(
                  "The %1 can only contain characters of the Western European "
                  "character set.")
                  .arg(what);
  else if (text.contains(QLatin1Char('~')))
    problem = QStringLiteral("The %1 cannot contain the character \"~\".").arg(what);
  if (problem.isEmpty()) return true;
  field->setFocus(Qt::OtherFocusReason);
  CurrentPrompts().Message(problem);
  return false;
}

bool THandOverDialog::eventFilter(QObject* watched, QEvent* event) {
  if (IsLeaving(event)) Guard([this, watched] { FieldExit(watched); });
  return QDialog::eventFilter(watched, event);
}

void THandOverDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // Only the activation that follows a showing: a message box closing
  // activates the dialog again and must not move the focus it set.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && activatePending_) {
    activatePending_ = false;
    Guard([this] { FormActivate(); });
  }
}

void THandOverDialog::showEvent(QShowEvent* event) {
  // A restore from the task bar is no new showing.
  if (!event->spontaneous()) {
    OkPressed->setText(QStringLiteral("0"));
    activatePending_ = true;
  }
  QDialog::showEvent(event);
  // Both dialogs open at the screen's centre, not over their opener, where
  // the window system would put a transient window.
  if (!event->spontaneous()) CentreOnScreen(this);
}

}  // namespace qm
