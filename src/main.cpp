// Quillmor: golf scores and handicaps for one golfer or a small group.
//
// The program's entry: the command line (--help, --version and the data
// folder), the data folder as the working directory, then the title, the
// main window and the long-lived windows (windows/qmapp.h) and the event
// loop until the main window ends it.
//
//   quillmor [OPTION]... [DATA-FOLDER]
//
// DATA-FOLDER defaults to ~/Quillmor and is created when missing; one
// program at a time works in it (a second one started on it refuses). A folder
// that has neither courses.qmd nor sample.qmd gets a copy of the sample
// course list, which becomes the user's course list at the first start.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLockFile>
#include <QStringList>
#include <cstdio>
#include <optional>

#include "app/folderlock.h"
#include "store/datafiles.h"
#include "ui/guard.h"
#include "ui/prompts.h"
#include "windows/qmapp.h"
#include "windows/qmmain.h"

namespace {

// Exit statuses besides 0: a command line that cannot be understood, and a
// data folder that cannot be used or a display that is missing.
constexpr int kUsageError = 2;
constexpr int kCannotStart = 1;

void Print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
  std::fflush(stream);
}

void Fail(const QString& text) { Print(stderr, QStringLiteral("quillmor: ") + text + u'\n'); }

struct CommandLine {
  QCommandLineParser Parser;
  QCommandLineOption Help = QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                               QStringLiteral("Show this help and exit."));
  QCommandLineOption Version =
      QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                         QStringLiteral("Show the program's name and version and exit."));

  CommandLine() {
    // "-platform" is one option, not the letters p, l, a, ... (nor the "h"
    // of "-platformpluginpath" a request for help).
    Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    Parser.setApplicationDescription(QStringLiteral(
        "Records golf scores and works out handicaps: every round of a roster of\n"
        "golfers on the courses of a course list, each golfer's handicap index, and\n"
        "the course handicap and predicted score at any course of the list."));
    Parser.addOption(Help);
    Parser.addOption(Version);
    Parser.addPositionalArgument(
        QStringLiteral("DATA-FOLDER"),
        QStringLiteral("The folder that holds the golfers, the courses and the scores; "
                       "it becomes the working directory and is created when missing. "
                       "Default: ~/Quillmor"),
        QStringLiteral("[DATA-FOLDER]"));
  }

  // The text of --help, with the name the program was started by.
  QString HelpText() const {
    QString text = Parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("quillmor"));
    return text;
  }
};

QStringList RawArguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

// --help and --version are answered before any window system is reached, so
// that they work without a display. Returns the exit status when answered.
std::optional<int> AnswerWithoutWindows(CommandLine& line, int argc, char** argv) {
  // Unknown options are reported later, once the window system has taken
  // its own options (-platform, -display, ...) off the command line.
  line.Parser.parse(RawArguments(argc, argv));
  if (line.Parser.isSet(line.Help)) {
    Print(stdout, line.HelpText());
    return 0;
  }
  if (line.Parser.isSet(line.Version)) {
    Print(stdout, QCoreApplication::applicationName() + u' ' +
                      QCoreApplication::applicationVersion() + u'\n');
    return 0;
  }
  return std::nullopt;
}

bool HasDisplay(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (!qEnvironmentVariableIsEmpty(name)) return true;
  for (int i = 1; i < argc; ++i)
    if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0) return true;
  return false;
#else
  (void)argc;
  (void)argv;
  return true;
#endif
}

// Where a copy of the sample course list is found: the installed one, or,
// in a build folder, the one beside the program.
QString SampleCourses() {
  const QDir programDir(QCoreApplication::applicationDirPath());
  const QString name = QString::fromLatin1(qm::SampleCourseFileName);
  for (const QString& path : {programDir.filePath(QStringLiteral(QM_DATA_FROM_PROGRAM "/") + name),
                              programDir.filePath(name)}) {
    if (QFileInfo(path).isFile()) return path;
  }
  return {};
}

// Makes folder the working directory, creating it when missing. False
// (reported) when the folder cannot be used.
bool EnterDataFolder(const QString& folder) {
  const QFileInfo info(folder);
  if (info.exists() && !info.isDir()) {
    Fail(QStringLiteral("the data folder %1 is not a folder").arg(folder));
    return false;
  }
  if (!info.exists() && !QDir().mkpath(folder)) {
    Fail(QStringLiteral("cannot create the data folder %1").arg(folder));
    return false;
  }
  if (!QDir::setCurrent(folder)) {
    Fail(QStringLiteral("cannot enter the data folder %1").arg(folder));
    return false;
  }
  return true;
}

// Gives a new data folder (the working directory) the sample course list.
void GiveSampleCourses() {
  // Without a copy the first start reports that the sample courses file
  // could not be renamed, which is what a broken installation deserves.
  const QString courses = QString::fromLatin1(qm::CourseFileName);
  const QString sample = QString::fromLatin1(qm::SampleCourseFileName);
  if (!QFileInfo::exists(courses) && !QFileInfo::exists(sample)) {
    const QString copy = SampleCourses();
    if (!copy.isEmpty() && QFile::copy(copy, sample))
      QFile::setPermissions(
          sample, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // The name the desktop knows the program by: the window class and the
  // icon are "quillmor" (the desktop entry's name is QM_APP_ID). The
  // program's title, the caption of its boxes, is set by StartUp().
  QCoreApplication::setApplicationName(QStringLiteral("quillmor"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QM_PROGRAM_VERSION));

  CommandLine line;
  if (const std::optional<int> answered = AnswerWithoutWindows(line, argc, argv)) return *answered;
  if (!HasDisplay(argc, argv)) {
    Fail(QStringLiteral(
        "needs a graphical display: DISPLAY and WAYLAND_DISPLAY are not set (start it from a "
        "desktop session, with ssh -X, or as: xvfb-run quillmor)"));
    return kCannotStart;
  }

  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral(QM_APP_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quillmor"),
                                               QIcon(QStringLiteral(":/quillmor/quillmor.png"))));

  // The window system has taken its own options off the command line now;
  // what is left is ours.
  if (!line.Parser.parse(QCoreApplication::arguments())) {
    Fail(line.Parser.errorText() + QStringLiteral("\nTry 'quillmor --help' for more information."));
    return kUsageError;
  }
  const QStringList folders = line.Parser.positionalArguments();
  if (folders.size() > 1) {
    Fail(
        QStringLiteral("only one data folder can be given\n"
                       "Try 'quillmor --help' for more information."));
    return kUsageError;
  }
  const QString folder =
      folders.isEmpty() ? QDir::home().filePath(QStringLiteral("Quillmor")) : folders.front();
  if (!EnterDataFolder(folder)) return kCannotStart;
  qm::SetPrompts(std::make_unique<qm::QtPrompts>());

  // One program a data folder, taken before anything is made in it.
  QString refusal;
  const std::unique_ptr<QLockFile> lock = qm::LockDataFolder(QDir::currentPath(), refusal);
  if (!lock) {
    Fail(refusal);
    qm::CurrentPrompts().Warning(refusal);
    return kCannotStart;
  }
  GiveSampleCourses();

  // Only the main window ends the program (its Exit button, its File, Exit
  // and its frame); closing the last other window does not.
  QApplication::setQuitOnLastWindowClosed(false);

  // A window that cannot be made is reported like any other error; the
  // program cannot go on without its windows.
  if (!qm::Guard([] { qm::StartUp(); }) || qm::Program().MainForm == nullptr) {
    qm::ShutDown();
    return 1;
  }
  qm::Program().MainForm->show();
  const int result = QApplication::exec();
  qm::ShutDown();
  return result;
}
