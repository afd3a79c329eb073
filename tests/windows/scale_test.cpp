// Every window at twice the screen's scale (QT_SCALE_FACTOR=2): its size in
// device-independent pixels stays that of its layout, it covers twice as
// many device pixels, and its pixel-sized fonts grow with it. And the
// windows without a maximize box are fixed in size.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <vector>

#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_support.h"
#include "windows/qmapp.h"
#include "windows/qmcmaint.h"
#include "windows/qmcourse.h"
#include "windows/qmgmaint.h"
#include "windows/qmgname.h"
#include "windows/qmgolfer.h"
#include "windows/qmgpick.h"
#include "windows/qmhndicp.h"
#include "windows/qmindex.h"
#include "windows/qmmain.h"
#include "windows/qmscore.h"
#include "windows/qmsgroup.h"

using qm::Program;
using qm::test::Control;

// Opens a window as the user would and returns it.
using Opener = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Opener)

namespace {

constexpr int kScale = 2;

// The height, in device-independent pixels, of the rows of picture (taken
// at kScale) inside area that hold a dark pixel: the drawn height of a text.
double InkHeight(const QImage& picture, const QRect& area) {
  int first = -1;
  int last = -1;
  const QRect device(area.topLeft() * kScale, area.size() * kScale);
  for (int y = device.top(); y <= device.bottom() && y < picture.height(); ++y) {
    for (int x = device.left(); x <= device.right() && x < picture.width(); ++x) {
      if (qGray(picture.pixel(x, y)) < 96) {
        if (first < 0) first = y;
        last = y;
        break;
      }
    }
  }
  return first < 0 ? 0.0 : double(last - first + 1) / kScale;
}

// A text of a window where it is drawn alone, on a light ground: a label
// of one line, an unfocused field, an unselected line of a list.
struct Text {
  QRect Area;  // in the window, device-independent pixels
  QFont Font;
  QString Content;
};

std::vector<Text> TextsOf(QWidget* window) {
  std::vector<Text> texts;
  auto inWindow = [window](QWidget* control, QRect area) {
    return QRect(control->mapTo(window, area.topLeft()), area.size());
  };
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->isVisible() && !label->text().isEmpty() && label->pixmap().isNull() &&
        !label->wordWrap() && !label->text().contains(u'\n'))
      texts.push_back({inWindow(label, label->rect()), label->font(), label->text()});
  }
  for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
    if (field->isVisible() && !field->text().isEmpty() && !field->hasFocus())
      texts.push_back(
          {inWindow(field, field->rect().adjusted(3, 3, -3, -3)), field->font(), field->text()});
  }
  for (QListWidget* list : window->findChildren<QListWidget*>()) {
    for (int row = 0; row < std::min(list->count(), 4); ++row) {
      QListWidgetItem* item = list->item(row);
      if (item->isSelected()) continue;
      texts.push_back(
          {inWindow(list->viewport(), list->visualItemRect(item)), list->font(), item->text()});
    }
  }
  // Texts of less than a few pixels ("-", ".") say nothing about their size.
  std::erase_if(texts, [](const Text& text) {
    return QFontMetrics(text.Font).tightBoundingRect(text.Content).height() < 6;
  });
  return texts;
}

}  // namespace

class ScaleTest : public qm::test::WindowTest {
  Q_OBJECT

 private slots:
  void init() {
    Begin();
    AddSampleCourses();
    qm::StartUp();
    Program().MainForm->show();
    QApplication::processEvents();
  }

  void everyWindowFollowsTheScale_data() {
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QSize>("layout");  // empty: the window's size is not given in pixels
    QTest::addColumn<QString>("picture");
    // Fixed in size: no window manager offers to maximize it.
    QTest::addColumn<bool>("fixed");

    auto main = [] { return static_cast<QWidget*>(Program().MainForm); };
    auto courses = [] {
      Control<QPushButton>(Program().MainForm, "EditCoursesButton")->click();
      return static_cast<QWidget*>(qm::TCMaintForm::Instance());
    };
    auto editor = [courses] {
      QWidget* list = courses();
      list->findChild<QPushButton*>(QStringLiteral("ModifyButton"))->click();
      return static_cast<QWidget*>(Program().CourseForm);
    };
    auto roster = [] {
      qm::test::WriteFile("golfers.qmd", "Mary Jones~MARY~1~\r\nTom Smith~TOM~0~\r\n");
      Control<QPushButton>(Program().MainForm, "EditGolferButton")->click();
      return static_cast<QWidget*>(qm::TGMaintForm::Instance());
    };
    auto name = [] {
      Program().GNameForm->show();
      return static_cast<QWidget*>(Program().GNameForm);
    };
    auto score = [] {
      Program().ScoreForm->show();
      return static_cast<QWidget*>(Program().ScoreForm);
    };
    auto handicap = [] {
      qm::TRosterEntry golfer;
      golfer.LongName = "Mary Jones";
      golfer.ShortName = "MARY";
      return static_cast<QWidget*>(qm::THandicapForm::Open(golfer, "12.4"));
    };
    auto index = [] {
      auto* sheet = new qm::TIndexForm(Program().MainForm);
      sheet->SetIndexLine(1, "Current index for Mary Jones: 12.4");
      sheet->show();
      return static_cast<QWidget*>(sheet);
    };
    auto golfer = [] {
      qm::test::WriteFile("MARY.qmg",
                          "20020223~Riverside~85~70.5~125~~~~~~~~~~~~~~~~~~~~~~~"
                          "~~~~~~~~~~~~~~~~83~0~0~\r\n");
      Program().GolferForm->OpenFor({"Mary Jones", "MARY", 1});
      return static_cast<QWidget*>(Program().GolferForm);
    };
    auto group = [] {
      qm::test::WriteFile("golfers.qmd", "Mary Jones~MARY~1~\r\nTom Smith~TOM~0~\r\n");
      auto* window = new qm::TGroupOfScoresForm;
      window->show();
      return static_cast<QWidget*>(window);
    };
    auto golfers = [] {
      qm::test::WriteFile("golfers.qmd", "Mary Jones~MARY~1~\r\nTom Smith~TOM~0~\r\n");
      Control<QPushButton>(Program().MainForm, "EnterScoresButton")->click();
      return Program().MainForm->OpenedWindows().back();
    };
    QTest::newRow("main window") << Opener(main) << QSize(472, 353) << "scale2-main" << true;
    QTest::newRow("course list") << Opener(courses) << QSize(568, 385) << "scale2-course-list"
                                 << false;
    QTest::newRow("course editor")
        << Opener(editor) << QSize(626, 312) << "scale2-course-editor" << true;
    QTest::newRow("roster") << Opener(roster) << QSize(552, 383) << "scale2-roster" << false;
    QTest::newRow("golfer list") << Opener(golfers) << QSize(572, 385) << "scale2-golfer-list"
                                 << false;
    QTest::newRow("golfer name") << Opener(name) << QSize(472, 214) << "scale2-golfer-name" << true;
    QTest::newRow("score entry") << Opener(score) << QSize() << "scale2-score-entry" << true;
    QTest::newRow("course handicap")
        << Opener(handicap) << QSize() << "scale2-course-handicap" << true;
    QTest::newRow("index") << Opener(index) << QSize(549, 388) << "scale2-index" << true;
    QTest::newRow("golfer scores")
        << Opener(golfer) << QSize(634, 422) << "scale2-golfer-scores" << false;
    QTest::newRow("group of scores")
        << Opener(group) << QSize(547, 383) << "scale2-group-of-scores" << false;
  }

  void everyWindowFollowsTheScale() {
    QFETCH(Opener, open);
    QFETCH(QSize, layout);
    QFETCH(QString, picture);
    QFETCH(bool, fixed);
    QWidget* window = open();
    QVERIFY(window != nullptr);
    QApplication::processEvents();
    QVERIFY(window->isVisible());
    QCOMPARE(window->devicePixelRatioF(), double(kScale));
    if (layout.isValid()) QCOMPARE(window->size(), layout);
    QCOMPARE(window->minimumSize() == window->maximumSize(), fixed);

    const QImage shot = window->grab().toImage();
    QCOMPARE(shot.size(), window->size() * kScale);
    QVERIFY(!qm::test::SaveScreen(window, picture).isEmpty());

    // Each text is drawn as high as its font says, in device-independent
    // pixels: a pixel-sized font scaled with the window.
    int measured = 0;
    for (const Text& text : TextsOf(window)) {
      const double ink = InkHeight(shot, text.Area);
      const int font = QFontMetrics(text.Font).tightBoundingRect(text.Content).height();
      QVERIFY2(ink > 0.75 * font && ink < 1.25 * font,
               qPrintable(QStringLiteral("\"%1\": drawn %2 high, its font %3")
                              .arg(text.Content)
                              .arg(ink)
                              .arg(font)));
      ++measured;
    }
    QVERIFY(measured > 0);
  }
};

int main(int argc, char** argv) {
  // Before the application exists: the scale is read when it starts.
  qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
  QApplication app(argc, argv);
  ScaleTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "scale_test.moc"
