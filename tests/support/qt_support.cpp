#include "support/qt_support.h"

#include <QDir>
#include <QPixmap>

namespace qm::test {

void Focus(QWidget* field) {
  QWidget* window = field->window();
  if (!window->isVisible()) window->show();
  Activate(window);
  field->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
}

void TypeInto(QLineEdit* field, const QString& text) {
  Focus(field);
  field->selectAll();
  if (text.isEmpty()) {
    QTest::keyClick(field, Qt::Key_Delete);
  } else {
    QTest::keyClicks(field, text);
  }
}

void LeaveField(QWidget* field) {
  if (field->hasFocus()) {
    // Another focusable control of the same window takes the focus, as Tab
    // would, without running any key handler of the field.
    field->clearFocus();
    QApplication::processEvents();
  }
}

void Activate(QWidget* window) {
  window = window->window();
  window->raise();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  QApplication::processEvents();
}

QString SaveScreen(QWidget* window, const QString& name) {
  QString dir = qEnvironmentVariable("QM_SCREENS_DIR");
  if (dir.isEmpty()) dir = QDir::temp().filePath("quillmor-screens");
  QDir().mkpath(dir);
  QString path = QDir(dir).filePath(name + ".png");
  if (!window->grab().save(path)) return {};
  return path;
}

}  // namespace qm::test
