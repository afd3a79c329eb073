#include "windows/qmcourse.h"

#include <QLabel>

#include "store/courses.h"
#include "store/errors.h"
#include "store/fileio.h"
#include "store/text.h"
#include "ui/access.h"
#include "ui/controls.h"
#include "ui/prompts.h"
#include "ui/textconv.h"

namespace qm {

namespace {

QLineEdit* AddField(QWidget* parent, const QString& name, int x, int y, int w, int h = 24) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setGeometry(x, y, w, h);
  return field;
}

int FieldInt(const QLineEdit* field) { return StrToInt(ToBytes(field->text())); }

std::string Stored(const QLineEdit* field, std::size_t width) {
  return fileio::FieldForFile(CutTo(FieldBytes(field), width));
}

}  // namespace

TCourseForm::TCourseForm(QWidget* parent)
    : THandOverDialog(parent, QStringLiteral("CourseForm"), QStringLiteral("Course Maintenance"),
                      QSize(626, 312)) {
  const Qt::Alignment right = Qt::AlignRight;
  const Qt::Alignment centre = Qt::AlignHCenter;

  QLabel* nameLabel = AddLabel(this, QStringLiteral("CourseNameLabel"),
                               QStringLiteral("Course Name:"), 60, 21, 115, right);
  CourseName = AddField(this, QStringLiteral("CourseName"), 181, 19, 286);
  NameByLabel(nameLabel, CourseName);
  CourseName->setMaxLength(30);
  TypeInCapitals(CourseName, Capitals::SingleByte);

  QLabel* ratingLabel =
      AddLabel(this, QStringLiteral("RatingLabel"), QStringLiteral("Rating:"), 60, 58, 114, right);
  RatingField = AddField(this, QStringLiteral("RatingField"), 180, 56, 49);
  NameByLabel(ratingLabel, RatingField);
  RatingField->setMaxLength(4);

  QLabel* slopeLabel =
      AddLabel(this, QStringLiteral("SlopeLabel"), QStringLiteral("Slope:"), 60, 95, 114, right);
  SlopeField = AddField(this, QStringLiteral("SlopeField"), 180, 93, 50);
  NameByLabel(slopeLabel, SlopeField);
  SlopeField->setMaxLength(3);

  AddLabel(this, QStringLiteral("HoleLabel"), QStringLiteral("Hole:"), 2, 160, 42, right);
  AddLabel(this, QStringLiteral("ParLabel"), QStringLiteral("Par:"), 2, 184, 42, right);

  for (int i = 0; i < 18; ++i) {
    const int x = i < 9 ? 47 + 25 * i : 316 + 25 * (i - 9);
    const QString hole = QString::number(i + 1);
    AddLabel(this, QStringLiteral("HoleLabel") + hole, hole, x - 2, 160, 30, centre);
    Par[i] = AddField(this, QStringLiteral("Par") + hole, x, 182, 26);
    // The hole number above a field says too little alone.
    SetSpokenName(Par[i], QStringLiteral("Par, hole ") + hole);
    Par[i]->setAlignment(Qt::AlignCenter);
    Par[i]->setText(QStringLiteral("0"));
    Par[i]->installEventFilter(this);
  }

  AddLabel(this, QStringLiteral("OutLabel"), QStringLiteral("OUT"), 274, 160, 43, centre);
  ParOut = AddField(this, QStringLiteral("ParOut"), 278, 182, 35);
  AddLabel(this, QStringLiteral("InLabel"), QStringLiteral("IN"), 540, 160, 41, centre);
  ParIn = AddField(this, QStringLiteral("ParIn"), 544, 182, 33);
  for (QLineEdit* sum : {ParOut, ParIn}) {
    sum->setReadOnly(true);
    sum->setFocusPolicy(Qt::NoFocus);
  }
  AddLabel(this, QStringLiteral("TotalLabel"), QStringLiteral("Total"), 579, 160, 47, centre);
  ParTotal = AddField(this, QStringLiteral("ParTotal"), 586, 182, 33, 23);
  SetSpokenName(ParOut, QStringLiteral("Par out"));
  SetSpokenName(ParIn, QStringLiteral("Par in"));
  SetSpokenName(ParTotal, QStringLiteral("Par total"));
  for (QLineEdit* sum : {ParOut, ParIn, ParTotal}) {
    sum->setAlignment(Qt::AlignCenter);
    sum->setText(QStringLiteral("0"));
  }

  AddButtons(QPoint(215, 259));
  activation_.FocusAtShowing(CourseName);

  TabChain chain(CourseName);
  chain.Then(RatingField).Then(SlopeField);
  for (QLineEdit* par : Par) chain.Then(par);
  chain.Then(ParTotal).Then(OKButton).Then(CancelButton);
}

void TCourseForm::PrimeNewCourse() {
  PrimeCourse(TCourseRec{});
  for (QLineEdit* field : Par) field->setText(QStringLiteral("0"));
  ParTotal->setText(QStringLiteral("0"));
}

void TCourseForm::PrimeCourse(const TCourseRec& course) {
  SetFieldBytes(CourseName, course.CourseName);
  SetFieldBytes(RatingField, course.Rating);
  SetFieldBytes(SlopeField, course.Slope);
  for (int i = 0; i < HoleCount; ++i) SetFieldBytes(Par[i], course.HolePar[i]);
  SetFieldBytes(ParTotal, course.ParTotal);
  ParOut->setText(QStringLiteral("0"));
  ParIn->setText(QStringLiteral("0"));
}

void TCourseForm::PrimeNameOnly() { CourseName->clear(); }

TCourseRec TCourseForm::Course() const {
  TCourseRec course;
  course.CourseName = Stored(CourseName, width::CourseName);
  course.Rating = Stored(RatingField, width::Rating);
  course.Slope = Stored(SlopeField, width::Slope);
  for (int i = 0; i < HoleCount; ++i) course.HolePar[i] = Stored(Par[i], width::HoleParMem);
  course.ParTotal = Stored(ParTotal, width::ParTotalMem);
  MakeStorable(course);
  return course;
}

void TCourseForm::RecalcCourseTotals(bool setTotal) {
  for (QLineEdit* par : Par)
    if (par->text().isEmpty()) par->setText(QStringLiteral("0"));
  int out = 0;
  int in = 0;
  for (int i = 0; i < 9; ++i) out += FieldInt(Par[i]);
  for (int i = 9; i < 18; ++i) in += FieldInt(Par[i]);
  ParOut->setText(QString::number(out));
  ParIn->setText(QString::number(in));
  if (setTotal) ParTotal->setText(QString::number(out + in));
}

void TCourseForm::FormActivate() {
  if (!CourseName->text().isEmpty()) RecalcCourseTotals(false);
}

void TCourseForm::Par1Exit() {
  RecalcCourseTotals(true);
  if (Par[0]->text() == QLatin1String("0")) FocusField(ParTotal);
}

void TCourseForm::ParExit(int hole) {
  if (hole == 1) {
    Par1Exit();
    return;
  }
  RecalcCourseTotals(true);
}

void TCourseForm::OKButtonClick() {
  RunPendingExit();
  if (RatingField->text().isEmpty()) RatingField->setText(QStringLiteral("0.0"));
  if (SlopeField->text().isEmpty()) SlopeField->setText(QStringLiteral("0"));
  if (!CheckStorable(CourseName, QStringLiteral("course name")) ||
      !CheckStorable(RatingField, QStringLiteral("rating")) ||
      !CheckStorable(SlopeField, QStringLiteral("slope")))
    return;
  // A hole par that is no number would be stored and break every later
  // use of the course; stop at it as leaving the field would.
  for (QLineEdit* par : Par) {
    if (par->text().isEmpty()) par->setText(QStringLiteral("0"));
    int value = 0;
    if (!TryStrToInt(ToBytes(par->text()), value)) {
      FocusField(par);
      ThrowNotInteger(ToBytes(par->text()));
    }
  }
  const QString total = ParTotal->text();
  if (!total.isEmpty()) {
    int value = 0;
    if (!TryStrToInt(ToBytes(total), value)) {
      FocusField(ParTotal);
      ThrowNotInteger(ToBytes(total));
    }
    if (value > 0) {
      Result.Finish(true);
      return;
    }
  }
  FocusField(ParTotal);
  CurrentPrompts().Message(
      QStringLiteral("You must enter a value of greater than zero for the Total Par."));
}

void TCourseForm::FieldExit(QObject* field) {
  for (int i = 0; i < 18; ++i)
    if (field == Par[i]) ParExit(i + 1);
}

}  // namespace qm
