// The look the program's windows share, and the colour scheme they follow:
// the desktop's palette, a light one or a dark one. The windows that are
// white, and the navy texts, are painted from the palette in effect, so
// that they stay readable in every scheme and follow a change of scheme
// while they are open.
#pragma once

#include <QColor>
#include <QPalette>
#include <string>

class QWidget;

namespace qm {

enum class ColourScheme { System, Light, Dark };

// The scheme a setting's text names ("System", "Light", "Dark"); System
// for anything else. And back.
ColourScheme ColourSchemeNamed(const std::string& text);
std::string ColourSchemeName(ColourScheme scheme);

// The scheme of [Options] Colours in the settings file, and a change of it.
ColourScheme StoredColourScheme();
void StoreColourScheme(ColourScheme scheme);

// Makes scheme the application's palette (and Fusion its style where the
// scheme is not the desktop's) and repaints every painted widget. The
// desktop's palette and style are what the application had when this was
// first called, or at the last RememberDesktopLook().
void ApplyColourScheme(ColourScheme scheme);
ColourScheme CurrentColourScheme();
void RememberDesktopLook();

// True when palette's window colour is dark: its texts are light.
bool IsDark(const QPalette& palette);
// The palette of the Dark scheme.
QPalette DarkPalette();

// Navy on a light window, a light blue that reads on a dark one.
QColor Navy(const QPalette& palette);

// Gives widget the background the program calls white: the palette's base
// colour (white in a light scheme), filled by the widget itself.
void PaintWhite(QWidget* widget);
// Draws widget's text (window text, and text of a text box) in Navy(),
// on white.
void PaintNavy(QWidget* widget);
// A text box drawn as text on its parent: its base is the parent's window
// colour.
void PaintPlain(QWidget* widget);
// A read-only field's grey, a darker grey in a dark scheme.
void PaintReadOnly(QWidget* widget);

}  // namespace qm
