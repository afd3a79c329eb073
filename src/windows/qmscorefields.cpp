#include "windows/qmscorefields.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTextCursor>
#include <algorithm>

#include "ui/textconv.h"

namespace qm {

TCourseList::TCourseList(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0)
      text_ = itemText(index);
    else if (!refilling_)
      text_.clear();
  });
}

QString TCourseList::Text() const { return currentIndex() >= 0 ? itemText(currentIndex()) : text_; }

void TCourseList::SetText(const QString& text) {
  const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0 && !text.isEmpty()) {
    setCurrentIndex(index);
    return;
  }
  setCurrentIndex(-1);
  text_ = text;
  update();
}

void TCourseList::SetItems(const QStringList& names) {
  const QString keep = Text();
  refilling_ = true;
  clear();
  addItems(names);
  refilling_ = false;
  SetText(keep);
}

void TCourseList::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  QStyleOptionComboBox option;
  initStyleOption(&option);
  if (currentIndex() < 0) {
    // A kept name is shown like a chosen one, not greyed as a hint.
    option.currentText = text_;
    option.palette.setColor(QPalette::ButtonText, palette().color(QPalette::ButtonText));
  }
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

TCommentEdit::TCommentEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  connect(this, &QPlainTextEdit::textChanged, this, &TCommentEdit::Tidy);
}

QString TCommentEdit::Storable(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (QChar c : text) {
    switch (c.unicode()) {
      case u'~': out += u'-'; break;
      case u'\r':
      case u'\n':
      case 0x2028:
      case 0x2029: out += u' '; break;
      case 0: break;  // would cut the stored comment short
      default:
        if (IsSingleByte(QString(c))) out += c;
    }
  }
  return out;
}

// Works on the part that changed since the last tidy text, so that text
// already in the field is never shortened by what comes in: what does not
// fit in 100 characters is cut from the new part.
void TCommentEdit::Tidy() {
  if (tidying_) return;
  const QString now = toPlainText();
  if (now == last_) return;
  const qsizetype common = std::min(now.size(), last_.size());
  qsizetype prefix = 0;
  while (prefix < common && now[prefix] == last_[prefix]) ++prefix;
  qsizetype suffix = 0;
  while (suffix < common - prefix &&
         now[now.size() - 1 - suffix] == last_[last_.size() - 1 - suffix])
    ++suffix;
  const qsizetype end = now.size() - suffix;
  QString added = Storable(now.mid(prefix, end - prefix));
  added.truncate(std::max<qsizetype>(0, MaxLength - prefix - suffix));
  const QString clean = now.left(prefix) + added + now.right(suffix);
  if (clean != now) {
    tidying_ = true;
    QTextCursor cursor(document());
    cursor.setPosition(static_cast<int>(prefix));
    cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
    cursor.insertText(added);
    setTextCursor(cursor);
    tidying_ = false;
  }
  last_ = toPlainText();
}

}  // namespace qm
