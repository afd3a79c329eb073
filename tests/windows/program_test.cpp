// The whole program from the main window, as a user goes through a day of
// it: Enter Scores, a round added, looked at in the golfer's scores, the
// index, the course handicap, the history to a file, the handicap list to a
// file and the cards to a PDF, each checked on disk.
#include <QComboBox>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/clock.h"
#include "print/qmprthdp.h"
#include "store/settings.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_rounds.h"
#include "support/workdir.h"
#include "windows/qmapp.h"
#include "windows/qmgolfer.h"
#include "windows/qmgpick.h"
#include "windows/qmhndicp.h"
#include "windows/qmindex.h"
#include "windows/qmmain.h"

using namespace qm;
using namespace qm::test;

namespace {

// Picks the item of a closed drop-down list by typing its first letter.
void PickByKey(QComboBox* box, const QString& name) {
  Focus(box);
  QTest::qWait(QApplication::keyboardInputInterval() + 1);
  QTest::keyClicks(box, name.left(1));
}

QString PdfText(const QString& pdf) {
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  text.waitForFinished(20000);
  return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

}  // namespace

class ProgramTest : public qm::test::WindowTest {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setKeyboardInputInterval(5); }
  void init() {
    Begin();
    WriteFile("courses.qmd", kTwoCourses);
    WriteFile("golfers.qmd", "Ann Lee~LEE~1~\r\n");
    WriteFile("LEE.qmg", Rounds(5, "95", "95"));  // differential 25.0 each
  }

  void aDayWithTheProgram() {
    StartUp();
    TMainForm* main = Program().MainForm;
    main->show();
    Activate(main);
    Click(Control<QPushButton>(main, "EnterScoresButton"));
    auto* list = Shown<TGPickForm>();
    QVERIFY(list != nullptr);
    QCOMPARE(Lines(Control<QListWidget>(list, "GolferListBox")), QStringList{"Ann Lee"});

    // A round at PINE RIDGE: (88 - 72) * 113 / 140 = 12.9.
    Control<QAction>(list, "AddaScore1")->trigger();
    TScoreForm* score = Program().ScoreForm;
    QVERIFY(score->isVisible());
    PickCourse(score, 1);
    ConfirmTotal(score, QStringLiteral("88"));
    QCOMPARE(QApplication::activeWindow(), list);
    const std::string file = ReadFile("LEE.qmg");
    QCOMPARE(std::count(file.begin(), file.end(), '\n'), 6);
    const std::string today = qm::Today().toString("yyyyMMdd").toStdString();
    QVERIFY(file.starts_with(today + "~PINE RIDGE~88~72.0~140~"));

    // Edit/View: the golfer scores window lists the new round first.
    Click(Control<QPushButton>(list, "EditScoresButton"));
    TGolferForm* scores = Program().GolferForm;
    QVERIFY(scores->isVisible());
    QCOMPARE(Control<QListWidget>(scores, "ScoresListBox")->count(), 6);
    QVERIFY(Control<QListWidget>(scores, "ScoresListBox")->item(0)->text().contains("PINE RIDGE"));
    scores->close();

    // The index of five rounds (the best one, 12.9, times 0.96 = 12.4) in
    // the display and in the course handicap window.
    Activate(list);
    Click(Control<QPushButton>(list, "IndexButton"));
    auto* sheet = Shown<TIndexForm>();
    QVERIFY(sheet != nullptr);
    QString account;
    for (int i = 1; i <= TIndexForm::LineCount; ++i) {
      account += Control<QLineEdit>(sheet, "Field", i)->text() + '\n';
    }
    QVERIFY2(account.contains("12.4"), qPrintable(account));
    sheet->close();
    Activate(list);
    Click(Control<QPushButton>(list, "HandicapButton"));
    auto* handicap = Shown<THandicapForm>();
    QVERIFY(handicap != nullptr);
    QCOMPARE(Control<QLineEdit>(handicap, "IndexField")->text(), QStringLiteral("12.4"));
    PickByKey(Control<QComboBox>(handicap, "CourseField"), QStringLiteral("PINE RIDGE"));
    // 12.4 * 140 / 113 = 15.4.
    QCOMPARE(Control<QLineEdit>(handicap, "Hdcp1")->text(),
             QStringLiteral("Handicap for Ann Lee at this course is: 15"));
    // Left open: the end of the program destroys it (the leak check of the
    // sanitizer build would report it otherwise).

    // The history to a file.
    Activate(list);
    prompts_->ClearShown();
    prompts_->Choices = {2};
    Click(Control<QPushButton>(list, "PrintScoresButton"));
    QVERIFY(prompts_->Texts().last().contains("LEE.qmr"));
    const std::string history = ReadFile("LEE.qmr");
    QVERIFY(history.find("PINE RIDGE") != std::string::npos);
    QVERIFY(history.find("Ann Lee") != std::string::npos);

    // The handicap list to a file, the cards to a PDF.
    Click(Control<QPushButton>(list, "PrintHandicapButton"));
    auto* dialog = Shown<TPrintHandicapsDlg>();
    QVERIFY(dialog != nullptr);
    PickByKey(Control<QComboBox>(dialog, "CourseField"), QStringLiteral("PINE RIDGE"));
    Click(Control<QPushButton>(dialog, "IncAllBtn"));
    prompts_->Choices = {2};
    Click(Control<QPushButton>(dialog, "PrintListButton"));
    const std::string handicaps = ReadFile("hdcplist.qmr");
    QVERIFY2(handicaps.find("Ann Lee                 12.4         15") != std::string::npos,
             handicaps.c_str());
    const QString pdf = QDir::current().filePath(QStringLiteral("cards.pdf"));
    prompts_->CardCounts = {10};
    prompts_->PrinterChoices = {true};
    prompts_->SetUpPrinter = PrintToPdf(pdf);
    Click(Control<QPushButton>(dialog, "PrintCardsButton"));
    const QString cards = PdfText(pdf);
    QVERIFY2(cards.contains("Name: Ann Lee") && cards.contains("INDEX: 12.4 HCP: 15"),
             qPrintable(cards));
    dialog->close();

    // Leaving the list keeps the rule's state for the next start.
    Activate(list);
    Control<QCheckBox>(list, "chkUseMaxIndex")->setChecked(false);
    Click(Control<QPushButton>(list, "ExitButton"));
    QVERIFY(!ReadSettingBool("Settings", "UseMaxIndex", true));
    const std::vector<QWidget*> open = main->OpenedWindows();
    QVERIFY(std::find(open.begin(), open.end(), handicap) != open.end());
  }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
