#include "print/qmprthdp.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "print/hdcpcards.h"
#include "print/hdcplist.h"
#include "print/printorfile.h"
#include "print/reporttext.h"
#include "store/courses.h"
#include "store/roster.h"
#include "store/text.h"
#include "ui/access.h"
#include "ui/controls.h"
#include "ui/guard.h"
#include "ui/messages.h"
#include "ui/placement.h"
#include "ui/prompts.h"
#include "ui/rosterload.h"
#include "ui/textconv.h"

namespace qm {

namespace {

// Each list item carries the 1-based roster position of its golfer.
constexpr int kPositionRole = Qt::UserRole;

int PositionOf(const QListWidgetItem* item) { return item->data(kPositionRole).toInt(); }

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, QRect where) {
  auto* label = new QLabel(QString::fromLatin1(caption), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(where);
  return label;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, QRect where) {
  return MakeButton(parent, QString::fromLatin1(name), QString::fromLatin1(caption), where,
                    EnterKey::Ignored);
}

QListWidget* MakeList(QWidget* parent, const char* name, int x) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // The golfer list keeps the roster's order itself; Qt's sorting would
  // compare differently.
  list->setSortingEnabled(false);
  list->setGeometry(x, 82, 140, 176);
  return list;
}

}  // namespace

TPrintHandicapsDlg::TPrintHandicapsDlg(std::function<bool()> useMaxIndex, QWidget* parent)
    : QDialog(parent), useMaxIndex_(std::move(useMaxIndex)) {
  setObjectName(QStringLiteral("PrintHandicapsDlg"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Print Handicaps Dialog"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setModal(false);
  setFixedSize(ClientWidth, ClientHeight);
  UseDialogFont(this);
  BuildControls();
  ConnectHandlers();
  Guard([this] { FormCreate(); });
  // A filled combo box selects its first item by itself; the user picks.
  CourseField->setCurrentIndex(-1);
  courseChosen_ = false;
  SetButtons();
}

void TPrintHandicapsDlg::BuildControls() {
  Label1 = MakeLabel(this, "Label1", "Select Course:", {8, 8, 200, 18});
  CourseField = new QComboBox(this);
  CourseField->setObjectName(QStringLiteral("CourseField"));
  CourseField->setEditable(false);
  CourseField->setGeometry(8, 28, 326, 26);
  CourseField->setMaxVisibleItems(16);
  NameByLabel(Label1, CourseField);

  SrcLabel = MakeLabel(this, "SrcLabel", "Golfer List:", {8, 62, 140, 18});
  GolferListBox = MakeList(this, "GolferListBox", 8);
  DstLabel = MakeLabel(this, "DstLabel", "Golfers-to-Print List:", {194, 62, 148, 18});
  PrintListBox = MakeList(this, "PrintListBox", 194);
  NameByLabel(SrcLabel, GolferListBox);
  NameByLabel(DstLabel, PrintListBox);

  IncludeBtn = Button(this, "IncludeBtn", ">", {156, 104, 30, 26});
  IncAllBtn = Button(this, "IncAllBtn", ">>", {156, 136, 30, 26});
  ExcludeBtn = Button(this, "ExcludeBtn", "<", {156, 178, 30, 26});
  ExAllBtn = Button(this, "ExAllBtn", "<<", {156, 210, 30, 26});

  Label2 = MakeLabel(this, "Label2", "Select Font Size:", {8, 272, 120, 22});
  FontSize = new QComboBox(this);
  FontSize->setObjectName(QStringLiteral("FontSize"));
  FontSize->setEditable(false);
  FontSize->addItems({"8", "9", "10", "11", "12"});
  FontSize->setCurrentIndex(2);
  FontSize->setGeometry(130, 270, 60, 26);
  NameByLabel(Label2, FontSize);

  PrintListButton = Button(this, "PrintListButton", "Print List", {8, 300, 102, 31});
  PrintCardsButton = Button(this, "PrintCardsButton", "Print Cards", {120, 300, 102, 31});
  ExitButton = Button(this, "ExitButton", "Exit", {232, 300, 102, 31});

  SetTabOrder({CourseField, GolferListBox, IncludeBtn, IncAllBtn, ExcludeBtn, ExAllBtn,
               PrintListBox, FontSize, PrintListButton, PrintCardsButton, ExitButton});
}

void TPrintHandicapsDlg::ConnectHandlers() {
  // activated comes from the user only: a click in the list or its keys.
  connect(CourseField, &QComboBox::activated, this, Guarded([this] { CourseFieldClick(); }));
  CourseField->installEventFilter(this);
  // A double-click anywhere in a list, on an item or not.
  GolferListBox->viewport()->installEventFilter(this);
  PrintListBox->viewport()->installEventFilter(this);
  connect(IncludeBtn, &QPushButton::clicked, this, Guarded([this] { IncludeBtnClick(); }));
  connect(IncAllBtn, &QPushButton::clicked, this, Guarded([this] { IncAllBtnClick(); }));
  connect(ExcludeBtn, &QPushButton::clicked, this, Guarded([this] { ExcludeBtnClick(); }));
  connect(ExAllBtn, &QPushButton::clicked, this, Guarded([this] { ExcAllBtnClick(); }));
  connect(PrintListButton, &QPushButton::clicked, this,
          Guarded([this] { PrintListButtonClick(); }));
  connect(PrintCardsButton, &QPushButton::clicked, this,
          Guarded([this] { PrintCardsButtonClick(); }));
  connect(ExitButton, &QPushButton::clicked, this, Guarded([this] { ExitButtonClick(); }));
}

void TPrintHandicapsDlg::FormCreate() {
  const LoadCoursesResult courses = LoadCourseSummaries(courses_);
  SortCourses(courses_);
  for (const TCourseSummaryRec& course : courses_.Entries)
    CourseField->addItem(FromBytes(CutAtNul(course.CourseName)));
  if (!courses.Message.empty()) CurrentPrompts().Message(FromBytes(courses.Message));
  LoadSortedRoster(roster_);
  for (int n = 1; n <= roster_.Count(); ++n) AddGolfer(GolferListBox, n);
}

bool TPrintHandicapsDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == CourseField && event->type() == QEvent::KeyPress) {
    courseChosen_ = true;
  } else if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == GolferListBox->viewport()) {
      Guard([this] { GolferListBoxDblClick(); });
      return true;
    }
    if (watched == PrintListBox->viewport()) {
      Guard([this] { PrintListBoxDblClick(); });
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TPrintHandicapsDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) {
    shown_ = true;
    CentreOnScreen(this);
  }
}

void TPrintHandicapsDlg::CourseFieldClick() { courseChosen_ = true; }

bool TPrintHandicapsDlg::CourseChosen() const {
  return courseChosen_ && CourseField->currentIndex() >= 0;
}

void TPrintHandicapsDlg::AddGolfer(QListWidget* list, int position) {
  auto* item = new QListWidgetItem(FromBytes(CutAtNul(roster_.At(position).LongName)));
  item->setData(kPositionRole, position);
  int row = list->count();
  if (list == GolferListBox) {
    // The roster is in alphabetical order (by bytes), so its positions are.
    row = 0;
    while (row < list->count() && PositionOf(list->item(row)) < position) ++row;
  }
  list->insertItem(row, item);
}

int TPrintHandicapsDlg::GetFirstSelection(const QListWidget* list) {
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->isSelected()) return row;
  return -1;
}

void TPrintHandicapsDlg::MoveSelected(QListWidget* source, QListWidget* destination) {
  for (int row = source->count() - 1; row >= 0; --row) {
    if (!source->item(row)->isSelected()) continue;
    std::unique_ptr<QListWidgetItem> item(source->takeItem(row));
    AddGolfer(destination, PositionOf(item.get()));
  }
}

void TPrintHandicapsDlg::SetItem(QListWidget* list, int index) {
  list->setFocus();
  if (list->count() > 0) {
    if (index < 0) index = 0;
    if (index >= list->count()) index = list->count() - 1;
    list->selectionModel()->setCurrentIndex(list->model()->index(index, 0),
                                            QItemSelectionModel::Select);
  }
  SetButtons();
}

void TPrintHandicapsDlg::SetButtons() {
  const bool golfers = GolferListBox->count() > 0;
  const bool chosen = PrintListBox->count() > 0;
  IncludeBtn->setEnabled(golfers);
  IncAllBtn->setEnabled(golfers);
  ExcludeBtn->setEnabled(chosen);
  ExAllBtn->setEnabled(chosen);
}

void TPrintHandicapsDlg::IncludeBtnClick() {
  const int first = GetFirstSelection(GolferListBox);
  MoveSelected(GolferListBox, PrintListBox);
  SetItem(GolferListBox, first);
}

void TPrintHandicapsDlg::ExcludeBtnClick() {
  const int first = GetFirstSelection(PrintListBox);
  MoveSelected(PrintListBox, GolferListBox);
  SetItem(PrintListBox, first);
}

void TPrintHandicapsDlg::GolferListBoxDblClick() { IncludeBtnClick(); }
void TPrintHandicapsDlg::PrintListBoxDblClick() { ExcludeBtnClick(); }

void TPrintHandicapsDlg::IncAllBtnClick() {
  while (GolferListBox->count() > 0) {
    std::unique_ptr<QListWidgetItem> item(GolferListBox->takeItem(0));
    AddGolfer(PrintListBox, PositionOf(item.get()));
  }
  SetItem(GolferListBox, 0);
}

void TPrintHandicapsDlg::ExcAllBtnClick() {
  while (PrintListBox->count() > 0) {
    std::unique_ptr<QListWidgetItem> item(PrintListBox->takeItem(0));
    AddGolfer(GolferListBox, PositionOf(item.get()));
  }
  SetItem(PrintListBox, 0);
}

std::vector<TRosterEntry> TPrintHandicapsDlg::PrintGolfers() const {
  std::vector<TRosterEntry> golfers;
  for (int row = 0; row < PrintListBox->count(); ++row)
    golfers.push_back(roster_.At(PositionOf(PrintListBox->item(row))));
  return golfers;
}

bool TPrintHandicapsDlg::ReadyToPrint() {
  if (!CourseChosen()) {
    CurrentPrompts().Message(msg::SelectCourseFirst());
    return false;
  }
  if (PrintListBox->count() == 0) {
    CurrentPrompts().Message(QStringLiteral("You must select at least one golfer."));
    return false;
  }
  return true;
}

const TCourseSummaryRec& TPrintHandicapsDlg::ChosenCourse() const {
  return courses_.At(CourseField->currentIndex() + 1);
}

int TPrintHandicapsDlg::ChosenFontSize() const { return FontSize->currentText().toInt(); }

void TPrintHandicapsDlg::PrintListButtonClick() {
  if (!ReadyToPrint()) return;
  const TCourseSummaryRec course = ChosenCourse();
  const std::vector<TRosterEntry> golfers = PrintGolfers();
  const bool useMaxIndex = useMaxIndex_ ? useMaxIndex_() : true;
  const std::string date = TodayText();

  PrinterOrFileJob job;
  job.Question = QStringLiteral("Output handicap list to the printer or to a file?");
  job.FileName = HandicapListFileName;
  job.CreatedMessage = QStringLiteral("Handicap file \"HDCPLIST.QMR\" created.");
  job.Layout.FontSize = ChosenFontSize();
  job.Lines = [&](ReportSink& out) { HandicapListLines(date, course, golfers, useMaxIndex, out); };
  PrintOrWrite(job);
}

void TPrintHandicapsDlg::PrintCardsButtonClick() {
  if (!ReadyToPrint()) return;
  Prompts& prompts = CurrentPrompts();
  const int cardsLeft = prompts.CardsOnFirstSheet();
  // Cancel in the card details dialog ends the card printing.
  if (cardsLeft < 1 || cardsLeft > 10) return;

  CardJob job;
  job.Course = ChosenCourse();
  job.Golfers = PrintGolfers();
  job.FontSize = ChosenFontSize();
  job.CardsLeft = cardsLeft;
  job.UseMaxIndex = useMaxIndex_ ? useMaxIndex_() : true;
  job.Date = TodayText();

  PrintWithPreview(
      "hdcpcards", [&job](PrintDevice& device) { PrintHandicapCards(device, job); },
      QStringLiteral("Handicap cards have been sent to the printer."));
}

void TPrintHandicapsDlg::ExitButtonClick() {
  courses_.Clear();
  roster_.Clear();
  close();
}

}  // namespace qm
