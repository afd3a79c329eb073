#include "windows/qmscore.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "app/clock.h"
#include "engine/coursehcp.h"
#include "store/courses.h"
#include "store/scores.h"
#include "store/text.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/messages.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/textconv.h"
#include "windows/qmabout.h"
#include "windows/qmapp.h"
#include "windows/qmcourse.h"
#include "windows/qmscorecard.h"
#include "windows/qmscorefields.h"

namespace qm {

namespace {

const QString kCourseNotFound = QStringLiteral("ERROR: Course not found in list??");
const QString kPickACourse = QStringLiteral("You must pick a course.");

std::string Cut(const QLineEdit* field, std::size_t width) {
  return CutTo(FieldBytes(field), width);
}

}  // namespace

// ---- the card ----

ScoreCard TScoreForm::ReadCard() const {
  // The date and the comment take no part in the rules.
  ScoreCard card;
  Card->ReadInto(card);
  card.RatingField = FieldBytes(RatingField);
  card.SlopeField = FieldBytes(SlopeField);
  card.CourseHandicapField = FieldBytes(CourseHandicapField);
  card.IndexField = FieldBytes(IndexField);
  card.AdjScore = FieldBytes(AdjScore);
  card.ScoreDiff = FieldBytes(ScoreDiff);
  return card;
}

void TScoreForm::WriteCard(const ScoreCard& card) {
  Card->WriteFrom(card);
  SetFieldBytes(RatingField, card.RatingField);
  SetFieldBytes(SlopeField, card.SlopeField);
  SetFieldBytes(CourseHandicapField, card.CourseHandicapField);
  SetFieldBytes(IndexField, card.IndexField);
  SetFieldBytes(AdjScore, card.AdjScore);
  SetFieldBytes(ScoreDiff, card.ScoreDiff);
}

template <class Rules>
void TScoreForm::Compute(Rules&& rules) {
  ScoreCard card = ReadCard();
  try {
    rules(card);
  } catch (...) {
    WriteCard(card);
    throw;
  }
  WriteCard(card);
}

void TScoreForm::ShowCourse(int n) {
  const TCourseRec& course = courses_.At(n);
  Compute([&course](ScoreCard& card) {
    card.RatingField = course.Rating.empty() ? "0.0" : course.Rating;
    card.SlopeField = course.Slope.empty() ? "0" : course.Slope;
    card.Par = course.HolePar;
    card.ParTotal = course.ParTotal;
    ComputeParNines(card);
  });
}

void TScoreForm::ClearCard() {
  const QString zero = QStringLiteral("0");
  RatingField->setText(QStringLiteral("0.0"));
  SlopeField->setText(zero);
  for (QLineEdit* par : Par) par->clear();
  Card->ParOut->clear();
  Card->ParIn->clear();
  Card->ParTotal->clear();
  for (int i = 0; i < HoleCount; ++i) {
    Score[i]->setText(zero);
    Putts[i]->setText(zero);
  }
  for (QLineEdit* sum : {Card->ScoreOut, Card->ScoreIn, Card->PuttsOut, Card->PuttsIn})
    sum->setText(zero);
  for (QLineEdit* field : {Card->ScoreTotal, Card->PuttsTotal, AdjScore, ScoreDiff}) field->clear();
  CommentField->clear();
}

void TScoreForm::SetPuttsTabStops(bool on) {
  for (QLineEdit* putts : Putts) putts->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

// ---- the course list ----

void TScoreForm::ReloadCourses() {
  TCourseTable fresh;
  const LoadCoursesResult result = LoadCourses(fresh);
  SortCourses(fresh);
  courses_ = std::move(fresh);
  QStringList names;
  names.reserve(courses_.Count());
  for (const TCourseRec& course : courses_.Entries) names << FromBytes(course.CourseName);
  CourseField->SetItems(names);
  if (result.Message.empty()) {
    renameReported_ = false;
  } else if (!renameReported_) {
    // Every activation reads the file again; the user hears of the missing
    // files once, not at every return to the window.
    renameReported_ = true;
    CurrentPrompts().Message(FromBytes(result.Message));
  }
}

bool TScoreForm::AppendCourse(const TCourseRec& course) {
  // The file as it is now, not as this window last read it: a course list
  // saved elsewhere meanwhile is kept.
  TCourseTable table;
  LoadCourses(table);
  if (table.Count() >= MaxCourses) {
    CurrentPrompts().Warning(msg::CoursesFull());
    return false;
  }
  table.Entries.push_back(course);
  SaveCourses(table);
  return true;
}

int TScoreForm::FindCourseExact(const std::string& name) const {
  int found = 0;
  for (int n = 1; n <= courses_.Count(); ++n)
    if (courses_.At(n).CourseName == name) found = n;
  return found;
}

void TScoreForm::SetCourseHandicap(int n) {
  const std::string index = FieldBytes(IndexField);
  const std::string& slope = courses_.At(n).Slope;
  const int handicap = index.empty() || slope.empty() ? 0 : ComputeCourseHandicap(index, slope);
  CourseHandicapField->setText(QString::number(handicap));
}

void TScoreForm::ReportCourseNotFound(const std::string& name) {
  if (notFoundReported_ && notFoundName_ == name) return;
  notFoundReported_ = true;
  notFoundName_ = name;
  CurrentPrompts().Message(kCourseNotFound);
}

bool TScoreForm::CoursesFull() {
  if (courses_.Count() < MaxCourses) return false;
  CurrentPrompts().Warning(msg::CoursesFull());
  return true;
}

void TScoreForm::OpenCourseEditor() {
  TCourseForm* editor = Program().CourseForm;
  if (editor == nullptr) return;
  editor->PrimeNameOnly();
  editor->Hand.ShowFor(this);
}

// ---- showing, activation, hiding ----

void TScoreForm::FormShow() {
  setWindowTitle(QStringLiteral("Enter Score - ") + GolferName->text());
  notFoundReported_ = false;
  notFoundName_.clear();
  const std::string wanted = FieldBytes(CourseName2);
  if (!wanted.empty()) {
    const int n = FindCourse(courses_, wanted);
    if (n == 0) return;
    const bool group = addingGroup_;
    if (group) {
      ClearCard();
      FocusField(Score[0]);
    } else {
      FocusField(CourseField);
    }
    CourseField->setCurrentIndex(n - 1);
    ShowCourse(n);
    // Every golfer of a group gets his own course handicap.
    if (group) SetCourseHandicap(n);
  } else {
    if (!keepCard_) ClearCard();
    SetCoursePicked(false);
  }
}

void TScoreForm::FormActivate() {
  // The course editor's result, taken once and before anything is shown.
  TCourseForm* editor = Program().CourseForm;
  bool added = false;
  std::string addedName;
  if (editor != nullptr && editor->Result.Take(this)) {
    const TCourseRec course = editor->Course();
    addedName = course.CourseName;
    added = AppendCourse(course);
  }

  ReloadCourses();

  const std::string wanted = added ? addedName : FieldBytes(CourseName2);
  if (added || !wanted.empty()) {
    const int n = FindCourseExact(wanted);
    if (n > 0 && added) {
      // As a pick by the user, so later activations keep the new course.
      CourseField->setCurrentIndex(n - 1);
      CourseFieldChange(n);
    } else if (n > 0) {
      ShowCourse(n);
      SetCoursePicked(true);
      CourseField->setCurrentIndex(n - 1);
    } else {
      ReportCourseNotFound(wanted);
    }
  }

  // A stored round keeps its total and adjusted score until a hole changes.
  Compute([](ScoreCard& card) {
    ComputeScoreOut(card);
    ComputeScoreIn(card);
    ComputePuttsOut(card);
    ComputePuttsIn(card);
    ComputePuttsTotal(card);
    ComputeScoreDiff(card);
  });
  SetPuttsTabStops(!SkipPuttsChkBox->isChecked());
  FocusField(CourseField);
}

void TScoreForm::FormHide() {
  SetPuttsTabStops(!SkipPuttsChkBox->isChecked());
  keepCard_ = false;
}

void TScoreForm::CourseFieldChange(int n) {
  if (n < 1 || n > courses_.Count()) return;
  ShowCourse(n);
  SetCoursePicked(true);
  CourseName2->setText(FromBytes(courses_.At(n).CourseName));
  SetCourseHandicap(n);
  // The adjusted score belongs to this course's handicap and the
  // differential to its ratings: holes typed before the pick would
  // otherwise be confirmed with the values of the course before.
  Compute([](ScoreCard& card) {
    ComputeAdjScore(card);
    ComputeScoreDiff(card);
  });
}

void TScoreForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A window brought back from the task bar is not shown anew.
  if (event->spontaneous()) return;
  // On the screen's centre, not over the window that opened it.
  CentreOnScreen(this);
  Result.Reset();
  Guard([this] { FormShow(); });
}

void TScoreForm::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) Guard([this] { FormHide(); });
}

// ---- leaving fields and keys ----

void TScoreForm::FieldExit(QWidget* field) {
  for (int i = 0; i < HoleCount; ++i) {
    if (field == Score[i]) {
      if (i == 0 && Score[0]->text() == QLatin1String("0")) {
        // No hole scores: the round is entered as a total.
        FocusField(Card->ScoreTotal);
        return;
      }
      Compute([i](ScoreCard& card) {
        if (i < 9)
          ComputeScoreOut(card);
        else
          ComputeScoreIn(card);
        ComputeScoreTotal(card);
      });
      return;
    }
    if (field == Putts[i]) {
      Compute([i](ScoreCard& card) {
        if (i < 9)
          ComputePuttsOut(card);
        else
          ComputePuttsIn(card);
        ComputePuttsTotal(card);
      });
      return;
    }
  }
  if (field == Card->ScoreTotal) {
    Compute([](ScoreCard& card) {
      ComputeAdjScore(card);
      ComputeScoreDiff(card);
    });
  } else if (field == AdjScore) {
    Compute([](ScoreCard& card) { ComputeScoreDiff(card); });
  } else if (field == DateField) {
    SetFieldBytes(DateField, NormalizeDate(FieldBytes(DateField)));
  }
}

void TScoreForm::RunPendingExit() {
  QWidget* field = focusWidget();
  if (field == nullptr || leaving_) return;
  leaving_ = true;
  try {
    FieldExit(field);
  } catch (...) {
    leaving_ = false;
    throw;
  }
  leaving_ = false;
}

QWidget* TScoreForm::EnterTarget(QWidget* field) const {
  const bool skipping = SkipPuttsChkBox->isChecked();
  if (field == CourseField) return DateField;
  if (field == DateField) return SkipPuttsChkBox;
  if (field == SkipPuttsChkBox) return Score[0];
  if (field == Card->ScoreTotal) return OKButton;
  for (int i = 0; i < HoleCount; ++i) {
    const bool last = i == HoleCount - 1;
    if (field == Score[i]) {
      if (!skipping) return Putts[i];
      return last ? static_cast<QWidget*>(OKButton) : Score[i + 1];
    }
    if (field == Putts[i]) return last ? static_cast<QWidget*>(OKButton) : Score[i + 1];
  }
  return nullptr;
}

bool TScoreForm::Steps(const QWidget* field) const {
  if (field == DateField) return true;
  for (int i = 0; i < HoleCount; ++i)
    if (field == Score[i] || field == Putts[i]) return true;
  for (const QLineEdit* sum : {Card->ScoreTotal, Card->ScoreOut, Card->ScoreIn, Card->PuttsOut,
                               Card->PuttsIn, Card->PuttsTotal})
    if (field == sum) return true;
  return false;
}

void TScoreForm::Step(QWidget* field, char direction) {
  auto* edit = static_cast<QLineEdit*>(field);
  if (edit == DateField)
    SetFieldBytes(edit, StepDate(FieldBytes(edit), direction));
  else
    SetFieldBytes(edit, StepNumber(FieldBytes(edit), direction));
}

bool TScoreForm::eventFilter(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QWidget*>(watched);
  if (field == nullptr) return QDialog::eventFilter(watched, event);

  if (event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // Losing the activation (a message box, the course editor, another
    // program) or opening a menu or list is no leaving of the field.
    const bool leaving = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                         reason != Qt::MenuBarFocusReason;
    if (leaving && !leaving_) {
      leaving_ = true;
      Guard([this, field] { FieldExit(field); });
      leaving_ = false;
    }
    return false;
  }

  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (auto* button = qobject_cast<QPushButton*>(field)) {
        button->click();
      } else if (QWidget* next = EnterTarget(field)) {
        next->setFocus(Qt::TabFocusReason);
      }
      return true;  // never a new line, never the window's default button
    }
    const QString text = key->text();
    char direction = 0;
    if (text == QLatin1String("+") || text == QLatin1String("="))
      direction = '+';
    else if (text == QLatin1String("-") || text == QLatin1String("_"))
      direction = '-';
    if (direction != 0 && Steps(field)) {
      // A stepping key is never typed, even when the step fails.
      Guard([&] { Step(field, direction); });
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TScoreForm::keyPressEvent(QKeyEvent* event) {
  // Escape does not throw a typed round away; Cancel does.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// ---- commands ----

void TScoreForm::Close(bool confirmed) {
  if (addingGroup_) groupPlace_ = {owner_.Window, DateField->text(), CourseName2->text()};
  Result.Finish(confirmed);
}

void TScoreForm::OKButtonClick() {
  RunPendingExit();
  if (!coursePicked_) {
    CurrentPrompts().Message(kPickACourse);
    FocusField(CourseField);
    return;
  }
  Close(true);
}

void TScoreForm::SaveExit1Click() {
  RunPendingExit();
  Close(true);
}

void TScoreForm::CancelButtonClick() { Close(false); }

void TScoreForm::Exit1Click() { Close(false); }

void TScoreForm::reject() {
  Guard([this] { CancelButtonClick(); });
}

void TScoreForm::SkipPuttsChkBoxClick() { SetPuttsTabStops(!SkipPuttsChkBox->isChecked()); }

void TScoreForm::AddCourseButtonClick() {
  if (CoursesFull()) return;
  // Selected again when the editor is cancelled.
  CourseName2->setText(CourseField->Text());
  OpenCourseEditor();
}

void TScoreForm::EditCourses1Click() {
  if (CoursesFull()) return;
  OpenCourseEditor();
}

void TScoreForm::Help2Click() { CurrentPrompts().Warning(msg::HelpNotImplemented()); }

void TScoreForm::AboutQuillmor1Click() { OpenAboutBox(this); }

// ---- the hand-over of a round ----

bool TScoreForm::MayPrime() {
  if (!isVisible()) return true;
  BringToFront(this);
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
  DateField->setText(TodayDisplay());
  CourseField->SetText(QString());
  CourseName2->clear();
  SetCoursePicked(false);
  SetAddingGroup(false);
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
  SetCoursePicked(!course.isEmpty());
  SetAddingGroup(false);
  SetFieldBytes(Card->ScoreTotal, round.ScoreTotal);
  SetFieldBytes(RatingField, round.Rating.empty() ? "0.0" : round.Rating);
  SetFieldBytes(SlopeField, round.Slope.empty() ? "0" : round.Slope);
  CommentField->setPlainText(FromBytes(round.Comment));
  for (int i = 0; i < HoleCount; ++i) {
    SetFieldBytes(Score[i], round.HoleScore[i]);
    SetFieldBytes(Putts[i], round.HolePutts[i]);
  }
  for (QLineEdit* sum :
       {Card->ScoreOut, Card->ScoreIn, Card->PuttsOut, Card->PuttsIn, Card->PuttsTotal})
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
  // Only the group's own last round leaves the date and course in the
  // fields; after a use by another window meanwhile they are put back.
  const bool continued = addingGroup_ && owner_.Window == owner;
  if (!first && !continued && groupPlace_.Owner == owner) {
    DateField->setText(groupPlace_.Date);
    CourseField->SetText(groupPlace_.Course);
    CourseName2->setText(groupPlace_.Course);
    SetCoursePicked(true);
    SetAddingGroup(true);
    CourseHandicapField->setText(QStringLiteral("0"));
  } else if (first || !continued) {
    DateField->setText(TodayDisplay());
    CourseField->SetText(QString());
    CourseName2->clear();
    SetCoursePicked(false);
    SetAddingGroup(true);
    CourseHandicapField->setText(QStringLiteral("0"));
    Card->ScoreTotal->setText(QStringLiteral("0"));
    AdjScore->clear();
    ScoreDiff->clear();
  } else {
    SetCoursePicked(true);
  }
  entry_ = Entry::Zero;
  keepCard_ = false;
  ShowFor(owner, golfer);
  return true;
}

std::optional<TakenRound> TScoreForm::TakeRound(const QWidget* owner) {
  if (!Result.Take(owner)) return std::nullopt;
  return TakenRound{ConfirmedRound(), owner_.ShortName};
}

TScoreRec TScoreForm::ConfirmedRound() const {
  TScoreRec round = PlaceholderScoreRec();
  round.Date = CutTo(DisplayDateToKey(FieldBytes(DateField)), width::Date);
  round.Course = CutTo(ToBytes(CourseField->Text()), width::Course);
  round.ScoreTotal = Cut(Card->ScoreTotal, width::ScoreTotal);
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
  MakeStorable(round);
  return round;
}

void TScoreForm::ReleaseRound(const QWidget* owner) { Result.Release(owner); }

void TScoreForm::SetCoursePicked(bool picked) {
  coursePicked_ = picked;
  CoursePicked->setText(picked ? QStringLiteral("1") : QStringLiteral("0"));
}

void TScoreForm::SetAddingGroup(bool adding) {
  addingGroup_ = adding;
  AddingGroup->setText(adding ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace qm
