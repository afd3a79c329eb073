// The pictures of the README: the real windows on a sample club, on the
// offscreen platform, saved as PNG files.
//
//   quillmor_docshots OUTPUT-FOLDER
//
// Writes a roster of eight golfers, the sample course list and two years of
// rounds for every golfer into a scratch data folder (with a settings folder
// of its own), then goes through the program as a user does: the main
// window, Enter Scores, a round typed hole by hole into the score entry
// window, the golfer's scores, the golfer's index history, and the handicap
// cards printed to a PDF (made into a picture by pdftoppm). The data and the
// day are fixed, so the pictures change only when the windows do.
//
// Exit status 0 when every picture was saved; otherwise 1, with the reason on
// standard error.
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "app/clock.h"
#include "engine/coursehcp.h"
#include "engine/golfer.h"
#include "engine/index.h"
#include "engine/scorecard.h"
#include "print/qmprthdp.h"
#include "store/courses.h"
#include "store/roster.h"
#include "store/scores.h"
#include "support/qt_prompts.h"
#include "support/qt_rounds.h"
#include "windows/qmapp.h"
#include "windows/qmgolfer.h"
#include "windows/qmgpick.h"
#include "windows/qmindexhist.h"
#include "windows/qmmain.h"

using namespace qm;
using namespace qm::test;

namespace {

// The day the pictures are taken: every round lies in the two years before.
const QDate kToday(2026, 10, 17);

[[noreturn]] void Fail(const QString& text) {
  std::fprintf(stderr, "quillmor_docshots: %s\n", qPrintable(text));
  std::exit(1);
}

// ---- the sample club ----

struct SampleGolfer {
  const char* LongName;
  const char* ShortName;
  int Sex;                     // as the roster keeps it: 0 man, 1 woman
  double IndexThen, IndexNow;  // the golfer's form two years ago and today
  int Rounds;
  const char* HomeCourse;
};

const std::array<SampleGolfer, 8> kGolfers{{
    {"Daniel Okafor", "OKAFOR", 0, 15.8, 10.9, 52, "ALDER CREEK GOLF CLUB"},
    {"Margaret Ellison", "ELLISON", 1, 21.5, 19.4, 38, "MAPLE RIDGE COUNTRY CLUB"},
    {"Tom Brennan", "BRENNAN", 0, 7.4, 6.6, 58, "CEDAR BLUFF LINKS"},
    {"Priya Raman", "RAMAN", 1, 31.0, 22.8, 27, "WILLOW BEND MUNICIPAL"},
    {"Walter Kowalski", "KOWALSKI", 0, 17.6, 19.8, 44, "BRIARWOOD HILLS"},
    {"Grace Hollis", "HOLLIS", 1, 15.2, 13.1, 33, "HERON POINT"},
    {"Luis Moreno", "MORENO", 0, 24.5, 16.9, 48, "FOXGLOVE MEADOWS"},
    {"Helen Park", "PARK", 1, 11.3, 10.2, 47, "ALDER CREEK GOLF CLUB"},
}};

// The golfer of the window pictures: one whose index came down a long way.
const char* const kFeatured = "Luis Moreno";

const std::array<const char*, 8> kComments{"Windy all day",
                                           "Club championship, round 1",
                                           "Rain from the 12th on",
                                           "Member-guest",
                                           "New driver",
                                           "Three birdies",
                                           "Played from the whites",
                                           "Greens just aerated"};

// A generator whose numbers are the same on every platform (the standard
// distributions are not).
class Dice {
 public:
  explicit Dice(unsigned seed) : engine_(seed) {}
  // In [0, 1).
  double Uniform() { return static_cast<double>(engine_() >> 8) / 16777216.0; }
  int Below(int n) { return static_cast<int>(Uniform() * n); }
  // About normal, mean 0, deviation 1.
  double Normal() {
    double sum = 0;
    for (int i = 0; i < 12; ++i) sum += Uniform();
    return sum - 6;
  }

 private:
  std::mt19937 engine_;
};

// count playing days in the two years before kToday, most of them in the
// season, oldest first.
std::vector<QDate> PlayingDays(Dice& dice, int count) {
  std::vector<QDate> days;
  for (QDate day = kToday.addYears(-2).addDays(1); day < kToday; day = day.addDays(1)) {
    const int month = day.month();
    const bool season = month >= 4 && month <= 10;
    const bool edge = month == 3 || month == 11;
    // Weekends weigh more, as they do for most golfers.
    const int weight = (season ? 6 : edge ? 2 : 0) * (day.dayOfWeek() >= 6 ? 3 : 1);
    for (int i = 0; i < weight; ++i) days.push_back(day);
  }
  std::vector<QDate> chosen;
  while (static_cast<int>(chosen.size()) < count) {
    const QDate day = days[static_cast<std::size_t>(dice.Below(static_cast<int>(days.size())))];
    if (std::find(chosen.begin(), chosen.end(), day) == chosen.end()) chosen.push_back(day);
  }
  std::sort(chosen.begin(), chosen.end());
  return chosen;
}

const TCourseRec& CourseNamed(const TCourseTable& courses, const std::string& name) {
  for (const TCourseRec& course : courses.Entries)
    if (course.CourseName == name) return course;
  Fail(QStringLiteral("the sample course list has no %1").arg(QString::fromStdString(name)));
}

// One round of a golfer whose index is about form, as the score entry window
// would store it: hole by hole (or, now and then, only the total), with the
// adjusted score and the index and course handicap of the day.
TScoreRec PlayRound(Dice& dice, const TCourseRec& course, const QDate& day, double form,
                    long double indexBefore, bool holeByHole) {
  const double rating = std::stod(course.Rating);
  const double slope = std::stod(course.Slope);
  const int parTotal = std::stoi(course.ParTotal);
  // An average round lies a couple of strokes above the golfer's best ones.
  const double strokesOverPar = rating - parTotal + (form + 2.0) * slope / 113.0;

  ScoreCard card;
  card.RatingField = course.Rating;
  card.SlopeField = course.Slope;
  card.IndexField = IndexText4(indexBefore);
  card.CourseHandicapField = std::to_string(ComputeCourseHandicap(indexBefore, course.Slope));
  int total = 0;
  for (int hole = 0; hole < HoleCount; ++hole) {
    const int par = std::stoi(course.HolePar[static_cast<std::size_t>(hole)]);
    card.Par[static_cast<std::size_t>(hole)] = course.HolePar[static_cast<std::size_t>(hole)];
    const double spread = 0.55 + form / 40.0;
    int strokes = static_cast<int>(std::lround(par + strokesOverPar / 18 + dice.Normal() * spread));
    strokes = std::clamp(strokes, par == 3 ? 2 : par - 1, par + 5);
    total += strokes;
    int putts = 2;
    const double roll = dice.Uniform();
    if (strokes < par || roll < 0.14)
      putts = 1;
    else if (roll > 0.84 - form / 150.0)
      putts = 3;
    putts = std::min(putts, strokes - 1);
    card.Score[static_cast<std::size_t>(hole)] = holeByHole ? std::to_string(strokes) : "0";
    card.Putts[static_cast<std::size_t>(hole)] = holeByHole ? std::to_string(putts) : "0";
  }
  if (holeByHole) {
    ComputeScoreOut(card);
    ComputeScoreIn(card);
    ComputeScoreTotal(card);
  } else {
    card.ScoreTotal = std::to_string(total);
    ComputeAdjScore(card);
  }

  TScoreRec round;
  round.Date = day.toString(QStringLiteral("yyyyMMdd")).toStdString();
  round.Course = course.CourseName;
  round.ScoreTotal = card.ScoreTotal;
  round.Rating = course.Rating;
  round.Slope = course.Slope;
  if (dice.Uniform() < 0.12) round.Comment = kComments[static_cast<std::size_t>(dice.Below(8))];
  round.HoleScore = card.Score;
  round.HolePutts = card.Putts;
  round.AdjScore = card.AdjScore;
  round.EntryIndex = card.IndexField;
  round.EntryHandicap = card.CourseHandicapField;
  return round;
}

// Every round of golfer, oldest first, in its score file.
void WriteRounds(const SampleGolfer& golfer, unsigned seed, const TCourseTable& courses) {
  Dice dice(seed);
  const TCourseRec& home = CourseNamed(courses, golfer.HomeCourse);
  const std::vector<QDate> days = PlayingDays(dice, golfer.Rounds);
  const IndexRequest request =
      GolferIndexRequest(SexOf(golfer.Sex), golfer.LongName, true, IndexOutput::None);
  TScoreTable scores;
  for (std::size_t i = 0; i < days.size(); ++i) {
    const double progress = static_cast<double>(i) / static_cast<double>(days.size() - 1);
    const double form = golfer.IndexThen + (golfer.IndexNow - golfer.IndexThen) * progress;
    // Until the golfer has rounds enough, the index of the season before.
    long double indexBefore = form;
    if (scores.Count() >= 5) {
      TScoreTable sorted = scores;
      SortScores(sorted);
      indexBefore = CalcIndex(sorted, request).Index;
    }
    const TCourseRec& course = dice.Uniform() < 0.6
                                   ? home
                                   : courses.Entries[static_cast<std::size_t>(
                                         dice.Below(static_cast<int>(courses.Entries.size())))];
    // The first rounds were kept as totals only.
    const bool holeByHole = i >= days.size() / 6 || dice.Uniform() < 0.3;
    scores.Entries.push_back(PlayRound(dice, course, days[i], form, indexBefore, holeByHole));
  }
  SortScores(scores);
  SaveScores(scores, ScoreFileName(golfer.ShortName));
}

// The course list, the roster and the score files in the working directory.
void WriteSampleClub(const QString& sampleCourses) {
  if (!QFile::copy(sampleCourses, QStringLiteral("courses.qmd")))
    Fail(QStringLiteral("cannot copy the sample courses %1").arg(sampleCourses));
  TCourseTable courses;
  LoadCourses(courses);
  TRosterTable roster;
  unsigned seed = 1;
  for (const SampleGolfer& golfer : kGolfers) {
    roster.Entries.push_back({golfer.LongName, golfer.ShortName, golfer.Sex});
    WriteRounds(golfer, seed++, courses);
  }
  SaveRoster(roster);
}

// ---- the windows ----

class Pictures {
 public:
  explicit Pictures(QString folder) : folder_(std::move(folder)) {}

  void Save(QWidget* window, const QString& name) {
    QApplication::processEvents();
    const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path)) Fail(QStringLiteral("cannot write %1").arg(path));
  }

  // The first page of pdf as a grey picture at dpi dots per inch.
  void SavePage(const QString& pdf, const QString& name, int dpi) {
    const QString stem = QDir(folder_).filePath(name);
    QProcess convert;
    convert.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                   QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, stem});
    if (!convert.waitForFinished(60000) || convert.exitStatus() != QProcess::NormalExit ||
        convert.exitCode() != 0)
      Fail(QStringLiteral("pdftoppm could not convert %1 (poppler-utils installed?)").arg(pdf));
  }

 private:
  QString folder_;
};

// Picks the item of a closed drop-down list by typing its first letter.
void PickByKey(QComboBox* box, const QString& name) {
  Focus(box);
  QTest::qWait(QApplication::keyboardInputInterval() + 1);
  QTest::keyClicks(box, name.left(1));
  if (box->currentText() != name) Fail(QStringLiteral("cannot pick %1").arg(name));
}

// A round as a golfer copies it from the card: the date, the course, then
// strokes and putts hole by hole.
void TypeRound(TScoreForm* form) {
  TypeInto(Control<QLineEdit>(form, "DateField"), kToday.toString(QStringLiteral("MM/dd/yyyy")));
  LeaveField(Control<QLineEdit>(form, "DateField"));
  PickCourse(form, 3);
  if (Control<qm::TCourseList>(form, "CourseField")->Text() != QStringLiteral("FOXGLOVE MEADOWS"))
    Fail(QStringLiteral("the fourth course is not FOXGLOVE MEADOWS"));
  const std::array<int, HoleCount> strokes{5, 5, 3, 6, 4, 4, 5, 6, 5, 5, 4, 5, 4, 6, 3, 6, 5, 5};
  const std::array<int, HoleCount> putts{2, 2, 1, 2, 2, 2, 3, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2};
  for (std::size_t hole = 0; hole < HoleCount; ++hole) {
    TypeInto(Control<QLineEdit>(form, "Score", hole + 1), QString::number(strokes[hole]));
    TypeInto(Control<QLineEdit>(form, "Putts", hole + 1), QString::number(putts[hole]));
  }
  LeaveField(Control<QLineEdit>(form, "Putts", HoleCount));
  Focus(Control<QPushButton>(form, "OKButton"));
}

void TakePictures(Pictures& pictures, const QString& scratch) {
  StartUp();
  TMainForm* main = Program().MainForm;
  main->show();
  Activate(main);
  pictures.Save(main, QStringLiteral("main-window"));

  Click(Control<QPushButton>(main, "EnterScoresButton"));
  auto* list = Shown<TGPickForm>();
  if (list == nullptr) Fail(QStringLiteral("Enter Scores opened no golfer list"));
  const QList<QListWidgetItem*> found =
      Control<QListWidget>(list, "GolferListBox")
          ->findItems(QString::fromLatin1(kFeatured), Qt::MatchExactly);
  if (found.isEmpty()) Fail(QStringLiteral("the golfer list lacks %1").arg(kFeatured));
  Control<QListWidget>(list, "GolferListBox")->setCurrentItem(found.front());

  // Add a Score: the round typed, pictured, then cancelled, so that the other
  // pictures show the club as written.
  Click(Control<QPushButton>(list, "AddAScoreButton"));
  TScoreForm* score = Program().ScoreForm;
  if (!score->isVisible()) Fail(QStringLiteral("Add a Score opened no score entry window"));
  TypeRound(score);
  pictures.Save(score, QStringLiteral("score-entry"));
  Click(Control<QPushButton>(score, "CancelButton"));
  Activate(list);
  pictures.Save(list, QStringLiteral("golfer-list"));

  Click(Control<QPushButton>(list, "EditScoresButton"));
  TGolferForm* scores = Program().GolferForm;
  if (!scores->isVisible()) Fail(QStringLiteral("Edit/View Scores opened no golfer scores window"));
  Control<QListWidget>(scores, "ScoresListBox")->setCurrentRow(0);
  pictures.Save(scores, QStringLiteral("golfer-scores"));
  scores->close();

  Activate(list);
  Control<QAction>(list, "IndexHistory1")->trigger();
  auto* history = Shown<TIndexHistoryForm>();
  if (history == nullptr) Fail(QStringLiteral("Index History opened no window"));
  pictures.Save(history, QStringLiteral("index-history"));
  history->close();

  // The cards of the whole club at the home course, printed to a PDF as the
  // print dialog would.
  Activate(list);
  Click(Control<QPushButton>(list, "PrintHandicapButton"));
  auto* dialog = Shown<TPrintHandicapsDlg>();
  if (dialog == nullptr) Fail(QStringLiteral("Print Handicaps opened no dialog"));
  PickByKey(Control<QComboBox>(dialog, "CourseField"), QStringLiteral("ALDER CREEK GOLF CLUB"));
  Click(Control<QPushButton>(dialog, "IncAllBtn"));
  auto& prompts = static_cast<ScriptedPrompts&>(CurrentPrompts());
  const QString pdf = QDir(scratch).filePath(QStringLiteral("cards.pdf"));
  prompts.CardCounts = {10};
  prompts.PrinterChoices = {true};
  prompts.SetUpPrinter = PrintToPdf(pdf);
  Click(Control<QPushButton>(dialog, "PrintCardsButton"));
  if (!QFile::exists(pdf)) Fail(QStringLiteral("the handicap cards were not printed"));
  pictures.SavePage(pdf, QStringLiteral("handicap-cards"), 90);
  dialog->close();

  // Two windows again in the Dark colours, as the main window's File >
  // Colours > Dark gives them.
  Control<QAction>(main, "ColoursDark1")->trigger();
  Activate(main);
  pictures.Save(main, QStringLiteral("main-window-dark"));
  Activate(list);
  Control<QAction>(list, "IndexHistory1")->trigger();
  history = Shown<TIndexHistoryForm>();
  if (history == nullptr) Fail(QStringLiteral("Index History opened no window"));
  pictures.Save(history, QStringLiteral("index-history-dark"));
  history->close();
}

// The offscreen platform's notes that it cannot raise windows are not news.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

int main(int argc, char** argv) {
  // The same look on every machine, with or without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc != 2) {
    std::fprintf(stderr, "usage: quillmor_docshots OUTPUT-FOLDER\n");
    return 2;
  }
  qInstallMessageHandler(QuietMessages);
  QApplication app(argc, argv);
  QApplication::setKeyboardInputInterval(5);
  const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  if (!QDir().mkpath(output)) Fail(QStringLiteral("cannot create %1").arg(output));

  QTemporaryDir scratch;
  if (!scratch.isValid()) Fail(QStringLiteral("no scratch folder"));
  const QDir root(scratch.path());
  root.mkpath(QStringLiteral("data"));
  root.mkpath(QStringLiteral("config"));
  qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toLocal8Bit());
  if (!QDir::setCurrent(root.filePath(QStringLiteral("data"))))
    Fail(QStringLiteral("cannot enter the scratch folder"));

  SetTodayForTests(kToday);
  WriteSampleClub(QStringLiteral(QM_SAMPLE_COURSES));
  ScriptedPrompts& prompts = InstallScriptedPrompts();
  Pictures pictures(output);
  TakePictures(pictures, scratch.path());
  ShutDown();

  // Any box but the report of the finished print means something went wrong
  // on the way, and the pictures may show it.
  for (const ShownBox& box : prompts.Shown) {
    const bool expected = box.Kind == BoxKind::SelectPrinter || box.Kind == BoxKind::PrintPreview ||
                          box.Kind == BoxKind::CardDetails ||
                          (box.Kind == BoxKind::Message &&
                           box.Text == "Handicap cards have been sent to the printer.");
    if (!expected) Fail(QStringLiteral("the program said: %1").arg(box.Text));
  }
  QDir::setCurrent(QDir::tempPath());
  return 0;
}
