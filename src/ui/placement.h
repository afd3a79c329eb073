// Window placement in the settings file: each of the six main windows keeps
// Height, Left, Top and Width (pixels) in a section of its own.
#pragma once

#include <QString>

class QWidget;

namespace qm {

struct PlacementDefaults {
  int Height, Left, Top, Width;
};

// The defaults of a section: MainForm, GPickForm, GolferForm,
// GroupOfScoresForm, GMaintForm, CMaintForm.
PlacementDefaults DefaultPlacement(const QString& section);

// Reads Height, Left, Top and Width, in that order, each with its default,
// and applies each at once. The window then opens centred on the screen the
// first time it is shown (the stored Left and Top do not decide where).
void RestorePlacement(QWidget* window, const QString& section);

// Writes Height, Left, Top and Width, in that order. Throws QmError "Unable
// to write to quillmor.ini" when the file cannot be written.
void SavePlacement(QWidget* window, const QString& section);

// Centres window on its screen (the available area).
void CentreOnScreen(QWidget* window);

}  // namespace qm
