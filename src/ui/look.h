// The look several of the program's windows share.
#pragma once

class QWidget;

namespace qm {

// Gives widget a white background of its own (the windows of the program
// are white, not the desktop's grey).
void PaintWhite(QWidget* widget);

}  // namespace qm
