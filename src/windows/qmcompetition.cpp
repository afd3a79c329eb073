#include "windows/qmcompetition.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/dataexport.h"
#include "engine/tenths.h"
#include "print/competitionsheet.h"
#include "print/printobject.h"
#include "print/printorfile.h"
#include "store/calendar.h"
#include "store/courses.h"
#include "store/csv.h"
#include "store/settings.h"
#include "store/text.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/menus.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/textconv.h"
#include "windows/qmapp.h"
#include "windows/qmmain.h"

namespace qm {

namespace {

const QString kSection = QStringLiteral("CompetitionForm");
const std::string kSettings = "Competition";

QPointer<TCompetitionForm>& Current() {
  static QPointer<TCompetitionForm> current;
  return current;
}

QComboBox* MakeChoice(const char* name, const QStringList& items) {
  auto* box = new QComboBox;
  box->setObjectName(QString::fromLatin1(name));
  box->addItems(items);
  return box;
}

QTableWidget* MakeGrid(const char* name) {
  auto* table = new QTableWidget;
  table->setObjectName(QString::fromLatin1(name));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->verticalHeader()->setVisible(false);
  table->setWordWrap(false);
  return table;
}

void SetRow(QTableWidget* table, int row, const std::vector<std::string>& cells) {
  for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
    auto* item = new QTableWidgetItem(FromBytes(cells[static_cast<std::size_t>(c)]));
    // Names and notes read from the left, figures from the right.
    const bool text = c == 1 || c == static_cast<int>(cells.size()) - 1;
    item->setTextAlignment(Qt::AlignVCenter | (text ? Qt::AlignLeft : Qt::AlignRight));
    table->setItem(row, c, item);
  }
}

QStringList Texts(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list << FromBytes(text);
  return list;
}

const char* FormatName(comp::Format format) {
  switch (format) {
    case comp::Format::StrokePlay: return "Stroke play";
    case comp::Format::Stableford: return "Stableford";
    case comp::Format::ParBogey: return "Par / Bogey";
  }
  return "Stroke play";
}

}  // namespace

TCompetitionForm* TCompetitionForm::Open() {
  if (TCompetitionForm* open = Current().data()) {
    BringToFront(open);
    return open;
  }
  auto* form = new TCompetitionForm;
  if (TMainForm* main = Program().MainForm) main->KeepUntilEnd(form);
  BringToFront(form);
  return form;
}

TCompetitionForm::TCompetitionForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(kSection);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Competition Results"));
  resize(900, 640);
  Current() = this;
  club_ = ReadClub();
  const LoadCoursesResult loaded = LoadCourses(courses_);
  if (!loaded.Message.empty()) CurrentPrompts().Message(FromBytes(loaded.Message));
  SortCourses(courses_);
  Guard([this] { LoadStrokes(strokes_); });
  BuildControls();
  ReadSettings();
  new PlacementKeeper(this, kSection, [] { return Program().Closing; });
  SettingsChange();
}

TCompetitionForm::~TCompetitionForm() = default;

void TCompetitionForm::BuildControls() {
  QMenuBar* bar = MakeMenuBar(this, QStringLiteral("CompetitionMenu"));
  File1 = MakeMenu(bar, "File1", "&File");
  Print1 = MakeItem(File1, "Print1", "&Print");
  ExportResults1 = MakeItem(File1, "ExportResults1", "&Export Results...");
  File1->addSeparator();
  Exit1 = MakeItem(File1, "Exit1", "E&xit");

  DateField = new QDateEdit;
  DateField->setObjectName(QStringLiteral("DateField"));
  DateField->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
  DateField->setCalendarPopup(true);
  CourseField = new QComboBox;
  CourseField->setObjectName(QStringLiteral("CourseField"));
  for (const TCourseRec& course : courses_.Entries)
    CourseField->addItem(FromBytes(CutAtNul(course.CourseName)));
  FormatField = MakeChoice(
      "FormatField",
      {QStringLiteral("Stroke play"), QStringLiteral("Stableford"), QStringLiteral("Par / Bogey")});
  AllowanceField = new QSpinBox;
  AllowanceField->setObjectName(QStringLiteral("AllowanceField"));
  AllowanceField->setRange(0, 100);
  AllowanceField->setSuffix(QStringLiteral("%"));
  HandicapBasisField = MakeChoice(
      "HandicapBasisField",
      {QStringLiteral("Quillmor index"), QStringLiteral("World Handicap System estimate")});
  DivisionsField = new QLineEdit;
  DivisionsField->setObjectName(QStringLiteral("DivisionsField"));
  DivisionsField->setPlaceholderText(QStringLiteral("12, 20"));
  DivisionsMessage = new QLabel;
  DivisionsMessage->setObjectName(QStringLiteral("DivisionsMessage"));
  TiesField =
      MakeChoice("TiesField", {QStringLiteral("Countback"), QStringLiteral("Shared places")});
  FractionsField = MakeChoice("FractionsField",
                              {QStringLiteral("Exact fractions"), QStringLiteral("Whole strokes")});
  ScratchField = new QCheckBox(QStringLiteral("Scratch (no handicaps)"));
  ScratchField->setObjectName(QStringLiteral("ScratchField"));

  auto* left = new QFormLayout;
  left->addRow(QStringLiteral("&Date:"), DateField);
  left->addRow(QStringLiteral("&Course:"), CourseField);
  left->addRow(QStringLiteral("&Format:"), FormatField);
  left->addRow(QStringLiteral("&Allowance:"), AllowanceField);
  auto* right = new QFormLayout;
  right->addRow(QStringLiteral("&Handicaps:"), HandicapBasisField);
  right->addRow(QStringLiteral("D&ivisions:"), DivisionsField);
  right->addRow(QString(), DivisionsMessage);
  right->addRow(QStringLiteral("&Ties:"), TiesField);
  right->addRow(QStringLiteral("F&ractions:"), FractionsField);
  right->addRow(QString(), ScratchField);
  auto* settings = new QHBoxLayout;
  settings->addLayout(left);
  settings->addLayout(right);

  ResultsTable = MakeGrid("ResultsTable");
  CardTable = MakeGrid("CardTable");
  CardTable->verticalHeader()->setVisible(true);
  CardTable->setSelectionMode(QAbstractItemView::NoSelection);
  QStringList holes;
  for (int h = 1; h <= HoleCount; ++h) holes << QString::number(h);
  holes << QStringLiteral("Out") << QStringLiteral("In") << QStringLiteral("Total");
  CardTable->setColumnCount(static_cast<int>(holes.size()));
  CardTable->setHorizontalHeaderLabels(holes);
  CardTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  FieldSummary = new QLabel;
  FieldSummary->setObjectName(QStringLiteral("FieldSummary"));
  FieldSummary->setWordWrap(true);

  auto* tables = new QSplitter(Qt::Vertical);
  tables->addWidget(ResultsTable);
  tables->addWidget(CardTable);
  // The card's seven rows in full below the results.
  CardTable->verticalHeader()->setDefaultSectionSize(CardTable->fontMetrics().height() + 6);
  CardTable->setMinimumHeight(8 * (CardTable->fontMetrics().height() + 6));
  tables->setStretchFactor(0, 1);
  tables->setStretchFactor(1, 0);
  auto* client = new QWidget;
  client->setObjectName(QStringLiteral("Client"));
  auto* layout = new QVBoxLayout(client);
  layout->addLayout(settings);
  layout->addWidget(FieldSummary);
  layout->addWidget(tables, 1);
  setCentralWidget(client);

  const auto changed = Guarded([this] { SettingsChange(); });
  connect(DateField, &QDateEdit::dateChanged, this, changed);
  connect(CourseField, &QComboBox::currentIndexChanged, this, changed);
  connect(FormatField, &QComboBox::currentIndexChanged, this, changed);
  connect(AllowanceField, &QSpinBox::valueChanged, this, changed);
  connect(HandicapBasisField, &QComboBox::currentIndexChanged, this, changed);
  connect(DivisionsField, &QLineEdit::editingFinished, this, changed);
  connect(TiesField, &QComboBox::currentIndexChanged, this, changed);
  connect(FractionsField, &QComboBox::currentIndexChanged, this, changed);
  connect(ScratchField, &QCheckBox::toggled, this, changed);
  connect(ResultsTable, &QTableWidget::itemSelectionChanged, this,
          Guarded([this] { ResultsTableSelect(); }));
  connect(Print1, &QAction::triggered, this, Guarded([this] { Print1Click(); }));
  connect(ExportResults1, &QAction::triggered, this, Guarded([this] { ExportResults1Click(); }));
  connect(Exit1, &QAction::triggered, this, Guarded([this] { Exit1Click(); }));
}

void TCompetitionForm::ReadSettings() {
  filling_ = true;
  // The day of the newest round, at the course most of that day's rounds
  // were played on.
  const std::string newest = NewestDate(club_);
  if (const std::optional<CivilDate> day = DateOfKey(newest)) {
    DateField->setDate(QDate(day->Year, day->Month, day->Day));
  }
  const int busiest = BusiestCourse(club_, courses_, newest);
  if (busiest > 0) CourseField->setCurrentIndex(busiest - 1);
  const auto choice = [](QComboBox* box, const char* key, int fallback) {
    const int n = ReadSettingInt(kSettings, key, fallback);
    box->setCurrentIndex(n >= 0 && n < box->count() ? n : fallback);
  };
  choice(FormatField, "Format", 0);
  AllowanceField->setValue(ReadSettingInt(kSettings, "Allowance", 95));
  choice(HandicapBasisField, "Basis", 0);
  DivisionsField->setText(FromBytes(ReadSettingText(kSettings, "Divisions", "")));
  choice(TiesField, "Ties", 0);
  choice(FractionsField, "Fractions", 0);
  ScratchField->setChecked(ReadSettingBool(kSettings, "Scratch", false));
  filling_ = false;
}

void TCompetitionForm::WriteSettings() const {
  WriteSettingInt(kSettings, "Format", FormatField->currentIndex());
  WriteSettingInt(kSettings, "Allowance", AllowanceField->value());
  WriteSettingInt(kSettings, "Basis", HandicapBasisField->currentIndex());
  WriteSettingText(kSettings, "Divisions", ToBytes(DivisionsField->text()));
  WriteSettingInt(kSettings, "Ties", TiesField->currentIndex());
  WriteSettingInt(kSettings, "Fractions", FractionsField->currentIndex());
  WriteSettingBool(kSettings, "Scratch", ScratchField->isChecked());
}

comp::Settings TCompetitionForm::Chosen() {
  comp::Settings settings;
  settings.Play = static_cast<comp::Format>(FormatField->currentIndex());
  settings.Allowance = AllowanceField->value();
  settings.Countback = TiesField->currentIndex() == 0;
  settings.Fraction =
      FractionsField->currentIndex() == 0 ? comp::Fractions::Exact : comp::Fractions::WholeStrokes;
  settings.Scratch = ScratchField->isChecked();
  const std::optional<std::vector<int>> divisions =
      comp::ParseDivisions(ToBytes(DivisionsField->text()));
  DivisionsMessage->setText(
      divisions ? QString()
                : QStringLiteral("Upper limits of the playing handicap, ascending, such as "
                                 "\"12, 20\": one division meanwhile."));
  if (divisions) settings.Divisions = *divisions;
  return settings;
}

void TCompetitionForm::SettingsChange() {
  if (filling_) return;
  WriteSettings();
  settings_ = Chosen();
  sheet_.clear();
  ResultsTable->clear();
  ResultsTable->setRowCount(0);
  const QStringList headings = Texts(SheetHeadings(settings_.Play));
  ResultsTable->setColumnCount(static_cast<int>(headings.size()));
  ResultsTable->setHorizontalHeaderLabels(headings);
  ShowCard(-1);

  const int n = CourseField->currentIndex() + 1;
  if (n < 1 || n > courses_.Count()) {
    FieldSummary->setText(QStringLiteral("No results: the course list is empty."));
    return;
  }
  const TCourseRec& course = courses_.At(n);
  std::string why;
  if (!CourseFacts(course, strokes_, course_, why)) {
    FieldSummary->setText(FromBytes("No results: " + why));
    return;
  }
  if (settings_.Play != comp::Format::StrokePlay && !course_.Strokes) {
    FieldSummary->setText(FromBytes("No results: " + std::string(FormatName(settings_.Play)) +
                                    " needs the stroke indexes of " + CutAtNul(course.CourseName) +
                                    " (course list, Edit > Stroke Index...)."));
    return;
  }
  const QDate day = DateField->date();
  const std::string key = DateKey({day.year(), day.month(), day.day()});
  // The field is read once for each day, course and basis.
  const std::string fieldKey = key + "~" + std::to_string(n) + "~" +
                               std::to_string(HandicapBasisField->currentIndex()) +
                               (Program().UseMaxIndex ? "~1" : "~0");
  if (fieldKey != fieldKey_) {
    field_ = GatherField(
        club_, course, courses_, strokes_, key,
        HandicapBasisField->currentIndex() == 0 ? HandicapBasis::Quillmor : HandicapBasis::Whs,
        Program().UseMaxIndex);
    fieldKey_ = fieldKey;
  }
  std::vector<comp::Player> players;
  for (const FieldEntry& entry : field_) players.push_back(entry.Player);
  sheet_ = comp::ResultSheet(course_, settings_, players);
  ResultsTable->setRowCount(static_cast<int>(sheet_.size()));
  int placed = 0;
  for (int r = 0; r < ResultsTable->rowCount(); ++r) {
    const comp::Line& line = sheet_[static_cast<std::size_t>(r)];
    SetRow(ResultsTable, r, SheetCells(line));
    if (!line.Pos.empty()) ++placed;
  }
  ResultsTable->resizeColumnsToContents();
  std::string summary = ToBytes(CountOf(static_cast<int>(sheet_.size()), QStringLiteral("player"),
                                        QStringLiteral("players"))) +
                        ", " + std::to_string(placed) + " placed.  " + CutAtNul(course.CourseName) +
                        ": rating " + TenthsText(course_.Rating10) + ", slope " +
                        std::to_string(course_.Slope) + ", par " +
                        std::to_string(course_.ParTotal) + ".  " +
                        (settings_.Scratch ? std::string("Scratch")
                                           : std::to_string(settings_.Allowance) + "% of the " +
                                                 ToBytes(HandicapBasisField->currentText())) +
                        ".";
  if (!club_.Unreadable.empty()) {
    summary += "  Left out, their score files could not be read:";
    for (std::size_t i = 0; i < club_.Unreadable.size(); ++i)
      summary += (i ? ", " : " ") + club_.Unreadable[i];
    summary += ".";
  }
  FieldSummary->setText(FromBytes(summary));
  if (!sheet_.empty()) ResultsTable->selectRow(0);
}

void TCompetitionForm::ResultsTableSelect() {
  const QList<QTableWidgetItem*> selected = ResultsTable->selectedItems();
  ShowCard(selected.isEmpty() ? -1 : selected.front()->row());
}

void TCompetitionForm::ShowCard(int row) {
  CardTable->clearContents();
  if (row < 0 || row >= static_cast<int>(sheet_.size())) {
    CardTable->setRowCount(0);
    return;
  }
  const comp::Player& player =
      field_[static_cast<std::size_t>(sheet_[static_cast<std::size_t>(row)].Player)].Player;
  const std::vector<comp::CardRow> rows = comp::CardRows(course_, settings_, player);
  CardTable->setRowCount(static_cast<int>(rows.size()));
  QStringList headings;
  for (int r = 0; r < CardTable->rowCount(); ++r) {
    const comp::CardRow& card = rows[static_cast<std::size_t>(r)];
    headings << FromBytes(card.Heading);
    for (int c = 0; c < CardTable->columnCount(); ++c) {
      auto* item = new QTableWidgetItem(FromBytes(card.Cells[static_cast<std::size_t>(c)]));
      item->setTextAlignment(Qt::AlignCenter);
      CardTable->setItem(r, c, item);
    }
  }
  CardTable->setVerticalHeaderLabels(headings);
}

std::vector<std::string> TCompetitionForm::Heading() const {
  return {"Competition Results - " + ToBytes(CourseField->currentText()) + ", " +
              ToBytes(DateField->date().toString(QStringLiteral("MM/dd/yyyy"))),
          std::string(FormatName(settings_.Play)) + ", " +
              (settings_.Scratch ? std::string("scratch")
                                 : std::to_string(settings_.Allowance) + "% of the " +
                                       ToBytes(HandicapBasisField->currentText()))};
}

void TCompetitionForm::Print1Click() {
  const std::vector<std::string> lines = SheetLines(Heading(), settings_, sheet_);
  PrintWithPreview(
      "competition",
      [&](PrintDevice& device) {
        TPrintObject page(device);
        page.Start();
        page.SetMargins(0.5f, 0.5f, 0.5f, 0.5f);
        page.SetTextArea(0.75f, 10.25f);
        page.SetFontInformation("Courier", 12, FontStyle{true});
        page.WriteLine(lines.front(), -1, 0.5f);
        page.SetFontInformation("Courier", 9, {});
        for (std::size_t i = 1; i < lines.size(); ++i)
          page.WriteLine(lines[i], -1, TPrintObject::NextLine);
        page.Quit();
      },
      QStringLiteral("Printing completed."));
}

void TCompetitionForm::ExportResults1Click() {
  std::vector<csv::Row> rows = {csv::Row{}};
  for (const std::string& heading : SheetHeadings(settings_.Play))
    rows.front().push_back(Windows1252ToUtf8(heading));
  for (const comp::Line& line : sheet_) {
    csv::Row& row = rows.emplace_back();
    for (const std::string& cell : SheetCells(line)) row.push_back(Windows1252ToUtf8(cell));
  }
  ExportRows(QStringLiteral("Export Results"),
             QStringLiteral("Results %1.csv").arg(DateField->date().toString(Qt::ISODate)), rows,
             QStringLiteral("Wrote %1 to %2.")
                 .arg(CountOf(static_cast<int>(sheet_.size()), QStringLiteral("player"),
                              QStringLiteral("players")),
                      QStringLiteral("%1")));
}

void TCompetitionForm::Exit1Click() { close(); }

}  // namespace qm
