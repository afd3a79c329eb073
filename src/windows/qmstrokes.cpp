#include "windows/qmstrokes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "store/strokes.h"
#include "ui/access.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/textconv.h"
#include "ui/textentry.h"

namespace qm {

namespace {

constexpr int kFirstFieldX = 104;
constexpr int kFieldStep = 40;

// A stroke index as typed: digits only (spaces around them allowed), 1 to
// 18; 0 when the text is anything else.
int StrokeOf(const QString& text) {
  const QString digits = text.trimmed();
  if (digits.isEmpty() || digits.size() > 2) return 0;
  for (QChar c : digits)
    if (c < u'0' || c > u'9') return 0;
  const int value = digits.toInt();
  return value >= 1 && value <= HoleCount ? value : 0;
}

QString Numbers(const QList<int>& numbers) {
  QStringList texts;
  for (int number : numbers) texts << QString::number(number);
  if (texts.size() < 2) return texts.join(QString());
  const QString last = texts.takeLast();
  return texts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

struct Fault {
  int Field = 0;  // 0-based
  QString Message;
};

// The first field at fault, in the order of the holes; nullopt when the
// fields are all empty or hold each of 1 to 18 once (then index is set).
std::optional<Fault> FirstFault(const std::array<QLineEdit*, HoleCount>& fields,
                                std::optional<StrokeIndex>& index) {
  bool allEmpty = true;
  for (const QLineEdit* field : fields) allEmpty = allEmpty && field->text().trimmed().isEmpty();
  index.reset();
  if (allEmpty) return std::nullopt;

  StrokeIndex strokes{};
  std::array<int, HoleCount + 1> holeOf{};  // the hole (1-based) given each stroke index so far
  for (int i = 0; i < HoleCount; ++i) {
    const QString hole = QString::number(i + 1);
    const QString text = fields[i]->text();
    if (text.trimmed().isEmpty())
      return Fault{i, QStringLiteral("Hole %1 has no stroke index.  Give every hole one of 1 to "
                                     "18, or leave all 18 fields empty to remove the course's "
                                     "stroke indexes.")
                          .arg(hole)};
    const int stroke = StrokeOf(text);
    if (stroke == 0)
      return Fault{i, QStringLiteral("The stroke index of hole %1 must be a whole number from 1 "
                                     "to 18.")
                          .arg(hole)};
    if (holeOf[stroke] != 0) {
      // A repeat leaves at least one number out; name those left out among
      // all the fields, so one look at the card mends both.
      std::array<bool, HoleCount + 1> given{};
      for (const QLineEdit* field : fields) given[StrokeOf(field->text())] = true;
      QList<int> missing;
      for (int n = 1; n <= HoleCount; ++n)
        if (!given[n]) missing << n;
      const QString leftOut = missing.size() == 1
                                  ? QStringLiteral("stroke index %1 is").arg(missing.front())
                                  : QStringLiteral("stroke indexes %1 are").arg(Numbers(missing));
      return Fault{i, QStringLiteral("Stroke index %1 is given to hole %2 and to hole %3; %4 "
                                     "given to no hole.  Each of 1 to 18 belongs to one hole.")
                          .arg(stroke)
                          .arg(holeOf[stroke])
                          .arg(hole, leftOut)};
    }
    holeOf[stroke] = i + 1;
    strokes[i] = stroke;
  }
  index = strokes;
  return std::nullopt;
}

}  // namespace

TStrokeIndexDlg::TStrokeIndexDlg(const std::string& courseName, const std::optional<Fields>& fields,
                                 QWidget* parent)
    : QDialog(parent), courseName_(courseName) {
  setObjectName(QStringLiteral("StrokeIndexDlg"));
  setWindowTitle(QStringLiteral("Stroke Index - ") + FromBytes(courseName));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);
  setFixedSize(474, 232);
  UseDialogFont(this);

  AddLabel(this, QStringLiteral("Label1"),
           QStringLiteral("The stroke index of each hole, as the score card gives it:"), 16, 10,
           440, Qt::AlignLeft);
  AddLabel(this, QStringLiteral("Label2"),
           QStringLiteral("each of 1 to 18 once, or all empty to remove them."), 16, 28, 440,
           Qt::AlignLeft);

  for (int nine = 0; nine < 2; ++nine) {
    const int y = 62 + 58 * nine;
    const QString row = QString::number(nine + 1);
    AddLabel(this, QStringLiteral("HoleLabel") + row, QStringLiteral("Hole:"), 8, y, 88,
             Qt::AlignRight);
    AddLabel(this, QStringLiteral("IndexLabel") + row, QStringLiteral("Stroke index:"), 8, y + 22,
             88, Qt::AlignRight);
    for (int k = 0; k < 9; ++k) {
      const int i = 9 * nine + k;
      const int x = kFirstFieldX + kFieldStep * k;
      const QString hole = QString::number(i + 1);
      QLabel* label =
          AddLabel(this, QStringLiteral("SILabel") + hole, hole, x, y, 32, Qt::AlignHCenter);
      auto* field = new QLineEdit(this);
      field->setObjectName(QStringLiteral("SI") + hole);
      field->setGeometry(x, y + 20, 32, 24);
      field->setMaxLength(2);
      field->setAlignment(Qt::AlignCenter);
      if (fields) SetFieldBytes(field, (*fields)[i]);
      // The hole number above a field says too little alone.
      label->setBuddy(field);
      SetSpokenName(field, QStringLiteral("Stroke index, hole ") + hole);
      SI[i] = field;
    }
  }

  OKButton = MakeButton(this, QStringLiteral("OKButton"), QStringLiteral("OK"), {138, 184, 89, 33});
  CancelButton = MakeButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cancel"),
                            {247, 184, 89, 33});
  OKButton->setDefault(true);
  TabChain chain(SI[0]);
  for (int i = 1; i < HoleCount; ++i) chain.Then(SI[i]);
  chain.Then(OKButton).Then(CancelButton);

  connect(OKButton, &QPushButton::clicked, this, Guarded([this] { OKButtonClick(); }));
  connect(CancelButton, &QPushButton::clicked, this, Guarded([this] { CancelButtonClick(); }));
}

bool TStrokeIndexDlg::Edit(const std::string& courseName, QWidget* parent) {
  TStrokeTable strokes;
  LoadStrokes(strokes);
  TStrokeIndexDlg dialog(courseName, StrokeFieldsOf(strokes, courseName), parent);
  return dialog.exec() == QDialog::Accepted;
}

void TStrokeIndexDlg::OKButtonClick() {
  std::optional<StrokeIndex> index;
  if (const std::optional<Fault> fault = FirstFault(SI, index)) {
    CurrentPrompts().Message(fault->Message);
    FocusField(SI[fault->Field]);
    return;
  }
  // Throws when the file cannot be written: the guard reports it and the
  // dialog stays open with what was typed.
  StoreStrokeIndex(courseName_, index);
  accept();
}

void TStrokeIndexDlg::CancelButtonClick() { QDialog::reject(); }

void TStrokeIndexDlg::reject() { CancelButtonClick(); }

void TStrokeIndexDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  FocusField(SI[0]);
}

}  // namespace qm
