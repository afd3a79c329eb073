#include "ui/textentry.h"

#include <QPalette>

#include "ui/prompts.h"
#include "ui/textconv.h"
#include "ui/look.h"

namespace qm {

namespace {

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

QValidator::State SingleByteValidator::validate(QString& input, int&) const {
  return IsSingleByte(input) ? Acceptable : Invalid;
}

void TypeInCapitals(QLineEdit* field, Capitals which) {
  field->setValidator(new CapitalsTyping(which == Capitals::AtoZ, field));
}

void MakeReadOnly(QLineEdit* field) {
  field->setReadOnly(true);
  PaintReadOnly(field);
}

std::string FieldBytes(const QLineEdit* field) { return ToBytes(field->text()); }

void SetFieldBytes(QLineEdit* field, const std::string& bytes) {
  const QString text = FromBytes(bytes);
  if (field->text() != text) field->setText(text);
}

QString StorableProblem(const QString& text, const QString& what) {
  if (!IsSingleByte(text))
    return QStringLiteral(
               "The %1 can only contain characters of the Western European character set.")
        .arg(what);
  if (text.contains(QLatin1Char('~')))
    return QStringLiteral("The %1 cannot contain the character \"~\".").arg(what);
  return {};
}

bool CheckStorable(QLineEdit* field, const QString& what) {
  const QString problem = StorableProblem(field->text(), what);
  if (problem.isEmpty()) return true;
  FocusField(field);
  CurrentPrompts().Message(problem);
  return false;
}

void FocusField(QWidget* field, Qt::FocusReason reason) {
  field->setFocus(reason);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

}  // namespace qm
