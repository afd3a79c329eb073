#include "windows/qmscore.h"

#include <QApplication>
#include <QDate>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "engine/coursehcp.h"
#include "store/courses.h"
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

constexpr int ClientWidth = 628;
constexpr int ClientHeight = 389;

const QString kCourseNotFound = QStringLiteral("ERROR: Course not found in list??");
const QString kPickACourse = QStringLiteral("You must pick a course.");

QLabel* BoldLabel(QWidget* parent, const QString& name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

QLineEdit* Edit(QWidget* parent, const QString& name, int width, const QString& text = {}) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(name);
  field->setFixedWidth(width);
  field->setValidator(new SingleByteValidator(field));
  return field;
}

QLineEdit* Hidden(QWidget* parent, const QString& name, const QString& text = {}) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(name);
  field->setEnabled(false);
  field->hide();
  return field;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setFixedSize(90, 28);
  // Enter is the window's own (it moves the focus); a button reacts to it
  // only while it has the focus.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

TScoreForm::TScoreForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ScoreForm"));
  setWindowTitle(QStringLiteral("Enter Score"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  BuildControls();
  BuildMenu();
  ConnectHandlers();
  setFixedSize(ClientWidth, ClientHeight + MainMenu->sizeHint().height());

  // Creation: today's date and the course list.
  DateField->setText(QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")));
  Guard([this] { ReloadCourses(); });
}

void TScoreForm::BuildControls() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setFixedSize(ClientWidth, ClientHeight);
  outer->addWidget(client);

  auto* page = new QVBoxLayout(client);
  page->setContentsMargins(8, 8, 8, 8);
  page->setSpacing(6);

  // Top: the course, the date and the putts switch on the left; the
  // course's ratings and the golfer's index on the right.
  auto* top = new QHBoxLayout;
  auto* left = new QGridLayout;
  left->setHorizontalSpacing(6);
  left->setVerticalSpacing(5);
  CourseField = new TCourseList(client);
  CourseField->setObjectName(QStringLiteral("CourseField"));
  CourseField->setFixedWidth(250);
  DateField = Edit(client, QStringLiteral("DateField"), 96);
  SkipPuttsChkBox = new QCheckBox(QStringLiteral("Skip Entering Putts"), client);
  SkipPuttsChkBox->setObjectName(QStringLiteral("SkipPuttsChkBox"));
  QFont bold = SkipPuttsChkBox->font();
  bold.setBold(true);
  SkipPuttsChkBox->setFont(bold);
  left->addWidget(BoldLabel(client, QStringLiteral("CourseLabel"), QStringLiteral("Course:")), 0,
                  0);
  left->addWidget(CourseField, 0, 1, Qt::AlignLeft);
  left->addWidget(BoldLabel(client, QStringLiteral("DateLabel"), QStringLiteral("Date:")), 1, 0);
  left->addWidget(DateField, 1, 1, Qt::AlignLeft);
  left->addWidget(SkipPuttsChkBox, 2, 1, Qt::AlignLeft);

  auto* right = new QGridLayout;
  right->setHorizontalSpacing(6);
  right->setVerticalSpacing(5);
  RatingField = Edit(client, QStringLiteral("RatingField"), 50, QStringLiteral("0.0"));
  SlopeField = Edit(client, QStringLiteral("SlopeField"), 50, QStringLiteral("0"));
  IndexField = Edit(client, QStringLiteral("IndexField"), 50);
  right->addWidget(
      BoldLabel(client, QStringLiteral("RatingLabel"), QStringLiteral("Course Rating:")), 0, 0,
      Qt::AlignRight);
  right->addWidget(RatingField, 0, 1);
  right->addWidget(BoldLabel(client, QStringLiteral("SlopeLabel"), QStringLiteral("Slope Rating:")),
                   1, 0, Qt::AlignRight);
  right->addWidget(SlopeField, 1, 1);
  right->addWidget(
      BoldLabel(client, QStringLiteral("IndexLabel"), QStringLiteral("Golfer's Index:")), 2, 0,
      Qt::AlignRight);
  right->addWidget(IndexField, 2, 1);
  top->addLayout(left);
  top->addStretch(1);
  top->addLayout(right);
  page->addLayout(top);

  // The 18-hole grid.
  Card = new TScoreCardGrid(client);
  Score = Card->Score;
  Putts = Card->Putts;
  Par = Card->Par;
  ScoreOut = Card->ScoreOut;
  ScoreIn = Card->ScoreIn;
  ScoreTotal = Card->ScoreTotal;
  PuttsOut = Card->PuttsOut;
  PuttsIn = Card->PuttsIn;
  PuttsTotal = Card->PuttsTotal;
  ParOut = Card->ParOut;
  ParIn = Card->ParIn;
  ParTotal = Card->ParTotal;
  page->addWidget(Card, 0, Qt::AlignHCenter);
  page->addStretch(1);

  // Below the grid: the comment on the left, the round's results on the right.
  auto* bottom = new QHBoxLayout;
  auto* comment = new QVBoxLayout;
  comment->setSpacing(2);
  CommentField = new TCommentEdit(client);
  CommentField->setObjectName(QStringLiteral("CommentField"));
  CommentField->setFixedSize(330, 56);
  comment->addWidget(
      BoldLabel(client, QStringLiteral("CommentLabel"), QStringLiteral("Comments:")));
  comment->addWidget(CommentField);
  auto* results = new QGridLayout;
  results->setHorizontalSpacing(6);
  results->setVerticalSpacing(5);
  AdjScore = Edit(client, QStringLiteral("AdjScore"), 50);
  ScoreDiff = Edit(client, QStringLiteral("ScoreDiff"), 50);
  results->addWidget(
      BoldLabel(client, QStringLiteral("AdjScoreLabel"), QStringLiteral("Adjusted Gross Score:")),
      0, 0, Qt::AlignRight);
  results->addWidget(AdjScore, 0, 1);
  results->addWidget(
      BoldLabel(client, QStringLiteral("ScoreDiffLabel"), QStringLiteral("Score Differential:")), 1,
      0, Qt::AlignRight);
  results->addWidget(ScoreDiff, 1, 1);
  bottom->addLayout(comment);
  bottom->addStretch(1);
  bottom->addLayout(results);
  page->addLayout(bottom);
  page->addStretch(2);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(24);
  OKButton = Button(client, QStringLiteral("OKButton"), QStringLiteral("OK"));
  CancelButton = Button(client, QStringLiteral("CancelButton"), QStringLiteral("Cancel"));
  AddCourseButton = Button(client, QStringLiteral("AddCourseButton"), QStringLiteral("Add Course"));
  buttons->addStretch(1);
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  buttons->addWidget(AddCourseButton);
  buttons->addStretch(1);
  page->addLayout(buttons);

  for (QLineEdit* field : {RatingField, SlopeField, IndexField, AdjScore, ScoreDiff}) {
    MakeReadOnly(field);
    field->setFocusPolicy(Qt::ClickFocus);
  }

  GolferName = Hidden(this, QStringLiteral("GolferName"));
  OkPressed = Result.Field();
  CoursePicked = Hidden(this, QStringLiteral("CoursePicked"), QStringLiteral("0"));
  CourseName2 = Hidden(this, QStringLiteral("CourseName2"));
  AddingGroup = Hidden(this, QStringLiteral("AddingGroup"), QStringLiteral("0"));
  // A number from the start, so that a round typed before any course is
  // picked can be summed; the pick sets the golfer's own value.
  CourseHandicapField = Hidden(this, QStringLiteral("CourseHandicapField"), QStringLiteral("0"));

  // Tab order: course, date, putts switch, then hole by hole score and
  // putts, then the buttons and last the comment. The pars and sums are no
  // tab stops but sit in the chain where they stand on the card, so Tab
  // from one reached with the mouse (or from the total, where a "0" in the
  // first hole sends the focus) goes on to the next field of the card.
  QWidget* previous = CourseField;
  auto chain = [&previous](QWidget* next) {
    QWidget::setTabOrder(previous, next);
    previous = next;
  };
  chain(DateField);
  chain(SkipPuttsChkBox);
  for (int i = 0; i < HoleCount; ++i) {
    chain(Par[i]);
    chain(Score[i]);
    chain(Putts[i]);
    if (i == 8)
      for (QWidget* sum : {ParOut, ScoreOut, PuttsOut}) chain(sum);
  }
  for (QWidget* sum : {ParIn, ScoreIn, PuttsIn, ParTotal, ScoreTotal, PuttsTotal}) chain(sum);
  chain(OKButton);
  chain(CancelButton);
  chain(AddCourseButton);
  chain(CommentField);

  // Every control reports its keys and its focus leaving to the window.
  for (QWidget* control : client->findChildren<QWidget*>())
    if (control->focusPolicy() != Qt::NoFocus) control->installEventFilter(this);
}

void TScoreForm::BuildMenu() {
  MainMenu = new QMenuBar(this);
  MainMenu->setObjectName(QStringLiteral("MainMenu"));
  layout()->setMenuBar(MainMenu);
  File1 = MainMenu->addMenu(QStringLiteral("&File"));
  File1->setObjectName(QStringLiteral("File1"));
  SaveExit1 = File1->addAction(QStringLiteral("&Save/Exit"));
  SaveExit1->setObjectName(QStringLiteral("SaveExit1"));
  Exit1 = File1->addAction(QStringLiteral("E&xit"));
  Exit1->setObjectName(QStringLiteral("Exit1"));
  Edit1 = MainMenu->addMenu(QStringLiteral("&Edit"));
  Edit1->setObjectName(QStringLiteral("Edit1"));
  EditCourses1 = Edit1->addAction(QStringLiteral("&Add A Course"));
  EditCourses1->setObjectName(QStringLiteral("EditCourses1"));
  Help1 = MainMenu->addMenu(QStringLiteral("&Help"));
  Help1->setObjectName(QStringLiteral("Help1"));
  Help2 = Help1->addAction(QStringLiteral("&Help"));
  Help2->setObjectName(QStringLiteral("Help2"));
  AboutQuillmor1 = Help1->addAction(QStringLiteral("&About Quillmor"));
  AboutQuillmor1->setObjectName(QStringLiteral("AboutQuillmor1"));
}

void TScoreForm::ConnectHandlers() {
  // activated comes from the user only (mouse, keys, wheel), never from
  // the window selecting a course itself.
  connect(CourseField, &QComboBox::activated, this,
          Guarded([this](int index) { CourseFieldChange(index + 1); }));
  connect(SkipPuttsChkBox, &QCheckBox::toggled, this, Guarded([this] { SkipPuttsChkBoxClick(); }));
  connect(OKButton, &QPushButton::clicked, this, Guarded([this] { OKButtonClick(); }));
  connect(CancelButton, &QPushButton::clicked, this, Guarded([this] { CancelButtonClick(); }));
  connect(AddCourseButton, &QPushButton::clicked, this,
          Guarded([this] { AddCourseButtonClick(); }));
  connect(SaveExit1, &QAction::triggered, this, Guarded([this] { SaveExit1Click(); }));
  connect(Exit1, &QAction::triggered, this, Guarded([this] { Exit1Click(); }));
  connect(EditCourses1, &QAction::triggered, this, Guarded([this] { EditCourses1Click(); }));
  connect(Help2, &QAction::triggered, this, Guarded([this] { Help2Click(); }));
  connect(AboutQuillmor1, &QAction::triggered, this, Guarded([this] { AboutQuillmor1Click(); }));
}

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
  ParOut->clear();
  ParIn->clear();
  ParTotal->clear();
  for (int i = 0; i < HoleCount; ++i) {
    Score[i]->setText(zero);
    Putts[i]->setText(zero);
  }
  for (QLineEdit* sum : {ScoreOut, ScoreIn, PuttsOut, PuttsIn}) sum->setText(zero);
  for (QLineEdit* field : {ScoreTotal, PuttsTotal, AdjScore, ScoreDiff}) field->clear();
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
  if (table.Count() >= Program().MaxCourses) {
    CurrentPrompts().Warning(msg::CoursesFull());
    return false;
  }
  table.Entries.push_back(course);
  SaveCourses(table);
  return true;
}

int TScoreForm::FindCourseCaseBlind(const std::string& name) const {
  for (int n = 1; n <= courses_.Count(); ++n)
    if (EqualCaseBlind(courses_.At(n).CourseName, name)) return n;
  return 0;
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
  if (courses_.Count() < Program().MaxCourses) return false;
  CurrentPrompts().Warning(msg::CoursesFull());
  return true;
}

void TScoreForm::OpenCourseEditor() {
  TCourseForm* editor = Program().CourseForm;
  if (editor == nullptr) return;
  editor->CourseName->clear();
  editor->Hand.ShowFor(this);
}

// ---- showing, activation, hiding ----

void TScoreForm::FormShow() {
  setWindowTitle(QStringLiteral("Enter Score - ") + GolferName->text());
  notFoundReported_ = false;
  notFoundName_.clear();
  const std::string wanted = FieldBytes(CourseName2);
  if (!wanted.empty()) {
    const int n = FindCourseCaseBlind(wanted);
    if (n == 0) return;
    const bool group = AddingGroup->text() == QLatin1String("1");
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
    CoursePicked->setText(QStringLiteral("0"));
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
      CoursePicked->setText(QStringLiteral("1"));
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
  CoursePicked->setText(QStringLiteral("1"));
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
        FocusField(ScoreTotal);
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
  if (field == ScoreTotal) {
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
  if (field == ScoreTotal) return OKButton;
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
  for (const QLineEdit* sum : {ScoreTotal, ScoreOut, ScoreIn, PuttsOut, PuttsIn, PuttsTotal})
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

void TScoreForm::Close(bool confirmed) { Result.Finish(confirmed); }

void TScoreForm::OKButtonClick() {
  RunPendingExit();
  if (CoursePicked->text() == QLatin1String("0")) {
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

}  // namespace qm
