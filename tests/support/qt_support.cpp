#include "support/qt_support.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <memory>

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

void OnNextModal(std::function<void(QWidget*)> handle, int timeoutMs) {
  auto* timer = new QTimer(QCoreApplication::instance());
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, handle, timeoutMs] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      if (clock->elapsed() > timeoutMs) timer->deleteLater();
      return;
    }
    timer->stop();
    timer->deleteLater();
    QPointer<QWidget> guard(modal);
    handle(modal);
    if (guard && guard->isVisible()) {
      if (auto* dialog = qobject_cast<QDialog*>(guard.data()))
        dialog->reject();
      else
        guard->close();
    }
  });
  timer->start(10);
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
