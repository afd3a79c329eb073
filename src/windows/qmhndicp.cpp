#include "windows/qmhndicp.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/clock.h"
#include "engine/coursehcp.h"
#include "print/printorfile.h"
#include "store/courses.h"
#include "ui/access.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/look.h"
#include "ui/menus.h"
#include "ui/messages.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/textconv.h"
#include "windows/qmabout.h"

namespace qm {

namespace {

// A field's caption: 110 pixels wide, 22 high, the text on the left.
QLabel* Caption(QWidget* parent, const char* name, const char* text, int x, int y) {
  return AddLabel(parent, QString::fromLatin1(name), QString::fromLatin1(text), x, y, 110,
                  Qt::AlignLeft, 22);
}

QLineEdit* MakeReadOnly(QWidget* parent, const char* name, QRect where, bool tabStop) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(true);
  field->setGeometry(where);
  field->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
  return field;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int x) {
  return MakeButton(parent, QString::fromLatin1(name), QString::fromLatin1(caption),
                    {x, 272, 89, 33}, EnterKey::Ignored);
}

std::string Text(const QLineEdit* field) { return ToBytes(field->text()); }

}  // namespace

std::vector<std::string> HandicapSheetLines(const std::string& date, const std::string& golferName,
                                            const TCourseSummaryRec& course,
                                            const std::string& indexText,
                                            const std::string& handicapSentence,
                                            const std::string& predictedSentence) {
  return {
      "QUILLMOR COURSE HANDICAP AS OF:  " + date,
      "FOR:  " + golferName,
      "AT:   " + course.CourseName,
      "",
      "Course Rating: " + course.Rating,
      "Slope Rating:  " + course.Slope,
      "Par:           " + course.ParTotal,
      "Index:         " + indexText,
      "",
      handicapSentence,
      predictedSentence,
  };
}

THandicapForm* THandicapForm::Open(const TRosterEntry& golfer, const std::string& indexText) {
  auto* form = new THandicapForm;
  form->GolferName->setText(FromBytes(golfer.LongName));
  form->GolferShortName->setText(FromBytes(golfer.ShortName));
  form->IndexField->setText(FromBytes(indexText));
  BringToFront(form);
  return form;
}

THandicapForm::THandicapForm() : QDialog(nullptr) {
  setObjectName(QStringLiteral("HandicapForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Course Handicap"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  UseDialogFont(this);
  BuildControls();
  BuildMenu();
  ConnectHandlers();
  setFixedSize(ClientWidth, ClientHeight + MainMenu->sizeHint().height());

  // Creation: the course list, no course picked yet.
  Guard([this] {
    const LoadCoursesResult result = LoadCourseSummaries(courses_);
    SortCourses(courses_);
    QStringList names;
    for (const TCourseSummaryRec& course : courses_.Entries) names << FromBytes(course.CourseName);
    CourseField->addItems(names);
    if (!result.Message.empty()) CurrentPrompts().Message(FromBytes(result.Message));
  });
  // A filled combo box selects its first item by itself; the user has to
  // pick one.
  CourseField->setCurrentIndex(-1);
  courseChosen_ = false;
}

void THandicapForm::BuildControls() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setFixedSize(ClientWidth, ClientHeight);
  outer->addWidget(client);

  Label1 = Caption(client, "Label1", "Course:", 24, 24);
  CourseField = new QComboBox(client);
  CourseField->setObjectName(QStringLiteral("CourseField"));
  CourseField->setEditable(false);
  CourseField->setGeometry(134, 22, 340, 26);
  CourseField->setMaxVisibleItems(16);

  Label2 = Caption(client, "Label2", "Course Rating:", 24, 72);
  RatingField = MakeReadOnly(client, "RatingField", {134, 70, 70, 24}, false);
  Label3 = Caption(client, "Label3", "Slope Rating:", 24, 106);
  SlopeField = MakeReadOnly(client, "SlopeField", {134, 104, 70, 24}, false);
  Label4 = Caption(client, "Label4", "Par:", 280, 72);
  ParField = MakeReadOnly(client, "ParField", {360, 70, 70, 24}, true);
  Label5 = Caption(client, "Label5", "Index:", 280, 106);
  IndexField = MakeReadOnly(client, "IndexField", {360, 104, 70, 24}, true);
  for (QLabel* label : {Label4, Label5}) label->setFixedWidth(70);
  NameByLabel(Label1, CourseField);
  NameByLabel(Label2, RatingField);
  NameByLabel(Label3, SlopeField);
  NameByLabel(Label4, ParField);
  NameByLabel(Label5, IndexField);

  // The two sentences read as text on the window, not as fields.
  Hdcp1 = MakeReadOnly(client, "Hdcp1", {24, 168, 450, 24}, false);
  Hdcp2 = MakeReadOnly(client, "Hdcp2", {24, 204, 450, 24}, false);
  SetSpokenName(Hdcp1, QStringLiteral("Course handicap"));
  SetSpokenName(Hdcp2, QStringLiteral("Predicted score"));
  for (QLineEdit* sentence : {Hdcp1, Hdcp2}) {
    sentence->setFrame(false);
    PaintPlain(sentence);
  }

  OKButton = Button(client, "OKButton", "OK", 126);
  PrintButton = Button(client, "PrintButton", "Print", 283);

  GolferName = new QLineEdit(client);
  GolferName->setObjectName(QStringLiteral("GolferName"));
  GolferName->setVisible(false);
  GolferShortName = new QLineEdit(client);
  GolferShortName->setObjectName(QStringLiteral("GolferShortName"));
  GolferShortName->setVisible(false);

  SetTabOrder({CourseField, OKButton, ParField, IndexField, PrintButton});
}

void THandicapForm::BuildMenu() {
  MainMenu = MakeMenuBar(this, QStringLiteral("MainMenu"));
  File1 = MakeMenu(MainMenu, "File1", "&File");
  Exit1 = MakeItem(File1, "Exit1", "E&xit");
  Help = MakeHelpMenu(MainMenu, this);
}

void THandicapForm::ConnectHandlers() {
  OnUserPick(CourseField, this, [this](int n) { ShowHandicap(n); });
  connect(OKButton, &QPushButton::clicked, this, Guarded([this] { OKButtonClick(); }));
  connect(PrintButton, &QPushButton::clicked, this, Guarded([this] { PrintButtonClick(); }));
  connect(Exit1, &QAction::triggered, this, Guarded([this] { Exit1Click(); }));
}

void THandicapForm::FormActivate() {
  setWindowTitle(QStringLiteral("Course Handicap - ") + GolferName->text());
  if (CourseField->currentText().isEmpty())
    Hdcp1->setText(QStringLiteral("Please select a course."));
}

void THandicapForm::ShowHandicap(int n) {
  // Set again only when both sentences belong to this course: Print must
  // never pair this course with the sentences of an earlier pick.
  courseChosen_ = false;
  const TCourseSummaryRec& course = courses_.At(n);
  RatingField->setText(FromBytes(course.Rating));
  SlopeField->setText(FromBytes(course.Slope));
  ParField->setText(FromBytes(course.ParTotal));
  const int handicap = ComputeCourseHandicap(Text(IndexField), course.Slope);
  Hdcp1->setText(QStringLiteral("Handicap for ") + GolferName->text() +
                 QStringLiteral(" at this course is: ") + QString::number(handicap));
  Hdcp1->setCursorPosition(0);
  const int predicted = ComputePredictedScore(handicap, course.ParTotal);
  Hdcp2->setText(QStringLiteral("Predicted score for ") + GolferName->text() +
                 QStringLiteral(" is: ") + QString::number(predicted));
  Hdcp2->setCursorPosition(0);
  courseChosen_ = true;
}

void THandicapForm::OKButtonClick() {
  courses_.Clear();
  close();
}

void THandicapForm::Exit1Click() { OKButtonClick(); }

void THandicapForm::reject() {
  Guard([this] { OKButtonClick(); });
}

void THandicapForm::Help2Click() { CurrentPrompts().Warning(msg::HelpNotImplemented()); }

void THandicapForm::AboutQuillmor1Click() { OpenAboutBox(this); }

void THandicapForm::PrintButtonClick() {
  if (!courseChosen_) {
    CurrentPrompts().Message(msg::SelectCourseFirst());
    return;
  }
  const TCourseSummaryRec& course = courses_.At(CourseField->currentIndex() + 1);
  const std::string date = ToBytes(TodayDisplay());

  PrinterOrFileJob job;
  job.Question = QStringLiteral("Output handicap list to the printer or to a file?");
  job.FileName = Text(GolferShortName) + ".qmh";
  job.CreatedMessage =
      QStringLiteral("Handicap file \"") + FromBytes(job.FileName) + QStringLiteral("\" created.");
  job.Lines = LinesOf(HandicapSheetLines(date, Text(GolferName), course, Text(IndexField),
                                         Text(Hdcp1), Text(Hdcp2)));
  PrintOrWrite(job);
}

void THandicapForm::closeEvent(QCloseEvent* event) { event->accept(); }

void THandicapForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) {
    shown_ = true;
    CentreOnScreen(this);
  }
}

}  // namespace qm
