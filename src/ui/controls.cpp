#include "ui/controls.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/guard.h"

namespace qm {

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& where, EnterKey enter) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  if (where.isValid()) button->setGeometry(where);
  if (enter == EnterKey::Default) {
    button->setDefault(true);
  } else if (enter != EnterKey::AsQtDoes) {
    button->setAutoDefault(enter == EnterKey::Presses);
  }
  return button;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int w,
                 Qt::Alignment align, int h) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(x, y, w, h);
  label->setAlignment(align | Qt::AlignVCenter);
  return label;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, QPoint at,
                 const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(font);
  label->move(at);
  label->adjustSize();
  return label;
}

QFont FixedPitchFont(const QFont& base) {
  QFont font = base;
  font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                    QStringLiteral("Courier New"), QStringLiteral("monospace")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

void OnUserPick(QComboBox* box, QObject* context, std::function<void(int)> picked) {
  QObject::connect(box, &QComboBox::activated, context,
                   Guarded([picked = std::move(picked)](int index) { picked(index + 1); }));
}

TabChain& TabChain::Then(QWidget* next) {
  QWidget::setTabOrder(last_, next);
  last_ = next;
  return *this;
}

void SetTabOrder(std::initializer_list<QWidget*> order) {
  if (order.size() == 0) return;
  TabChain chain(*order.begin());
  for (auto next = order.begin() + 1; next != order.end(); ++next) chain.Then(*next);
}

void UseDialogFont(QWidget* window) {
  QFont font = window->font();
  font.setPixelSize(13);
  window->setFont(font);
}

QLineEdit* MakeHidden(QWidget* parent, const QString& name, const QString& text) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(name);
  field->setEnabled(false);
  field->hide();
  return field;
}

void BringToFront(QWidget* window, bool now) {
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
  if (now) QApplication::setActiveWindow(window);
}

}  // namespace qm
