// Makers of the controls every window builds the same way, and bringing a
// window to the front.
#pragma once

#include <QRect>
#include <QString>
#include <functional>
#include <initializer_list>

class QComboBox;
class QFont;
class QObject;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qm {

// What Enter does to a button that has the focus (QPushButton::autoDefault).
enum class EnterKey {
  AsQtDoes,  // Qt's own rule: pressed in a dialog, not elsewhere
  Presses,   // pressed, as Space does
  Ignored,   // not pressed; the dialog's default button takes it
  Default,   // the dialog's default button: Enter presses it unless another button takes Enter
};

// A push button named name, showing caption, at where (pixels in parent).
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& where, EnterKey enter = EnterKey::AsQtDoes);

// A label named name showing text in a row h pixels high at (x, y), w wide,
// its text aligned by align and centred vertically.
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int w,
                 Qt::Alignment align, int h = 20);
// A label named name showing text in font, its top left corner at at, as
// large as its text.
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, QPoint at,
                 const QFont& font);

// base in the program's fixed-pitch face for the screen (columns of
// figures that must line up), its size left as it was.
QFont FixedPitchFont(const QFont& base);

// Runs picked(n), n the item's 1-based position, when the user picks an
// item of box (a click in its list, or the keys or the wheel on the closed
// box), through the guard; an item the program selects runs nothing.
void OnUserPick(QComboBox* box, QObject* context, std::function<void(int)> picked);

// The order of the Tab key: each widget after the one before it. A chain is
// built in one list, or one widget at a time with Then.
class TabChain {
 public:
  explicit TabChain(QWidget* first) : last_(first) {}
  TabChain& Then(QWidget* next);

 private:
  QWidget* last_;
};
void SetTabOrder(std::initializer_list<QWidget*> order);

// Gives window the 13-pixel font the program's dialogs are laid out for
// (their pixel positions assume it), in the face the platform gives.
void UseDialogFont(QWidget* window);

// A hidden, disabled field named name holding text: state a window carries
// where the tests find it by name. Only its window writes it.
QLineEdit* MakeHidden(QWidget* parent, const QString& name, const QString& text = {});

// Shows window (restored when minimised), raises and activates it. With
// now, the program's active window follows at once, so that the window's
// activation handler runs before this returns on every platform
// (activateWindow only asks the window system).
void BringToFront(QWidget* window, bool now = false);

}  // namespace qm
