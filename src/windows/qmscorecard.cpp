#include "windows/qmscorecard.h"

#include <QGridLayout>
#include <QLabel>
#include <utility>

#include "ui/access.h"
#include "ui/textconv.h"
#include "windows/qmscorefields.h"

namespace qm {

namespace {

constexpr int HoleWidth = 24;
constexpr int SumWidth = 30;
constexpr int FieldHeight = 22;

// Grid columns: 0 the row labels, 1-9 holes 1-9, 10 OUT, 11-19 holes
// 10-18, 20 IN, 21 Total.
int HoleColumn(int hole) { return hole <= 9 ? hole : hole + 1; }
constexpr int OutColumn = 10;
constexpr int InColumn = 20;
constexpr int TotalColumn = 21;

QLabel* Label(QWidget* parent, const QString& name, const QString& text, Qt::Alignment align) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  label->setAlignment(align | Qt::AlignVCenter);
  label->setMinimumWidth(label->sizeHint().width());
  return label;
}

QLineEdit* Field(QWidget* parent, const QString& name, int width, const QString& text) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(name);
  field->setFixedSize(width, FieldHeight);
  field->setAlignment(Qt::AlignCenter);
  field->setTextMargins(0, 0, 0, 0);
  field->setValidator(new SingleByteValidator(field));
  return field;
}

}  // namespace

TScoreCardGrid::TScoreCardGrid(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("ScoreCardGrid"));
  setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setHorizontalSpacing(1);
  grid->setVerticalSpacing(3);

  const Qt::Alignment right = Qt::AlignRight;
  const Qt::Alignment centre = Qt::AlignHCenter;
  grid->addWidget(Label(this, QStringLiteral("HoleLabel"), QStringLiteral("Hole:"), right), 0, 0);
  grid->addWidget(Label(this, QStringLiteral("ParLabel"), QStringLiteral("Par:"), right), 1, 0);
  grid->addWidget(Label(this, QStringLiteral("ScoreLabel"), QStringLiteral("Score:"), right), 2, 0);
  grid->addWidget(Label(this, QStringLiteral("PuttsLabel"), QStringLiteral("Putts:"), right), 3, 0);

  const QString zero = QStringLiteral("0");
  for (int i = 0; i < 18; ++i) {
    const QString hole = QString::number(i + 1);
    const int column = HoleColumn(i + 1);
    grid->addWidget(Label(this, QStringLiteral("HoleLabel") + hole, hole, centre), 0, column);
    Par[i] = Field(this, QStringLiteral("Par") + hole, HoleWidth, QString());
    Score[i] = Field(this, QStringLiteral("Score") + hole, HoleWidth, zero);
    Putts[i] = Field(this, QStringLiteral("Putts") + hole, HoleWidth, zero);
    grid->addWidget(Par[i], 1, column);
    grid->addWidget(Score[i], 2, column);
    grid->addWidget(Putts[i], 3, column);
  }

  grid->addWidget(Label(this, QStringLiteral("OutLabel"), QStringLiteral("OUT"), centre), 0,
                  OutColumn);
  grid->addWidget(Label(this, QStringLiteral("InLabel"), QStringLiteral("IN"), centre), 0,
                  InColumn);
  grid->addWidget(Label(this, QStringLiteral("TotalLabel"), QStringLiteral("Total"), centre), 0,
                  TotalColumn);

  ParOut = Field(this, QStringLiteral("ParOut"), SumWidth, QString());
  ParIn = Field(this, QStringLiteral("ParIn"), SumWidth, QString());
  ParTotal = Field(this, QStringLiteral("ParTotal"), SumWidth, QString());
  ScoreOut = Field(this, QStringLiteral("ScoreOut"), SumWidth, zero);
  ScoreIn = Field(this, QStringLiteral("ScoreIn"), SumWidth, zero);
  ScoreTotal = Field(this, QStringLiteral("ScoreTotal"), SumWidth, QString());
  PuttsOut = Field(this, QStringLiteral("PuttsOut"), SumWidth, zero);
  PuttsIn = Field(this, QStringLiteral("PuttsIn"), SumWidth, zero);
  PuttsTotal = Field(this, QStringLiteral("PuttsTotal"), SumWidth, QString());
  grid->addWidget(ParOut, 1, OutColumn);
  grid->addWidget(ParIn, 1, InColumn);
  grid->addWidget(ParTotal, 1, TotalColumn);
  grid->addWidget(ScoreOut, 2, OutColumn);
  grid->addWidget(ScoreIn, 2, InColumn);
  grid->addWidget(ScoreTotal, 2, TotalColumn);
  grid->addWidget(PuttsOut, 3, OutColumn);
  grid->addWidget(PuttsIn, 3, InColumn);
  grid->addWidget(PuttsTotal, 3, TotalColumn);

  // The pars come from the course; the sums and totals are reached with the
  // mouse only, so Tab runs from hole to hole.
  for (QLineEdit* par : Par) MakeReadOnly(par);
  for (QLineEdit* field : {ParOut, ParIn, ParTotal}) MakeReadOnly(field);
  for (QLineEdit* field : Par) field->setFocusPolicy(Qt::ClickFocus);
  for (QLineEdit* field :
       {ParOut, ParIn, ParTotal, ScoreOut, ScoreIn, ScoreTotal, PuttsOut, PuttsIn, PuttsTotal})
    field->setFocusPolicy(Qt::ClickFocus);

  // Names for screen readers: the row and the hole (or the sum) of a field.
  for (int i = 0; i < 18; ++i) {
    const QString hole = QStringLiteral(", hole ") + QString::number(i + 1);
    SetSpokenName(Par[i], QStringLiteral("Par") + hole);
    SetSpokenName(Score[i], QStringLiteral("Score") + hole);
    SetSpokenName(Putts[i], QStringLiteral("Putts") + hole);
  }
  const std::pair<QLineEdit*, const char*> sums[] = {
      {ParOut, "Par out"},     {ParIn, "Par in"},     {ParTotal, "Par total"},
      {ScoreOut, "Score out"}, {ScoreIn, "Score in"}, {ScoreTotal, "Score total"},
      {PuttsOut, "Putts out"}, {PuttsIn, "Putts in"}, {PuttsTotal, "Putts total"}};
  for (const auto& [field, name] : sums) SetSpokenName(field, QString::fromLatin1(name));
}

void TScoreCardGrid::ReadInto(ScoreCard& card) const {
  for (int i = 0; i < 18; ++i) {
    card.Score[i] = FieldBytes(Score[i]);
    card.Putts[i] = FieldBytes(Putts[i]);
    card.Par[i] = FieldBytes(Par[i]);
  }
  card.ScoreOut = FieldBytes(ScoreOut);
  card.ScoreIn = FieldBytes(ScoreIn);
  card.ScoreTotal = FieldBytes(ScoreTotal);
  card.PuttsOut = FieldBytes(PuttsOut);
  card.PuttsIn = FieldBytes(PuttsIn);
  card.PuttsTotal = FieldBytes(PuttsTotal);
  card.ParOut = FieldBytes(ParOut);
  card.ParIn = FieldBytes(ParIn);
  card.ParTotal = FieldBytes(ParTotal);
}

void TScoreCardGrid::WriteFrom(const ScoreCard& card) {
  for (int i = 0; i < 18; ++i) {
    SetFieldBytes(Score[i], card.Score[i]);
    SetFieldBytes(Putts[i], card.Putts[i]);
    SetFieldBytes(Par[i], card.Par[i]);
  }
  SetFieldBytes(ScoreOut, card.ScoreOut);
  SetFieldBytes(ScoreIn, card.ScoreIn);
  SetFieldBytes(ScoreTotal, card.ScoreTotal);
  SetFieldBytes(PuttsOut, card.PuttsOut);
  SetFieldBytes(PuttsIn, card.PuttsIn);
  SetFieldBytes(PuttsTotal, card.PuttsTotal);
  SetFieldBytes(ParOut, card.ParOut);
  SetFieldBytes(ParIn, card.ParIn);
  SetFieldBytes(ParTotal, card.ParTotal);
}

}  // namespace qm
