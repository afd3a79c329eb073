#include "ui/look.h"

#include <QPalette>
#include <QWidget>

namespace qm {

void PaintWhite(QWidget* widget) {
  QPalette white = widget->palette();
  white.setColor(QPalette::Window, Qt::white);
  widget->setPalette(white);
  widget->setAutoFillBackground(true);
}

}  // namespace qm
