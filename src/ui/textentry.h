// What the windows' text fields share: single-byte text only, letters typed
// as capitals, the read-only look, the checks that a text can be stored, and
// putting the focus into a field as the program (not the user) does.
//
// The data files hold single-byte text with "~" as their field separator;
// a field that lets anything else in would store text that reads back
// differently, or splits a record.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QValidator>
#include <string>

namespace qm {

// Refuses any edit that would put a character without a Windows-1252 byte
// into a line edit; everything else is accepted as typed.
class SingleByteValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// Which typed letters TypeInCapitals turns: a-z only, or every letter whose
// capital has a single byte too (so "µ" stays as it is and "ß" does not
// grow into "SS").
enum class Capitals { AtoZ, SingleByte };
// Turns the letters typed into field to capitals, one character for one.
void TypeInCapitals(QLineEdit* field, Capitals which);

// Grey background and no typing: the look of the read-only fields.
void MakeReadOnly(QLineEdit* field);

// Single-byte text of a field, and a field set to single-byte text only when
// it differs (so an unchanged field keeps its cursor and selection).
std::string FieldBytes(const QLineEdit* field);
void SetFieldBytes(QLineEdit* field, const std::string& bytes);

// The message for a text that cannot be stored (not single-byte, or with
// "~"); empty when it can. what names the field in the message.
QString StorableProblem(const QString& text, const QString& what);
// False, after the message and with the focus on field, when field's text
// cannot be stored.
bool CheckStorable(QLineEdit* field, const QString& what);

// Puts the focus on field for the program (a jump, a refusal that sends the
// user back) and selects a line edit's text, as Tab does: what the user
// types next replaces it. The reason tells the field's leaving handlers
// whether the focus moved within the window (Other) or not.
void FocusField(QWidget* field, Qt::FocusReason reason = Qt::OtherFocusReason);

}  // namespace qm
