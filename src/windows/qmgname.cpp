#include "windows/qmgname.h"

#include <QButtonGroup>
#include <algorithm>

#include "engine/golfer.h"
#include "store/roster.h"
#include "ui/access.h"
#include "ui/controls.h"
#include "ui/look.h"
#include "ui/prompts.h"
#include "ui/textconv.h"

namespace qm {

namespace {

bool IsShortNameChar(QChar c) {
  return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
         (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
         c == QLatin1Char('_');
}

// The first 8 characters of the long name in upper case, every character
// that cannot be in a short name turned to "_".
QString ShortNameBase(const QString& longName) {
  QString base = longName.left(8);
  for (QChar& c : base) {
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
    if (!IsShortNameChar(c)) c = QLatin1Char('_');
  }
  return base;
}

// The k-th retry: the base shortened so that base and number fit in eight
// characters.
QString Candidate(const QString& base, int k) {
  const int keep = k < 10 ? 7 : k < 100 ? 6 : 5;
  return base.left(keep) + QString::number(k);
}

bool ScoreFileTaken(const QString& shortName) { return ScoreFileExists(ToBytes(shortName)); }

QLabel* NavyLabel(QWidget* parent, const QString& name, const QString& text, QPoint at) {
  QFont bold = parent->font();
  bold.setBold(true);
  QLabel* label = AddLabel(parent, name, text, at, bold);
  PaintNavy(label);
  return label;
}

}  // namespace

TGNameForm::TGNameForm(QWidget* parent)
    : THandOverDialog(parent, QStringLiteral("GNameForm"), QStringLiteral("Golfer Name"),
                      QSize(472, 214)) {
  EditMode = MakeHidden(this, QStringLiteral("EditMode"), QStringLiteral("A"));
  Label2 = NavyLabel(this, QStringLiteral("Label2"), QStringLiteral("Long Name"), {46, 31});
  LongName = new QLineEdit(this);
  LongName->setObjectName(QStringLiteral("LongName"));
  LongName->setGeometry(46, 51, 373, 24);
  LongName->setMaxLength(40);
  LongName->setToolTip(QStringLiteral("Long name for Golfer"));
  NameByLabel(Label2, LongName);
  LongName->installEventFilter(this);

  Label1 = NavyLabel(this, QStringLiteral("Label1"), QStringLiteral("Short Name"), {46, 94});
  ShortName = new QLineEdit(this);
  ShortName->setObjectName(QStringLiteral("ShortName"));
  ShortName->setGeometry(46, 117, 85, 24);
  ShortName->setMaxLength(8);
  // Short names take upper-case letters; typed small ones a-z are turned.
  TypeInCapitals(ShortName, Capitals::AtoZ);
  ShortName->setToolTip(QStringLiteral("8 character name used for Golfer file"));
  NameByLabel(Label1, ShortName);
  ShortName->installEventFilter(this);

  Label3 = new QLabel(QStringLiteral("Note: The Short Name is used to name the file that holds the "
                                     "golfer's scores.  Each golfer must have a unique Short Name "
                                     "value."),
                      this);
  Label3->setObjectName(QStringLiteral("Label3"));
  QFont noteFont(QStringLiteral("Arial"));
  noteFont.setPixelSize(11);
  Label3->setFont(noteFont);
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Where the font here is wider than the one the dialog was drawn for, the
  // note grows downwards (there is room above the buttons) rather than lose
  // its last line.
  Label3->setGeometry(144, 89, 181, std::clamp(Label3->heightForWidth(181), 61, 78));

  SexRadio = new QGroupBox(this);
  SexRadio->setObjectName(QStringLiteral("SexRadio"));
  SexRadio->setGeometry(334, 84, 85, 61);
  auto* group = new QButtonGroup(SexRadio);
  const std::array<QString, 2> captions = {QStringLiteral("Male"), QStringLiteral("Female")};
  const std::array<QString, 2> names = {QStringLiteral("SexRadioMale"),
                                        QStringLiteral("SexRadioFemale")};
  for (int i = 0; i < 2; ++i) {
    auto* item = new QRadioButton(captions[i], SexRadio);
    item->setObjectName(names[i]);
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
    PaintNavy(item);
    item->setGeometry(8, 6 + 26 * i, 75, 24);
    group->addButton(item, i);
    SexItems[i] = item;
  }
  SexItems[0]->setChecked(true);

  AddButtons(QPoint(134, 170));
  activation_.FocusAtShowing(LongName);

  SetTabOrder({LongName, ShortName, OKButton, CancelButton, SexItems[0], SexItems[1]});
}

int TGNameForm::SexIndex() const { return SexItems[1]->isChecked() ? 1 : 0; }

void TGNameForm::SetSexIndex(int index) { SexItems[index == 1 ? 1 : 0]->setChecked(true); }

void TGNameForm::SetMode(Mode mode) {
  mode_ = mode;
  EditMode->setText(mode == Mode::Adding ? QStringLiteral("A") : QStringLiteral("E"));
}

void TGNameForm::PrimeNew() {
  LongName->clear();
  ShortName->clear();
  primedSex_ = 0;
  SetSexIndex(0);
  SetMode(Mode::Adding);
}

void TGNameForm::PrimeEntry(const TRosterEntry& entry) {
  LongName->setText(FromBytes(entry.LongName));
  ShortName->setText(FromBytes(entry.ShortName));
  primedSex_ = entry.Sex;
  SetSexIndex(SexOf(entry) == Sex::Female ? 1 : 0);
  SetMode(Mode::Modifying);
}

TRosterEntry TGNameForm::Entry() const {
  TRosterEntry entry;
  entry.LongName = CutTo(ToBytes(LongName->text()), width::LongName);
  entry.ShortName = CutTo(ToBytes(ShortName->text()), width::ShortName);
  const Sex shown = SexIndex() == 1 ? Sex::Female : Sex::Male;
  entry.Sex = SexOf(primedSex_) == shown ? primedSex_ : SexIndex();
  return entry;
}

void TGNameForm::ShowKeptShortName(const std::string& shortName) {
  ShortName->setText(FromBytes(shortName));
}

void TGNameForm::LongNameExit() {
  if (!ShortName->text().isEmpty()) return;
  const QString base = ShortNameBase(LongName->text());
  if (base.isEmpty()) return;
  QString proposal = base;
  if (mode_ == Mode::Adding) {
    // Past 999 retries a number no longer fits in eight characters; the
    // base is proposed again and OK asks about its existing file.
    for (int k = 1; ScoreFileTaken(proposal) || Held(proposal); ++k) {
      if (k > 999) {
        proposal = base;
        break;
      }
      proposal = Candidate(base, k);
    }
  }
  ShortName->setText(proposal);
}

bool TGNameForm::Held(const QString& shortName) const {
  const std::string stem = ToBytes(shortName);
  return std::find(held_.begin(), held_.end(), stem) != held_.end();
}

void TGNameForm::ShortNameExit() {
  if (LongName->text().isEmpty()) LongName->setText(ShortName->text());
}

void TGNameForm::OKButtonClick() {
  RunPendingExit();
  const QString shortName = ShortName->text();
  if (shortName.isEmpty()) {
    FocusField(ShortName);
    CurrentPrompts().Message(QStringLiteral("You must enter a value in the short name field."));
    return;
  }
  for (QChar c : shortName) {
    if (!IsShortNameChar(c)) {
      FocusField(ShortName);
      CurrentPrompts().Message(
          QStringLiteral("The short golfer name can only contain the letters A - Z, numbers, "
                         "dashes and underlines."));
      return;
    }
  }
  if (!CheckStorable(LongName, QStringLiteral("long name"))) return;
  if (mode_ == Mode::Adding) {
    const std::string stem = ToBytes(shortName);
    if (Held(shortName)) {
      FocusField(ShortName);
      CurrentPrompts().Message(
          QStringLiteral("The score file \"%1\" waits to be renamed when the golfers are saved. "
                         "Choose another short name, or save first.")
              .arg(FromBytes(ScoreFileName(stem))));
      return;
    }
    if (!ScoreFileExists(stem)) {
      CreateEmptyScoreFile(stem);
    } else if (!CurrentPrompts().WarningYesNo(
                   QStringLiteral("A golfer score file with the same name \"%1\" already "
                                  "exists.  Use it for this golfer?")
                       .arg(FromBytes(ScoreFileName(stem))))) {
      FocusField(ShortName);
      return;
    }
  }
  Result.Finish(true);
}

void TGNameForm::FieldExit(QObject* field) {
  if (field == LongName) LongNameExit();
  if (field == ShortName) ShortNameExit();
}

}  // namespace qm
