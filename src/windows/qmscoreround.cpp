// The score entry window's hand-over of a round with the windows that store
// rounds: priming for each use, and taking the confirmed round back.
#include <QDate>

#include "store/scores.h"
#include "store/text.h"
#include "ui/textconv.h"
#include "windows/qmscore.h"
#include "windows/qmscorecard.h"
#include "windows/qmscorefields.h"

namespace qm {

namespace {

QString Today() { return QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")); }

std::string Cut(const QLineEdit* field, std::size_t width) {
  return CutTo(FieldBytes(field), width);
}

}  // namespace

bool TScoreForm::MayPrime() {
  if (!isVisible()) return true;
  raise();
  activateWindow();
  return false;
}

void TScoreForm::ShowFor(QWidget* owner, const RoundGolfer& golfer) {
  owner_ = {owner, golfer.ShortName};
  GolferName->setText(golfer.LongName);
  IndexField->setText(golfer.Index);
  Hand.ShowFor(owner);
}

bool TScoreForm::PrimeNewRound(QWidget* owner, const RoundGolfer& golfer, EntryValues entry) {
  if (!MayPrime()) return false;
  DateField->setText(Today());
  CourseField->SetText(QString());
  CourseName2->clear();
  CoursePicked->setText(QStringLiteral("0"));
  AddingGroup->setText(QStringLiteral("0"));
  // The golfer before's course handicap would adjust holes typed before a
  // course is picked.
  CourseHandicapField->setText(QStringLiteral("0"));
  entry_ = entry == EntryValues::Fields ? Entry::Fields : Entry::Zero;
  keepCard_ = false;
  ShowFor(owner, golfer);
  return true;
}

bool TScoreForm::PrimeStoredRound(QWidget* owner, const RoundGolfer& golfer,
                                  const TScoreRec& round) {
  if (!MayPrime()) return false;
  const QString course = FromBytes(round.Course);
  DateField->setText(FromBytes(DateKeyToDisplay(round.Date)));
  CourseField->SetText(course);
  CourseName2->setText(course);
  CoursePicked->setText(course.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
  AddingGroup->setText(QStringLiteral("0"));
  SetFieldBytes(ScoreTotal, round.ScoreTotal);
  SetFieldBytes(RatingField, round.Rating.empty() ? "0.0" : round.Rating);
  SetFieldBytes(SlopeField, round.Slope.empty() ? "0" : round.Slope);
  CommentField->setPlainText(FromBytes(round.Comment));
  for (int i = 0; i < HoleCount; ++i) {
    SetFieldBytes(Score[i], round.HoleScore[i]);
    SetFieldBytes(Putts[i], round.HolePutts[i]);
  }
  for (QLineEdit* sum : {ScoreOut, ScoreIn, PuttsOut, PuttsIn, PuttsTotal})
    sum->setText(QStringLiteral("0"));
  SetFieldBytes(AdjScore, round.AdjScore);
  SetFieldBytes(CourseHandicapField, round.EntryHandicap);
  entry_ = Entry::StoredIndex;
  storedEntryIndex_ = round.EntryIndex;
  // Without a course name nothing is selected on showing, which would
  // otherwise clear the card.
  keepCard_ = course.isEmpty();
  RoundGolfer shown = golfer;
  // A round entered before the index was kept with it shows today's index.
  const std::string entryIndex = TrimSpaces(round.EntryIndex);
  if (!entryIndex.empty() && entryIndex != "0") shown.Index = FromBytes(round.EntryIndex);
  ShowFor(owner, shown);
  return true;
}

bool TScoreForm::PrimeGroupRound(QWidget* owner, const RoundGolfer& golfer, bool first) {
  if (!MayPrime()) return false;
  // Only the group's own last round leaves the date and course to keep: a
  // use by another window meanwhile left its own in the fields.
  if (first || AddingGroup->text() != QLatin1String("1") || owner_.Window != owner) {
    DateField->setText(Today());
    CourseField->SetText(QString());
    CourseName2->clear();
    CoursePicked->setText(QStringLiteral("0"));
    AddingGroup->setText(QStringLiteral("1"));
    CourseHandicapField->setText(QStringLiteral("0"));
    ScoreTotal->setText(QStringLiteral("0"));
    AdjScore->clear();
    ScoreDiff->clear();
  } else {
    CoursePicked->setText(QStringLiteral("1"));
  }
  entry_ = Entry::Zero;
  keepCard_ = false;
  ShowFor(owner, golfer);
  return true;
}

std::optional<TScoreRec> TScoreForm::TakeRound(const QWidget* owner) {
  if (!Result.Take(owner)) return std::nullopt;
  return ConfirmedRound();
}

TScoreRec TScoreForm::ConfirmedRound() const {
  TScoreRec round = PlaceholderScoreRec();
  round.Date = CutTo(DisplayDateToKey(FieldBytes(DateField)), width::Date);
  round.Course = CutTo(ToBytes(CourseField->Text()), width::Course);
  round.ScoreTotal = Cut(ScoreTotal, width::ScoreTotal);
  round.Rating = Cut(RatingField, width::Rating);
  round.Slope = Cut(SlopeField, width::Slope);
  round.Comment = CutTo(ToBytes(CommentField->toPlainText()), width::Comment);
  for (int i = 0; i < HoleCount; ++i) {
    round.HoleScore[i] = Cut(Score[i], width::HoleScore);
    round.HolePutts[i] = Cut(Putts[i], width::HolePutts);
  }
  round.AdjScore = Cut(AdjScore, width::AdjScore);
  if (entry_ == Entry::Fields) round.EntryIndex = Cut(IndexField, width::EntryIndex);
  if (entry_ == Entry::StoredIndex) round.EntryIndex = storedEntryIndex_;
  if (entry_ != Entry::Zero) round.EntryHandicap = Cut(CourseHandicapField, width::EntryHandicap);
  return round;
}

void TScoreForm::ReleaseRound(const QWidget* owner) { Result.Release(owner); }

}  // namespace qm
