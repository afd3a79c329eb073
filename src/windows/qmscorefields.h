// Two controls of the score entry window that need more than Qt gives:
//
// TCourseList, the course pick: a drop-down list without free typing that
// still holds and shows a course name that is not among its items (a stored
// round whose course was renamed or deleted), so that such a name is handed
// back unchanged when the round is confirmed. Text() is the name the round
// carries; currentText() of QComboBox is not (it is empty without a
// selection).
//
// TCommentEdit, the round's comment: at most 100 characters of single-byte
// text, one line of the score file. "~" (the file's field separator) is
// replaced by "-" and line breaks by a space as they are typed or pasted,
// and characters without a Windows-1252 byte are refused (they do not enter
// the field), so what the user sees is exactly what is stored.
#pragma once

#include <QComboBox>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>

namespace qm {

class TCourseList : public QComboBox {
  Q_OBJECT

 public:
  explicit TCourseList(QWidget* parent = nullptr);

  // The selected item's text; without a selection, the name last given to
  // SetText (empty when none).
  QString Text() const;
  // Selects the first item that equals text exactly; when there is none,
  // clears the selection and keeps text as the shown name.
  void SetText(const QString& text);
  // Replaces the items and keeps Text() as it was (reselecting an equal
  // item when there is one).
  void SetItems(const QStringList& names);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  bool refilling_ = false;
};

class TCommentEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  static constexpr int MaxLength = 100;

  explicit TCommentEdit(QWidget* parent = nullptr);

  // What a comment may hold: "~" becomes "-", CR, LF and the other line and
  // paragraph separators become a space, characters without a single byte
  // are dropped.
  static QString Storable(const QString& text);

 private:
  void Tidy();

  QString last_;
  bool tidying_ = false;
};

}  // namespace qm
