// The course handicap window, opened for a golfer as the golfer windows do.
#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "app/clock.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_support.h"
#include "support/report_files.h"
#include "windows/qmhndicp.h"

using namespace qm;
using namespace qm::test;

namespace {

// Sorted by name in the window: Bent Creek, Oak Hills, Pine Ridge, Wild Dunes.
void WriteCourses() {
  qm::test::WriteFile("courses.qmd", CourseLine("Pine Ridge", "71.4", "130", "72") +
                                         CourseLine("Oak Hills", "69.8", "118", "") +
                                         CourseLine("Bent Creek", "70.2", "abc", "71") +
                                         CourseLine("Wild Dunes", "72.9", "141", "73"));
}

qm::TRosterEntry Golfer(const std::string& shortName = "PLAYER1") {
  return {"Pat Golfer", shortName, 0};
}

// Picks a course as the user does with the keys of the closed list: typing
// the first letter of its name (every course of the test has its own).
void Pick(THandicapForm* form, const QString& name) {
  qm::test::Focus(Control<QComboBox>(form, "CourseField"));
  QTest::qWait(QApplication::keyboardInputInterval() + 1);  // a search of its own
  QTest::keyClicks(Control<QComboBox>(form, "CourseField"), name.left(1));
  QCOMPARE(Control<QComboBox>(form, "CourseField")->currentText(), name);
}

std::string SheetBytes() {
  const std::string today = qm::TodayDisplay().toStdString();
  return "QUILLMOR COURSE HANDICAP AS OF:  " + today +
         "\r\n"
         "FOR:  Pat Golfer\r\n"
         "AT:   Pine Ridge\r\n"
         "\r\n"
         "Course Rating: 71.4\r\n"
         "Slope Rating:  130\r\n"
         "Par:           72\r\n"
         "Index:         15.2\r\n"
         "\r\n"
         "Handicap for Pat Golfer at this course is: 17\r\n"
         "Predicted score for Pat Golfer is: 89\r\n";
}

}  // namespace

class HandicapTest : public qm::test::WindowTest {
  Q_OBJECT
  QPointer<THandicapForm> form_;

  THandicapForm* Open(const std::string& shortName = "PLAYER1") {
    form_ = THandicapForm::Open(Golfer(shortName), "15.2");
    qm::test::Activate(form_);
    return form_;
  }

 private slots:
  void initTestCase() { QApplication::setKeyboardInputInterval(5); }
  void init() {
    Begin();
    WriteCourses();
  }
  void cleanup() {
    delete form_.data();
    End();
  }

  void opensWithNoCourseAndAsksForOne() {
    THandicapForm* form = Open();
    QCOMPARE(form->windowTitle(), QStringLiteral("Course Handicap - Pat Golfer"));
    QCOMPARE(Control<QComboBox>(form, "CourseField")->currentIndex(), -1);
    QCOMPARE(Control<QLineEdit>(form, "Hdcp1")->text(), QStringLiteral("Please select a course."));
    QStringList names;
    for (int i = 0; i < Control<QComboBox>(form, "CourseField")->count(); ++i)
      names << Control<QComboBox>(form, "CourseField")->itemText(i);
    QCOMPARE(names, (QStringList{"Bent Creek", "Oak Hills", "Pine Ridge", "Wild Dunes"}));
    QCOMPARE(Control<QLineEdit>(form, "IndexField")->text(), QStringLiteral("15.2"));
    QCOMPARE(form->size().width(), THandicapForm::ClientWidth);
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QCOMPARE(form->frameGeometry().center(), form->screen()->availableGeometry().center());
    QStringList items;
    for (const QAction* item : {Control<QAction>(form, "Exit1"), Control<QAction>(form, "Help2"),
                                Control<QAction>(form, "AboutQuillmor1")})
      items << item->objectName() + ' ' + item->text();
    QCOMPARE(items, (QStringList{"Exit1 E&xit", "Help2 &Help", "AboutQuillmor1 &About Quillmor"}));

    Control<QAction>(form, "Help2")->trigger();
    QCOMPARE(prompts_->Shown.at(0).Kind, BoxKind::Warning);
    QCOMPARE(prompts_->Texts(), QStringList{"Help not implemented yet."});

    // Print before any pick: only the refusal.
    prompts_->ClearShown();
    QTest::mouseClick(Control<QPushButton>(form, "PrintButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Texts(), QStringList{"You must select a course first."});
  }

  void pickShowsHandicapAndPredictedScore() {
    THandicapForm* form = Open();
    Pick(form, QStringLiteral("Pine Ridge"));
    QCOMPARE(Control<QComboBox>(form, "CourseField")->currentText(), QStringLiteral("Pine Ridge"));
    QCOMPARE(Control<QLineEdit>(form, "RatingField")->text(), QStringLiteral("71.4"));
    QCOMPARE(Control<QLineEdit>(form, "SlopeField")->text(), QStringLiteral("130"));
    QCOMPARE(Control<QLineEdit>(form, "ParField")->text(), QStringLiteral("72"));
    QCOMPARE(Control<QLineEdit>(form, "Hdcp1")->text(),
             QStringLiteral("Handicap for Pat Golfer at this course is: 17"));
    QCOMPARE(Control<QLineEdit>(form, "Hdcp2")->text(),
             QStringLiteral("Predicted score for Pat Golfer is: 89"));
    QVERIFY(form->CourseChosen());
    QVERIFY(prompts_->Shown.empty());
    qm::test::SaveScreen(form, QStringLiteral("hndicp"));
  }

  void aFailedPickLeavesNothingToPrint() {
    THandicapForm* form = Open();
    Pick(form, QStringLiteral("Pine Ridge"));
    // Oak Hills has no total par: the handicap sentence is new, the
    // predicted score is the old one, and Print refuses.
    Pick(form, QStringLiteral("Oak Hills"));
    QCOMPARE(prompts_->Texts(), QStringList{"'' is not a valid integer value"});
    QCOMPARE(Control<QLineEdit>(form, "Hdcp1")->text(),
             QStringLiteral("Handicap for Pat Golfer at this course is: 16"));
    QCOMPARE(Control<QLineEdit>(form, "Hdcp2")->text(),
             QStringLiteral("Predicted score for Pat Golfer is: 89"));
    QVERIFY(!form->CourseChosen());
    // Bent Creek's slope is no number: the fields before it change, the
    // sentences do not.
    Pick(form, QStringLiteral("Bent Creek"));
    QCOMPARE(prompts_->Texts().last(), QStringLiteral("'abc' is not a valid floating point value"));
    QCOMPARE(Control<QLineEdit>(form, "RatingField")->text(), QStringLiteral("70.2"));
    QCOMPARE(Control<QLineEdit>(form, "Hdcp1")->text(),
             QStringLiteral("Handicap for Pat Golfer at this course is: 16"));
    prompts_->ClearShown();
    prompts_->Choices = {2};
    QTest::mouseClick(Control<QPushButton>(form, "PrintButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Texts(), QStringList{"You must select a course first."});
    QVERIFY(!std::filesystem::exists("PLAYER1.qmh"));
  }

  void fileHoldsTheElevenLines() {
    THandicapForm* form = Open();
    Pick(form, QStringLiteral("Pine Ridge"));
    qm::test::WriteFile("PLAYER1.qmh", "an earlier sheet\r\n");
    prompts_->Choices = {2};
    QTest::mouseClick(Control<QPushButton>(form, "PrintButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Shown.at(0).Kind, BoxKind::TwoChoice);
    QCOMPARE(prompts_->Shown.at(0).Caption, QStringLiteral("Printer or File"));
    QCOMPARE(prompts_->Texts(), (QStringList{"Output handicap list to the printer or to a file?",
                                             "Handicap file \"PLAYER1.qmh\" created."}));
    QCOMPARE(qm::test::ReadFile("PLAYER1.qmh"), SheetBytes());

    // Cancel writes nothing, and says nothing.
    std::filesystem::remove("PLAYER1.qmh");
    prompts_->ClearShown();
    prompts_->Choices = {-1};
    QTest::mouseClick(Control<QPushButton>(form, "PrintButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
    QVERIFY(!std::filesystem::exists("PLAYER1.qmh"));
  }

  void printerGivesAPdfOfTheSheet() {
    THandicapForm* form = Open();
    Pick(form, QStringLiteral("Pine Ridge"));
    const QString pdf = QDir::current().filePath(QStringLiteral("sheet.pdf"));
    prompts_->Choices = {1};
    prompts_->PrinterChoices = {true};
    prompts_->SetUpPrinter = qm::test::PrintToPdf(pdf);
    QTest::mouseClick(Control<QPushButton>(form, "PrintButton"), Qt::LeftButton);
    QCOMPARE(prompts_->Texts().last(), QStringLiteral("Printing completed."));

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(20000));
    // pdftotext guesses the gaps between words; compare word by word.
    QStringList read;
    for (const QString& line : QString::fromUtf8(text.readAllStandardOutput()).split('\n'))
      if (!line.simplified().isEmpty()) read << line.simplified();
    QStringList expected;
    for (const QString& line : QString::fromStdString(SheetBytes()).split(QStringLiteral("\r\n")))
      if (!line.isEmpty()) expected << line.simplified();
    QCOMPARE(read, expected);

    // The page as a picture, beside the window's.
    const QString screens = qEnvironmentVariable("QM_SCREENS_DIR");
    if (!screens.isEmpty()) {
      QDir().mkpath(screens);
      QProcess::execute(
          QStringLiteral("pdftoppm"),
          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
           QStringLiteral("-singlefile"), pdf, screens + QStringLiteral("/hndicp_pdf")});
    }
  }

  void outlivesItsOpenerAndGoesWhenClosed() {
    auto* opener = new QWidget;
    opener->show();
    form_ = THandicapForm::Open(Golfer(), "15.2");
    delete opener;
    QVERIFY(!form_.isNull() && form_->isVisible());
    Control<QAction>(form_, "Exit1")->trigger();
    QVERIFY(!form_->isVisible());
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form_.isNull());
    QPointer<THandicapForm> second = THandicapForm::Open(Golfer(), "15.2");
    QTest::mouseClick(Control<QPushButton>(second, "OKButton"), Qt::LeftButton);
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(second.isNull());
  }
};

QTEST_MAIN(HandicapTest)
#include "hndicp_test.moc"
