// Window placement in the settings file: each of the six main windows keeps
// Height, Left, Top and Width (pixels) in a section of its own.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace qm {

struct PlacementDefaults {
  int Height, Left, Top, Width;
};

// Height and Width are the window's own size (QWidget::size(): what resize()
// sets, the menu bar included, the window system's frame not); Left and Top
// are the frame's position (QWidget::pos(): what move() sets). Reading back
// what was saved gives the same size.

// The defaults of a section: MainForm, GPickForm, GolferForm,
// GroupOfScoresForm, GMaintForm, CMaintForm (matched without regard to
// case). Any other section gives all zeros.
PlacementDefaults DefaultPlacement(const QString& section);

// Reads Height, Left, Top and Width, in that order, each with its default,
// and applies each at once. The window then opens centred on the screen the
// first time it is shown (the stored Left and Top do not decide where). A
// section without defaults uses the window's current geometry instead.
void RestorePlacement(QWidget* window, const QString& section);

// Writes Height, Left, Top and Width, in that order. Throws QmError "Unable
// to write to quillmor.ini" when the file cannot be written; while the
// failure lasts, further saves (of any window) give up silently, so that a
// drag of a window's frame brings one box, not one per step. The first save
// that succeeds again ends that.
void SavePlacement(QWidget* window, const QString& section);

// Keeps a window's placement in section: restores it at once, then saves it
// at every resize of the window (through the error guard), except while
// skip() is true (the program closing: windows other than the main window
// keep what they had; the window passes its program's closing flag).
// beforeSave, when given, runs first at each such resize, after the window's
// layout has placed its client area (a list whose height follows the
// client's). Made a child of window:
//
//   new PlacementKeeper(this, QStringLiteral("GMaintForm"), [] { return closing; });
class PlacementKeeper : public QObject {
 public:
  PlacementKeeper(QWidget* window, QString section, std::function<bool()> skip = {},
                  std::function<void()> beforeSave = {});

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  QString section_;
  std::function<bool()> skip_;
  std::function<void()> beforeSave_;
};

// Centres window on its screen (the available area).
void CentreOnScreen(QWidget* window);

}  // namespace qm
