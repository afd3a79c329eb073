#include "ui/access.h"

#include <QLabel>

namespace qm {

QString LabelName(const QString& caption) {
  QString name;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] != u'&') {
      name += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
      name += u'&';
      ++i;
    }
  }
  name = name.trimmed();
  if (name.endsWith(u':')) name.chop(1);
  return name.trimmed();
}

void NameByLabel(QLabel* label, QWidget* field) {
  label->setBuddy(field);
  field->setAccessibleName(LabelName(label->text()));
}

void SetSpokenName(QWidget* field, const QString& name) { field->setAccessibleName(name); }

}  // namespace qm
