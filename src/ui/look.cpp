#include "ui/look.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include "store/settings.h"

namespace qm {

namespace {

// What a painted widget is painted as, kept on the widget so that a change
// of scheme can paint it again.
enum class Paint { White = 1, Navy, Plain, ReadOnly };
constexpr const char* kPaintProperty = "qmPaint";

struct DesktopLook {
  bool Known = false;
  QPalette Palette;
  QString Style;
};

DesktopLook& Desktop() {
  static DesktopLook look;
  return look;
}

ColourScheme& Current() {
  static ColourScheme scheme = ColourScheme::System;
  return scheme;
}

void SetRole(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, role, colour);
}

void Repaint(QWidget* widget) {
  const QPalette app = QApplication::palette();
  QPalette palette = widget->palette();
  switch (static_cast<Paint>(widget->property(kPaintProperty).toInt())) {
    case Paint::White:
      SetRole(palette, QPalette::Window, app.color(QPalette::Base));
      SetRole(palette, QPalette::Base, app.color(QPalette::Base));
      break;
    case Paint::Navy:
      SetRole(palette, QPalette::WindowText, Navy(app));
      SetRole(palette, QPalette::Text, Navy(app));
      SetRole(palette, QPalette::ButtonText, Navy(app));
      SetRole(palette, QPalette::Base, app.color(QPalette::Base));
      break;
    case Paint::Plain: {
      const QWidget* parent = widget->parentWidget();
      SetRole(palette, QPalette::Base,
              (parent != nullptr ? parent->palette() : app).color(QPalette::Window));
      break;
    }
    case Paint::ReadOnly:
      SetRole(palette, QPalette::Base,
              IsDark(app) ? QColor(0x3a, 0x3a, 0x3a) : QColor(212, 208, 200));
      break;
    default: return;
  }
  if (palette != widget->palette()) widget->setPalette(palette);
}

void Mark(QWidget* widget, Paint paint) {
  widget->setProperty(kPaintProperty, static_cast<int>(paint));
  Repaint(widget);
}

}  // namespace

ColourScheme ColourSchemeNamed(const std::string& text) {
  if (text == "Light") return ColourScheme::Light;
  if (text == "Dark") return ColourScheme::Dark;
  return ColourScheme::System;
}

std::string ColourSchemeName(ColourScheme scheme) {
  switch (scheme) {
    case ColourScheme::Light: return "Light";
    case ColourScheme::Dark: return "Dark";
    case ColourScheme::System: break;
  }
  return "System";
}

ColourScheme StoredColourScheme() {
  return ColourSchemeNamed(ReadSettingText("Options", "Colours", "System"));
}

void StoreColourScheme(ColourScheme scheme) {
  WriteSettingText("Options", "Colours", ColourSchemeName(scheme));
}

void RememberDesktopLook() {
  DesktopLook& desktop = Desktop();
  desktop.Palette = QApplication::palette();
  desktop.Style = QApplication::style()->name();
  desktop.Known = true;
}

bool IsDark(const QPalette& palette) { return palette.color(QPalette::Window).lightness() < 128; }

QPalette DarkPalette() {
  const QColor window(0x2d, 0x2d, 0x2d), base(0x1e, 0x1e, 0x1e), text(0xe8, 0xe8, 0xe8);
  const QColor button(0x3a, 0x3a, 0x3a), muted(0x9a, 0x9a, 0x9a);
  QPalette dark(button, window);
  SetRole(dark, QPalette::Window, window);
  SetRole(dark, QPalette::Base, base);
  SetRole(dark, QPalette::AlternateBase, QColor(0x28, 0x28, 0x28));
  SetRole(dark, QPalette::Button, button);
  SetRole(dark, QPalette::Light, QColor(0x55, 0x55, 0x55));
  SetRole(dark, QPalette::Midlight, QColor(0x48, 0x48, 0x48));
  SetRole(dark, QPalette::Mid, QColor(0x30, 0x30, 0x30));
  SetRole(dark, QPalette::Dark, QColor(0x1a, 0x1a, 0x1a));
  SetRole(dark, QPalette::Shadow, QColor(0x0a, 0x0a, 0x0a));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                          QPalette::BrightText, QPalette::ToolTipText})
    SetRole(dark, role, text);
  SetRole(dark, QPalette::ToolTipBase, QColor(0x3a, 0x3a, 0x3a));
  SetRole(dark, QPalette::Highlight, QColor(0x2f, 0x65, 0xca));
  SetRole(dark, QPalette::HighlightedText, Qt::white);
  SetRole(dark, QPalette::Link, QColor(0x8c, 0xb4, 0xff));
  SetRole(dark, QPalette::PlaceholderText, muted);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
  return dark;
}

QColor Navy(const QPalette& palette) {
  return IsDark(palette) ? QColor(0x8c, 0xb4, 0xff) : QColor(0, 0, 128);
}

void ApplyColourScheme(ColourScheme scheme) {
  DesktopLook& desktop = Desktop();
  if (!desktop.Known) RememberDesktopLook();
  Current() = scheme;
  // A desktop style may draw with its own colours; Fusion draws with the
  // palette's.
  const bool own =
      scheme == ColourScheme::Dark || (scheme == ColourScheme::Light && IsDark(desktop.Palette));
  const QString style = own ? QStringLiteral("Fusion") : desktop.Style;
  if (QApplication::style()->name().compare(style, Qt::CaseInsensitive) != 0)
    QApplication::setStyle(QStyleFactory::create(style));
  QPalette palette = desktop.Palette;
  if (scheme == ColourScheme::Dark) palette = DarkPalette();
  if (scheme == ColourScheme::Light && IsDark(desktop.Palette))
    palette = QApplication::style()->standardPalette();
  QApplication::setPalette(palette);
  // The white ones first: a plain field takes its parent's colour.
  const QWidgetList widgets = QApplication::allWidgets();
  for (const Paint pass : {Paint::White, Paint::Navy, Paint::Plain, Paint::ReadOnly})
    for (QWidget* widget : widgets)
      if (widget->property(kPaintProperty).toInt() == static_cast<int>(pass)) Repaint(widget);
}

ColourScheme CurrentColourScheme() { return Current(); }

void PaintWhite(QWidget* widget) {
  widget->setAutoFillBackground(true);
  Mark(widget, Paint::White);
}

void PaintNavy(QWidget* widget) { Mark(widget, Paint::Navy); }
void PaintPlain(QWidget* widget) { Mark(widget, Paint::Plain); }
void PaintReadOnly(QWidget* widget) { Mark(widget, Paint::ReadOnly); }

}  // namespace qm
