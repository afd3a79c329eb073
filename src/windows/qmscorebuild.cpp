// The score entry window's controls, laid out as the window shows them, its
// menu and the connections of its handlers.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

#include "app/clock.h"
#include "ui/access.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/menus.h"
#include "windows/qmscore.h"
#include "windows/qmscorecard.h"
#include "windows/qmscorefields.h"

namespace qm {

namespace {

constexpr int ClientWidth = 628;
constexpr int ClientHeight = 389;

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

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption) {
  // Enter is the window's own (it moves the focus); a button reacts to it
  // only while it has the focus.
  QPushButton* button = MakeButton(parent, name, caption, QRect(), EnterKey::Ignored);
  button->setFixedSize(90, 28);
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
  DateField->setText(TodayDisplay());
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

  BuildTopFields(client, page);
  BuildCard(client, page);
  BuildBottom(client, page);

  // Names for screen readers: the label beside each field.
  const std::pair<const char*, QWidget*> labelled[] = {
      {"CourseLabel", CourseField}, {"DateLabel", DateField},     {"RatingLabel", RatingField},
      {"SlopeLabel", SlopeField},   {"IndexLabel", IndexField},   {"CommentLabel", CommentField},
      {"AdjScoreLabel", AdjScore},  {"ScoreDiffLabel", ScoreDiff}};
  for (const auto& [label, field] : labelled)
    NameByLabel(client->findChild<QLabel*>(QString::fromLatin1(label)), field);

  for (QLineEdit* field : {RatingField, SlopeField, IndexField, AdjScore, ScoreDiff}) {
    MakeReadOnly(field);
    field->setFocusPolicy(Qt::ClickFocus);
  }

  GolferName = MakeHidden(this, QStringLiteral("GolferName"));
  OkPressed = Result.Field();
  CoursePicked = MakeHidden(this, QStringLiteral("CoursePicked"), QStringLiteral("0"));
  CourseName2 = MakeHidden(this, QStringLiteral("CourseName2"));
  AddingGroup = MakeHidden(this, QStringLiteral("AddingGroup"), QStringLiteral("0"));
  // A number from the start, so that a round typed before any course is
  // picked can be summed; the pick sets the golfer's own value.
  CourseHandicapField =
      MakeHidden(this, QStringLiteral("CourseHandicapField"), QStringLiteral("0"));

  BuildTabChain();

  // Every control reports its keys and its focus leaving to the window.
  for (QWidget* control : client->findChildren<QWidget*>())
    if (control->focusPolicy() != Qt::NoFocus) control->installEventFilter(this);
}

void TScoreForm::BuildTopFields(QWidget* client, QVBoxLayout* page) {
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
}

void TScoreForm::BuildCard(QWidget* client, QVBoxLayout* page) {
  // The 18-hole grid.
  Card = new TScoreCardGrid(client);
  Score = Card->Score;
  Putts = Card->Putts;
  Par = Card->Par;
  page->addWidget(Card, 0, Qt::AlignHCenter);
  page->addStretch(1);
}

void TScoreForm::BuildBottom(QWidget* client, QVBoxLayout* page) {
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
}

void TScoreForm::BuildTabChain() {
  // Tab order: course, date, putts switch, then hole by hole score and
  // putts, then the buttons and last the comment. The pars and sums are no
  // tab stops but sit in the chain where they stand on the card, so Tab
  // from one reached with the mouse (or from the total, where a "0" in the
  // first hole sends the focus) goes on to the next field of the card.
  TabChain chain(CourseField);
  chain.Then(DateField).Then(SkipPuttsChkBox);
  for (int i = 0; i < HoleCount; ++i) {
    chain.Then(Par[i]).Then(Score[i]).Then(Putts[i]);
    if (i == 8)
      for (QWidget* sum : {Card->ParOut, Card->ScoreOut, Card->PuttsOut}) chain.Then(sum);
  }
  for (QWidget* sum : {Card->ParIn, Card->ScoreIn, Card->PuttsIn, Card->ParTotal, Card->ScoreTotal,
                       Card->PuttsTotal})
    chain.Then(sum);
  chain.Then(OKButton).Then(CancelButton).Then(AddCourseButton).Then(CommentField);
}

void TScoreForm::BuildMenu() {
  MainMenu = MakeMenuBar(this, QStringLiteral("MainMenu"));
  File1 = MakeMenu(MainMenu, "File1", "&File");
  SaveExit1 = MakeItem(File1, "SaveExit1", "&Save/Exit");
  Exit1 = MakeItem(File1, "Exit1", "E&xit");
  Edit1 = MakeMenu(MainMenu, "Edit1", "&Edit");
  EditCourses1 = MakeItem(Edit1, "EditCourses1", "&Add A Course");
  Help = MakeHelpMenu(MainMenu, this);
}

void TScoreForm::ConnectHandlers() {
  OnUserPick(CourseField, this, [this](int n) { CourseFieldChange(n); });
  connect(SkipPuttsChkBox, &QCheckBox::toggled, this, Guarded([this] { SkipPuttsChkBoxClick(); }));
  connect(OKButton, &QPushButton::clicked, this, Guarded([this] { OKButtonClick(); }));
  connect(CancelButton, &QPushButton::clicked, this, Guarded([this] { CancelButtonClick(); }));
  connect(AddCourseButton, &QPushButton::clicked, this,
          Guarded([this] { AddCourseButtonClick(); }));
  connect(SaveExit1, &QAction::triggered, this, Guarded([this] { SaveExit1Click(); }));
  connect(Exit1, &QAction::triggered, this, Guarded([this] { Exit1Click(); }));
  connect(EditCourses1, &QAction::triggered, this, Guarded([this] { EditCourses1Click(); }));
}

}  // namespace qm
