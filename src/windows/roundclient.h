// A window's side of the round hand-over with the one score entry window
// (Program().ScoreForm). Every window that primes rounds holds one:
//
//   RoundClient rounds_{this};
//   rounds_.PrimeNew(golfer, TScoreForm::EntryValues::Zero);
//   // in the activation handler:
//   if (std::optional<TakenRound> taken = rounds_.Take()) StoreTakenRound(*taken);
//
// The client releases its window's round (the score entry window closes as
// Cancel, a confirmed round not yet taken is dropped) when the window is
// hidden by the program, which is how a window closes, and when it is
// destroyed: a confirmed round never arrives for a window that is gone, and
// no window releases by hand. A window that takes a round over as it
// closes does so in its closeEvent, which runs before the hiding.
#pragma once

#include <QObject>
#include <optional>

#include "windows/qmscore.h"

namespace qm {

class RoundClient : public QObject {
 public:
  explicit RoundClient(QWidget* window);
  ~RoundClient() override;

  // As TScoreForm's Prime operations, for this client's window; false when
  // there is no score entry window or it is busy with a round (brought to
  // the front then).
  bool PrimeNew(const TScoreForm::RoundGolfer& golfer, TScoreForm::EntryValues entry);
  bool PrimeStored(const TScoreForm::RoundGolfer& golfer, const TScoreRec& round);
  bool PrimeGroup(const TScoreForm::RoundGolfer& golfer, bool first);
  // The round confirmed for this window, once.
  std::optional<TakenRound> Take();
  // True while the score entry window is shown for this window.
  bool Typing() const;
  void Release();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
};

// Stores a taken round in its golfer's score file (AppendRound within
// MaxScores); at the limit nothing is written and the user is told why.
void StoreTakenRound(const TakenRound& taken);

}  // namespace qm
