#include "ui/placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <array>
#include <utility>

#include "store/errors.h"
#include "store/settings.h"
#include "ui/guard.h"
#include "ui/textconv.h"

namespace qm {

namespace {

struct NamedDefaults {
  const char* Section;
  PlacementDefaults Values;
};

constexpr std::array<NamedDefaults, 6> kDefaults = {{
    {"MainForm", {353, 146, 113, 472}},
    {"GPickForm", {385, 113, 103, 572}},
    {"GolferForm", {422, 83, 103, 634}},
    {"GroupOfScoresForm", {383, 116, 112, 547}},
    {"GMaintForm", {383, 122, 115, 552}},
    {"CMaintForm", {385, 119, 98, 568}},
}};

const PlacementDefaults* FindDefaults(const QString& section) {
  for (const auto& entry : kDefaults)
    if (section.compare(QLatin1String(entry.Section), Qt::CaseInsensitive) == 0)
      return &entry.Values;
  return nullptr;
}

// Centres its window when the window is shown for the first time, then
// removes itself. The show event comes before the window reaches the screen,
// so the window never appears at the stored position first.
class CentreAtFirstShow : public QObject {
 public:
  explicit CentreAtFirstShow(QWidget* window) : QObject(window), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) {
      window_->removeEventFilter(this);
      CentreOnScreen(window_);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

PlacementDefaults DefaultPlacement(const QString& section) {
  if (const PlacementDefaults* found = FindDefaults(section)) return *found;
  return {0, 0, 0, 0};
}

void RestorePlacement(QWidget* window, const QString& section) {
  // A section without a table entry keeps the window's own geometry as its
  // defaults, so a mistyped name cannot shrink a window to nothing.
  PlacementDefaults defaults{window->height(), window->x(), window->y(), window->width()};
  if (const PlacementDefaults* found = FindDefaults(section)) defaults = *found;
  const std::string name = ToBytes(section);

  // Each value takes effect as it is read, in the file's order.
  window->resize(window->width(), ReadSettingInt(name, "Height", defaults.Height));
  window->move(ReadSettingInt(name, "Left", defaults.Left), window->y());
  window->move(window->x(), ReadSettingInt(name, "Top", defaults.Top));
  window->resize(ReadSettingInt(name, "Width", defaults.Width), window->height());

  // A window already on screen is not moved again behind the user's back.
  if (!window->isVisible()) window->installEventFilter(new CentreAtFirstShow(window));
}

void SavePlacement(QWidget* window, const QString& section) {
  // A resize reports many sizes while the user drags the frame; a settings
  // file that cannot be written is reported for the first of them only, not
  // once for every step of the drag.
  static std::string failedFile;
  const std::string name = ToBytes(section);
  try {
    WriteSettingInt(name, "Height", window->height());
    WriteSettingInt(name, "Left", window->x());
    WriteSettingInt(name, "Top", window->y());
    WriteSettingInt(name, "Width", window->width());
  } catch (const QmError&) {
    const std::string file = SettingsFilePath();
    if (file == failedFile) return;
    failedFile = file;
    throw;
  }
  failedFile.clear();
}

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  // Before the window is first mapped the frame is not known yet; the
  // client size is then the best measure of what will appear.
  QSize outer = window->frameGeometry().size().expandedTo(window->size());
  QRect frame(QPoint(0, 0), outer);
  frame.moveCenter(area.center());
  // A window larger than the screen keeps its title bar reachable.
  QPoint topLeft = frame.topLeft();
  if (topLeft.x() < area.left()) topLeft.setX(area.left());
  if (topLeft.y() < area.top()) topLeft.setY(area.top());
  window->move(topLeft);
}

PlacementKeeper::PlacementKeeper(QWidget* window, QString section, std::function<bool()> skip,
                                 std::function<void()> beforeSave)
    : QObject(window),
      window_(window),
      section_(std::move(section)),
      skip_(std::move(skip)),
      beforeSave_(std::move(beforeSave)) {
  RestorePlacement(window, section_);
  window->installEventFilter(this);
}

bool PlacementKeeper::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Resize && !(skip_ && skip_()))
    Guard([this] {
      if (beforeSave_) beforeSave_();
      SavePlacement(window_, section_);
    });
  return false;
}

}  // namespace qm
