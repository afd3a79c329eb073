// Names a screen reader says for the text fields, lists and drop-downs.
//
//   NameByLabel(Label1, CourseField);       // "Select Course:" -> "Select Course"
//   SetSpokenName(GolferListBox, "Golfers"); // no label beside it
//
// Buttons are read by their captions and need nothing. The hidden fields
// that carry a window's state are never shown, so a screen reader never
// meets them; they get no name.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace qm {

// A label's caption as a name: without its "&" marks ("&&" stays one "&"),
// without a closing ":" and the spaces around it.
QString LabelName(const QString& caption);

// field's name is label's caption (LabelName), and label becomes field's
// buddy (its mnemonic, if it has one, moves the focus to field).
void NameByLabel(QLabel* label, QWidget* field);

// field's name where no label names it.
void SetSpokenName(QWidget* field, const QString& name);

}  // namespace qm
