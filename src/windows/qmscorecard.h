// The 18-hole grid of the score entry window: the rows Hole, Par, Score and
// Putts under the columns 1 to 9, OUT, 10 to 18, IN and Total.
//
// The grid only builds and lays out its fields and copies their texts to
// and from a ScoreCard; what happens when a field is left or a key is
// pressed is the window's business (qmscore.h), which watches the fields.
#pragma once

#include <QFrame>
#include <QLineEdit>
#include <array>

#include "engine/scorecard.h"
#include "ui/textentry.h"

namespace qm {

class TScoreCardGrid : public QFrame {
 public:
  explicit TScoreCardGrid(QWidget* parent = nullptr);

  // [0] is the control named Score1 (Putts1, Par1).
  std::array<QLineEdit*, 18> Score;
  std::array<QLineEdit*, 18> Putts;
  std::array<QLineEdit*, 18> Par;
  QLineEdit* ScoreOut;
  QLineEdit* ScoreIn;
  QLineEdit* ScoreTotal;
  QLineEdit* PuttsOut;
  QLineEdit* PuttsIn;
  QLineEdit* PuttsTotal;
  QLineEdit* ParOut;
  QLineEdit* ParIn;
  QLineEdit* ParTotal;

  // Copies the grid's texts into the card's fields of the same names.
  void ReadInto(ScoreCard& card) const;
  // Sets every grid field whose text differs from the card's.
  void WriteFrom(const ScoreCard& card);
};

}  // namespace qm
