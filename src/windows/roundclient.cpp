#include "windows/roundclient.h"

#include <QEvent>

#include "store/roster.h"
#include "store/scores.h"
#include "ui/prompts.h"
#include "windows/qmapp.h"

namespace qm {

namespace {

const QString kOverMessage = QStringLiteral(
    "Bad News!  The score you just entered puts you over the maximum number of scores allowed "
    "for a golfer.  It can not be saved.  You must delete some old scores for this golfer before "
    "you can enter more scores.");
const QString kRememberMessage =
    QStringLiteral("Remember, the last 20 complete scores are used to calculate the index.");

}  // namespace

RoundClient::RoundClient(QWidget* window) : QObject(window), window_(window) {
  window->installEventFilter(this);
}

RoundClient::~RoundClient() { Release(); }

bool RoundClient::PrimeNew(const TScoreForm::RoundGolfer& golfer, TScoreForm::EntryValues entry) {
  TScoreForm* form = Program().ScoreForm;
  return form != nullptr && form->PrimeNewRound(window_, golfer, entry);
}

bool RoundClient::PrimeStored(const TScoreForm::RoundGolfer& golfer, const TScoreRec& round) {
  TScoreForm* form = Program().ScoreForm;
  return form != nullptr && form->PrimeStoredRound(window_, golfer, round);
}

bool RoundClient::PrimeGroup(const TScoreForm::RoundGolfer& golfer, bool first) {
  TScoreForm* form = Program().ScoreForm;
  return form != nullptr && form->PrimeGroupRound(window_, golfer, first);
}

std::optional<TakenRound> RoundClient::Take() {
  TScoreForm* form = Program().ScoreForm;
  if (form == nullptr) return std::nullopt;
  return form->TakeRound(window_);
}

bool RoundClient::Typing() const {
  TScoreForm* form = Program().ScoreForm;
  return form != nullptr && form->Result.OpenFor(window_);
}

void RoundClient::Release() {
  if (TScoreForm* form = Program().ScoreForm) form->ReleaseRound(window_);
}

bool RoundClient::eventFilter(QObject* watched, QEvent* event) {
  // A window minimised by the window system is hidden spontaneously; only
  // the program's own hiding is a close.
  if (watched == window_ && event->type() == QEvent::Hide && !event->spontaneous()) Release();
  return false;
}

void StoreTakenRound(const TakenRound& taken) {
  if (AppendRound(ScoreFileName(taken.ShortName), taken.Round, MaxScores)) return;
  CurrentPrompts().Message(kOverMessage);
  CurrentPrompts().Message(kRememberMessage);
}

}  // namespace qm
