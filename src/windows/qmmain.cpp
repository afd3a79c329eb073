#include "windows/qmmain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

#include "app/backup.h"
#include "app/clock.h"
#include "app/dataexport.h"
#include "store/errors.h"
#include "store/settings.h"
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
#include "windows/qmapp.h"
#include "windows/qmcmaint.h"
#include "windows/qmgmaint.h"
#include "windows/qmgpick.h"
#include "windows/qmscore.h"

namespace qm {

namespace {

const QString kTitle = msg::ProgramTitle();
const QString kZipFilter = QStringLiteral("Zip files (*.zip);;All files (*)");

// Widens a one-line control to its text when the font on this machine is
// wider than the one the layout was drawn for, keeping its centre.
void FitWidth(QWidget* control, const QString& text, int extra) {
  const int needed = QFontMetrics(control->font()).horizontalAdvance(text) + extra;
  const QRect at = control->geometry();
  if (needed <= at.width()) return;
  control->setGeometry(at.center().x() - needed / 2, at.y(), needed, at.height());
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int y) {
  return MakeButton(parent, QString::fromLatin1(name), QString::fromLatin1(caption),
                    {303, y, 120, 40}, EnterKey::Presses);
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
  InitResources();
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(kTitle);
  // A minimize box but no maximize box. The window keeps the size of its
  // layout (see below): window managers such as openbox offer to maximize
  // every window that can be resized, and a larger main window is only a
  // white area around controls that stay where they are.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  BuildControls();
  BuildMenu();
  ConnectHandlers();

  Guard([this] { FormCreate(); });
  const PlacementDefaults layout = DefaultPlacement(QStringLiteral("MainForm"));
  setFixedSize(layout.Width, layout.Height);
  FitWidth(VersionField, VersionField->text(), 8);
  EditGolferButton->setFocus();
}

TMainForm::~TMainForm() { DestroyOpenedWindows(); }

void TMainForm::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  PaintWhite(client);
  setCentralWidget(client);

  Label1 = new QLabel(kTitle, client);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont titleFont = Label1->font();
  titleFont.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                         QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
  titleFont.setStyleHint(QFont::Serif);
  titleFont.setPixelSize(27);
  titleFont.setBold(true);
  Label1->setFont(titleFont);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setGeometry(97, 28, 265, 31);
  FitWidth(Label1, kTitle, 4);

  Image1 = new QLabel(client);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(63, 69, 161, 201);
  Image1->setPixmap(QPixmap(QStringLiteral(":/quillmor/quillmor.png")));
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->setToolTip(QStringLiteral("About Quillmor"));
  Image1->installEventFilter(this);

  EditGolferButton = Button(client, "EditGolferButton", "Edit Golfers", 75);
  EditCoursesButton = Button(client, "EditCoursesButton", "Edit Courses", 120);
  EnterScoresButton = Button(client, "EnterScoresButton", "Enter Scores", 165);
  ExitButton = Button(client, "ExitButton", "Exit", 210);
  SetTabOrder({EditGolferButton, EditCoursesButton, EnterScoresButton, ExitButton});

  VersionField = new QLineEdit(client);
  VersionField->setObjectName(QStringLiteral("VersionField"));
  SetSpokenName(VersionField, QStringLiteral("Version"));
  VersionField->setReadOnly(true);
  VersionField->setFrame(false);
  VersionField->setFocusPolicy(Qt::NoFocus);
  QFont smallFont = VersionField->font();
  smallFont.setFamilies({QStringLiteral("Small Fonts"), smallFont.family()});
  smallFont.setPixelSize(9);
  VersionField->setFont(smallFont);
  VersionField->setGeometry(189, 280, 82, 17);
}

void TMainForm::BuildMenu() {
  QMenuBar* bar = MakeMenuBar(this, QStringLiteral("MainMenu"));
  File1 = MakeMenu(bar, "File1", "&File");
  BackUp1 = MakeItem(File1, "BackUp1", "&Back Up Data...");
  Restore1 = MakeItem(File1, "Restore1", "&Restore Data...");
  Colours1 = File1->addMenu(QStringLiteral("&Colours"));
  Colours1->setObjectName(QStringLiteral("Colours1"));
  auto* schemes = new QActionGroup(Colours1);
  ColoursSystem1 = MakeItem(Colours1, "ColoursSystem1", "Follow the &Desktop");
  ColoursLight1 = MakeItem(Colours1, "ColoursLight1", "&Light");
  ColoursDark1 = MakeItem(Colours1, "ColoursDark1", "D&ark");
  for (QAction* item : {ColoursSystem1, ColoursLight1, ColoursDark1}) {
    item->setCheckable(true);
    schemes->addAction(item);
  }
  ShowColours();
  File1->addSeparator();
  Exit1 = MakeItem(File1, "Exit1", "E&xit");

  Edit1 = MakeMenu(bar, "Edit1", "&Edit");
  EditGolfers1 = MakeItem(Edit1, "EditGolfers1", "Edit &Golfers");
  EditCourses1 = MakeItem(Edit1, "EditCourses1", "Edit &Courses");
  N1 = Edit1->addSeparator();
  N1->setObjectName(QStringLiteral("N1"));
  EnterScores1 = MakeItem(Edit1, "EnterScores1", "Enter &Scores");

  Help = MakeHelpMenu(bar, this);
}

void TMainForm::ConnectHandlers() {
  connect(EditGolferButton, &QPushButton::clicked, this,
          Guarded([this] { EditGolferButtonClick(); }));
  connect(EditCoursesButton, &QPushButton::clicked, this,
          Guarded([this] { EditCoursesButtonClick(); }));
  connect(EnterScoresButton, &QPushButton::clicked, this,
          Guarded([this] { EnterScoresButtonClick(); }));
  connect(ExitButton, &QPushButton::clicked, this, Guarded([this] { ExitButtonClick(); }));
  connect(BackUp1, &QAction::triggered, this, Guarded([this] { BackUp1Click(); }));
  connect(Restore1, &QAction::triggered, this, Guarded([this] { Restore1Click(); }));
  connect(Exit1, &QAction::triggered, this, Guarded([this] { Exit1Click(); }));
  connect(ColoursSystem1, &QAction::triggered, this,
          Guarded([this] { ColoursClick(ColourScheme::System); }));
  connect(ColoursLight1, &QAction::triggered, this,
          Guarded([this] { ColoursClick(ColourScheme::Light); }));
  connect(ColoursDark1, &QAction::triggered, this,
          Guarded([this] { ColoursClick(ColourScheme::Dark); }));
  // Checked as the program runs, also where a test or another window chose.
  connect(Colours1, &QMenu::aboutToShow, this, [this] { ShowColours(); });
  connect(EditGolfers1, &QAction::triggered, this, Guarded([this] { EditGolfers1Click(); }));
  connect(EditCourses1, &QAction::triggered, this, Guarded([this] { EditCourses1Click(); }));
  connect(EnterScores1, &QAction::triggered, this, Guarded([this] { EnterScores1Click(); }));
}

void TMainForm::FormCreate() {
  QmProgram& p = Program();
  // Saved at every resize, also while the program is closing.
  new PlacementKeeper(this, QStringLiteral("MainForm"));
  p.UseMaxIndex = ReadSettingBool("Settings", "UseMaxIndex", true);
  p.Closing = false;
  p.Version = QStringLiteral(QM_PROGRAM_VERSION);
  p.VersionDate = QStringLiteral(QM_VERSION_DATE);
  VersionField->setText(QStringLiteral("Version ") + p.Version);
}

void TMainForm::EditGolferButtonClick() { OpenGolferMaintenance(); }
void TMainForm::EditGolfers1Click() { OpenGolferMaintenance(); }
void TMainForm::EditCoursesButtonClick() { OpenCourseMaintenance(); }
void TMainForm::EditCourses1Click() { OpenCourseMaintenance(); }
void TMainForm::EnterScoresButtonClick() { OpenGolferList(); }
void TMainForm::EnterScores1Click() { OpenGolferList(); }

void TMainForm::ExitButtonClick() {
  Program().Closing = true;
  EndProgram();
}

void TMainForm::Exit1Click() { EndProgram(); }

void TMainForm::Help2Click() { CurrentPrompts().Warning(msg::HelpNotImplemented()); }

void TMainForm::Image1Click() { OpenAbout(); }
void TMainForm::AboutQuillmor1Click() { OpenAbout(); }

// The windows of the three commands. Each opening makes a new instance, so
// it shows the data files as they are now; two instances hold their own
// tables and never act on each other.
void TMainForm::OpenGolferMaintenance() {
  // An open roster maintenance window comes to the front instead.
  ShowModeless(TGMaintForm::Open());
}

void TMainForm::OpenCourseMaintenance() {
  // An open course list maintenance window comes to the front instead.
  ShowModeless(TCMaintForm::Open());
}

void TMainForm::OpenGolferList() {
  // A new list at every command, so that it shows the roster as it is now.
  ShowModeless(new TGPickForm);
}

void TMainForm::ShowModeless(QWidget* window) {
  if (window == nullptr) return;
  window->setAttribute(Qt::WA_DeleteOnClose);
  KeepUntilEnd(window);
  // A window brought to the front again may have been minimized.
  BringToFront(window);
}

void TMainForm::KeepUntilEnd(QWidget* window) {
  if (window != nullptr && std::find(opened_.begin(), opened_.end(), window) == opened_.end())
    opened_.emplace_back(window);
}

std::vector<QWidget*> TMainForm::OpenedWindows() const {
  std::vector<QWidget*> windows;
  for (const auto& window : opened_)
    if (window) windows.push_back(window.data());
  return windows;
}

void TMainForm::DestroyOpenedWindows() {
  // Deleting a window sends it no close event, so nothing is asked.
  std::vector<QPointer<QWidget>> windows;
  windows.swap(opened_);
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) delete it->data();
}

// ---- backup and restore ----

void TMainForm::BackUp1Click() {
  const QString folder = DataFolder();
  const QString zip = CurrentPrompts().SaveFileName(
      QStringLiteral("Back Up Data"), DefaultBackupPath(folder, Now(), false), kZipFilter);
  if (zip.isEmpty()) return;
  if (IsProgramFile(zip)) {
    CurrentPrompts().Warning(ProgramFileRefusal(zip));
    return;
  }
  const int files = MakeBackup(zip, LocalPath(folder), SettingsFilePath());
  CurrentPrompts().Message(QStringLiteral("The backup holds %1. It is %2.")
                               .arg(CountOf(files, QStringLiteral("file"), QStringLiteral("files")),
                                    QDir::toNativeSeparators(zip)));
}

std::vector<QWidget*> TMainForm::OtherOpenWindows() const {
  std::vector<QWidget*> windows;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = window->windowType();
    if (window == this || !window->isVisible() || type == Qt::Popup || type == Qt::ToolTip)
      continue;
    windows.push_back(window);
  }
  return windows;
}

void TMainForm::Restore1Click() {
  // A window left open would go on with the files it read before, and
  // write them back.
  if (const std::vector<QWidget*> open = OtherOpenWindows(); !open.empty()) {
    QString text = QStringLiteral(
        "Please close the other windows of the program before you "
        "restore data:");
    for (QWidget* window : open) text += QStringLiteral("\n") + window->windowTitle();
    CurrentPrompts().Message(text);
    return;
  }
  const QString folder = DataFolder();
  const QString zip = CurrentPrompts().OpenFileName(
      QStringLiteral("Restore Data"),
      QFileInfo(DefaultBackupPath(folder, Now(), false)).absolutePath(), kZipFilter);
  if (zip.isEmpty()) return;
  // Every entry is read and checked before anything is asked or written.
  const CheckedBackup backup = CheckBackup(zip);
  const QString question =
      QStringLiteral(
          "Replace the data in the folder\n%1\nwith the backup\n%2?\n\nThe data in the folder "
          "now are backed up first, beside the folder. Then each file of the backup replaces the "
          "folder's, and score files the backup does not hold are removed.")
          .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(zip));
  if (!CurrentPrompts().ConfirmYesNo(question)) return;

  const QString before = DefaultBackupPath(folder, Now(), true);
  try {
    MakeBackup(before, LocalPath(folder), SettingsFilePath());
  } catch (const QmError& error) {
    throw QmError(std::string("Nothing was restored. ") + error.what());
  }
  const std::string kept = ToBytes(QDir::toNativeSeparators(before));
  try {
    RestoreBackup(backup, LocalPath(folder), SettingsFilePath());
  } catch (const QmError& error) {
    throw QmError(std::string(error.what()) + "\nThe data as they were before the restore are in " +
                  kept + ".");
  }
  // What the program holds from the files before: the rule's setting, and
  // the course list of the score entry window. The other windows read the
  // files when they open.
  Program().UseMaxIndex = ReadSettingBool("Settings", "UseMaxIndex", true);
  if (TScoreForm* entry = Program().ScoreForm) entry->ReloadCourses();
  CurrentPrompts().Message(
      QStringLiteral(
          "The data were restored from %1 (%2).\nThe data as they were before are in %3.")
          .arg(QDir::toNativeSeparators(zip),
               CountOf(static_cast<int>(backup.Files.size()), QStringLiteral("file"),
                       QStringLiteral("files")),
               QDir::toNativeSeparators(before)));
}

void TMainForm::OpenAbout() { OpenAboutBox(this); }

void TMainForm::EndProgram() { QCoreApplication::exit(0); }

void TMainForm::closeEvent(QCloseEvent* event) {
  event->accept();
  EndProgram();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && Image1->rect().contains(mouse->position().toPoint()))
      Guard([this] { Image1Click(); });
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::ColoursClick(ColourScheme scheme) {
  ApplyColourScheme(scheme);
  StoreColourScheme(scheme);
  ShowColours();
}

void TMainForm::ShowColours() {
  const ColourScheme scheme = CurrentColourScheme();
  ColoursSystem1->setChecked(scheme == ColourScheme::System);
  ColoursLight1->setChecked(scheme == ColourScheme::Light);
  ColoursDark1->setChecked(scheme == ColourScheme::Dark);
}

}  // namespace qm
