// Every window of the program in the Light and the Dark scheme, and under a
// dark desktop palette it follows: each text it shows stands out from what
// it is drawn on by at least 4.5 to 1, measured on the window's pixels. And
// the scheme chosen in the main window reaches the open windows at once and
// the next start.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextEdit>
#include <cmath>
#include <functional>

#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_rounds.h"
#include "support/qt_support.h"
#include "ui/look.h"
#include "ui/qm2choic.h"
#include "ui/qmcrddet.h"
#include "ui/qmpreview.h"
#include "windows/qmabout.h"
#include "windows/qmapp.h"
#include "windows/qmmain.h"
#include "windows/qmstrokes.h"

using namespace qm;
using namespace qm::test;

namespace {

double Channel(int value) {
  const double c = value / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(QRgb colour) {
  return 0.2126 * Channel(qRed(colour)) + 0.7152 * Channel(qGreen(colour)) +
         0.0722 * Channel(qBlue(colour));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the text in rect: the background is the commonest colour
// there, the text the pixel that stands out most from it. 0 when the rect
// holds one colour only (no text drawn).
double TextContrast(const QImage& image, QRect rect) {
  rect &= image.rect();
  std::map<QRgb, int> counts;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000];
  if (counts.size() < 2) return 0;
  const QRgb background =
      std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
        return a.second < b.second;
      })->first;
  double best = 1;
  for (const auto& [colour, count] : counts) best = std::max(best, Contrast(colour, background));
  return best;
}

QRect ButtonText(QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const auto element = qobject_cast<QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
                       : qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                             : QStyle::SE_PushButtonContents;
  return button->style()->subElementRect(element, &option, button).adjusted(1, 1, -1, -1);
}

// Where each text of window is drawn, in the window's coordinates, by the
// name of what draws it.
std::vector<std::pair<QString, QRect>> TextPlaces(QWidget* window) {
  std::vector<std::pair<QString, QRect>> places;
  auto add = [&](QWidget* widget, QRect rect, const QString& what) {
    if (!rect.isEmpty())
      places.emplace_back(widget->objectName() + what,
                          QRect(widget->mapTo(window, rect.topLeft()), rect.size()));
  };
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window) || !widget->isEnabled() || widget->window() != window)
      continue;
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
      add(label, label->contentsRect(), {});
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
               button && !button->text().isEmpty()) {
      add(button, ButtonText(button), {});
    } else if (auto* field = qobject_cast<QLineEdit*>(widget);
               field && !field->text().isEmpty() && !field->hasSelectedText()) {
      add(field, field->contentsRect().adjusted(2, 2, -2, -2), {});
    } else if (auto* box = qobject_cast<QComboBox*>(widget); box && !box->currentText().isEmpty()) {
      add(box, box->rect().adjusted(4, 4, -24, -4), {});
    } else if (auto* memo = qobject_cast<QTextEdit*>(widget);
               memo && !memo->toPlainText().isEmpty()) {
      add(memo->viewport(), memo->viewport()->rect(), {});
    } else if (auto* view = qobject_cast<QAbstractItemView*>(widget);
               view && view->model() != nullptr) {
      // The selection's colours are the desktop's: an unselected row.
      for (int row = 0; row < view->model()->rowCount(); ++row) {
        const QModelIndex first = view->model()->index(row, 0);
        if (view->selectionModel()->isRowSelected(row, {})) continue;
        if (!first.data().toString().isEmpty())
          add(view->viewport(), view->visualRect(first) & view->viewport()->rect(),
              QStringLiteral(" row %1").arg(row + 1));
        break;
      }
    } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
      for (QAction* item : bar->actions())
        if (item->isVisible()) add(bar, bar->actionGeometry(item), " " + item->text());
    }
  }
  return places;
}

// 24 rounds at a course of the sample list, the newest on the test's day.
std::string HomeRounds() {
  std::string file;
  for (int day = 24; day >= 1; --day)
    file += ScoreLine(QDate(2024, 5, day).toString(QStringLiteral("yyyyMMdd")).toStdString(),
                      std::to_string(80 + day % 9), std::to_string(80 + day % 9), "71.2", "128",
                      "ALDER CREEK GOLF CLUB");
  return file;
}

}  // namespace

class ColoursTest : public WindowTest {
  Q_OBJECT

  QPalette desktop_;

  TMainForm* Main() { return Program().MainForm; }

  // The window that act shows.
  static QWidget* Opened(const std::function<void()>& act) {
    const QWidgetList before = QApplication::topLevelWidgets();
    act();
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->isVisible() && (!before.contains(window) || !window->property("seen").isValid()))
        if (qobject_cast<QMenu*>(window) == nullptr) {
          window->setProperty("seen", true);
          return window;
        }
    return nullptr;
  }
  static QWidget* Clicked(QWidget* window, const char* button) {
    return Opened([&] { Click(Control<QPushButton>(window, button)); });
  }

  // The golfer list with its one golfer picked.
  QWidget* GolferList() {
    QWidget* list = Clicked(Main(), "EnterScoresButton");
    Control<QListWidget>(list, "GolferListBox")->setCurrentRow(0);
    return list;
  }
  QWidget* FromList(const char* button) { return Clicked(GolferList(), button); }
  QWidget* FromListMenu(const char* item) {
    QWidget* list = GolferList();
    return Opened([&] { Control<QAction>(list, item)->trigger(); });
  }
  QWidget* FromMain(const char* button, const char* then = nullptr) {
    QWidget* window = Clicked(Main(), button);
    return then == nullptr ? window : Clicked(window, then);
  }

  QWidget* Open(const QString& name) {
    static const std::map<QString, std::function<QWidget*(ColoursTest*)>> openers = {
        {"MainForm", [](ColoursTest* t) -> QWidget* { return t->Main(); }},
        {"GMaintForm", [](ColoursTest* t) { return t->FromMain("EditGolferButton"); }},
        {"GNameForm", [](ColoursTest* t) { return t->FromMain("EditGolferButton", "AddButton"); }},
        {"CMaintForm", [](ColoursTest* t) { return t->FromMain("EditCoursesButton"); }},
        {"CourseForm",
         [](ColoursTest* t) { return t->FromMain("EditCoursesButton", "AddButton"); }},
        {"GPickForm", [](ColoursTest* t) { return t->GolferList(); }},
        {"GolferForm", [](ColoursTest* t) { return t->FromList("EditScoresButton"); }},
        {"ScoreForm", [](ColoursTest* t) { return t->FromList("AddAScoreButton"); }},
        {"GroupOfScoresForm", [](ColoursTest* t) { return t->FromList("AddGroupButton"); }},
        {"IndexForm", [](ColoursTest* t) { return t->FromList("IndexButton"); }},
        {"HandicapForm", [](ColoursTest* t) { return t->FromList("HandicapButton"); }},
        {"PrintHandicapsDlg", [](ColoursTest* t) { return t->FromList("PrintHandicapButton"); }},
        {"IndexHistoryForm", [](ColoursTest* t) { return t->FromListMenu("IndexHistory1"); }},
        {"CompetitionForm", [](ColoursTest* t) { return t->FromListMenu("Competition1"); }},
        {"AboutBox", [](ColoursTest* t) -> QWidget* { return new TAboutBox(t->Main()); }},
        {"StrokeIndexDlg",
         [](ColoursTest* t) -> QWidget* {
           TStrokeIndexDlg::Fields fields;
           for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = std::to_string(i + 1);
           return new TStrokeIndexDlg("ALDER CREEK", fields, t->Main());
         }},
        {"CardDetailsDlg",
         [](ColoursTest* t) -> QWidget* { return new TPrintHdcpDetails(t->Main()); }},
        {"PrintPreviewDlg",
         [](ColoursTest* t) -> QWidget* {
           static QPrinter printer;
           return new TPrintPreviewDlg(
               printer,
               [](QPrinter& paper) {
                 QPainter painter(&paper);
                 painter.drawText(100, 100, QStringLiteral("Course Handicap"));
               },
               t->Main());
         }},
        {"TwoChoiceDlg",
         [](ColoursTest* t) -> QWidget* {
           auto* dialog = new TTwoChoiceDlg(t->Main());
           dialog->Prime(QStringLiteral("Quillmor"), QStringLiteral("Save the changes?"),
                         QStringLiteral("Yes"), QStringLiteral("No"));
           return dialog;
         }},
    };
    QWidget* window = openers.at(name)(this);
    window->show();
    QApplication::processEvents();
    return window;
  }

 private slots:
  void initTestCase() {
    QApplication::setKeyboardInputInterval(5);
    RememberDesktopLook();
    desktop_ = QApplication::palette();
  }

  void init() {
    Begin(QDate(2024, 5, 25));
    AddSampleCourses();
    WriteFile("golfers.qmd", "Ann Lee~LEE~1~\r\n");
  }

  void cleanup() {
    End();
    QApplication::setPalette(desktop_);
    RememberDesktopLook();
    ApplyColourScheme(ColourScheme::System);
  }

  void everyTextStandsOut_data() {
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("window");
    const QStringList windows = {
        "MainForm",     "GMaintForm",        "GNameForm",        "CMaintForm",        "CourseForm",
        "GPickForm",    "GolferForm",        "ScoreForm",        "GroupOfScoresForm", "IndexForm",
        "HandicapForm", "PrintHandicapsDlg", "IndexHistoryForm", "CompetitionForm",   "AboutBox",
        "TwoChoiceDlg", "StrokeIndexDlg",    "CardDetailsDlg",   "PrintPreviewDlg"};
    for (const QString scheme : {"Light", "Dark", "DarkDesktop"})
      for (const QString& window : windows)
        QTest::newRow(qPrintable(scheme + " " + window)) << scheme << window;
  }

  void everyTextStandsOut() {
    QFETCH(QString, scheme);
    QFETCH(QString, window);
    if (scheme == "DarkDesktop") {
      // A desktop that hands the program a dark palette of its own.
      QPalette desktop = DarkPalette();
      desktop.setColor(QPalette::Window, QColor(0x30, 0x24, 0x30));
      desktop.setColor(QPalette::Base, QColor(0x18, 0x10, 0x18));
      QApplication::setPalette(desktop);
      RememberDesktopLook();
    } else {
      WriteFile(Dir().SettingsFile(), "[Options]\nColours=" + scheme.toStdString() + "\n");
    }
    WriteFile("LEE.qmg", HomeRounds());
    StartUp();
    Main()->show();
    Main()->setProperty("seen", true);
    QWidget* shown = Open(window);
    QVERIFY(shown != nullptr);
    QCOMPARE(IsDark(shown->palette()), scheme != "Light");
    SaveScreen(shown, QStringLiteral("colours-%1-%2").arg(scheme, window));

    const QImage pixels = shown->grab().toImage();
    QStringList faint;
    const auto places = TextPlaces(shown);
    QVERIFY(places.size() >= 2);
    for (const auto& [what, rect] : places) {
      const double contrast = TextContrast(pixels, rect);
      if (contrast < 4.5) faint << QStringLiteral("%1 %2").arg(what).arg(contrast, 0, 'f', 2);
    }
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral(", "))));
  }

  // The choice reaches a window that is open, and the next start.
  void theChoiceAppliesAtOnceAndIsKept() {
    StartUp();
    Main()->show();
    Main()->setProperty("seen", true);
    QWidget* list = Open(QStringLiteral("GPickForm"));
    QVERIFY(!IsDark(list->palette()));
    QVERIFY(Control<QAction>(Main(), "ColoursSystem1")->isChecked());

    Control<QAction>(Main(), "ColoursDark1")->trigger();
    QApplication::processEvents();
    QVERIFY(IsDark(list->palette()));
    const QImage dark = list->grab().toImage();
    QVERIFY(Luminance(dark.pixel(dark.width() - 4, dark.height() - 4)) < 0.1);
    QVERIFY(Control<QAction>(Main(), "ColoursDark1")->isChecked());
    QVERIFY(!Control<QAction>(Main(), "ColoursSystem1")->isChecked());
    QVERIFY(ReadFile(Dir().SettingsFile()).find("Colours=Dark") != std::string::npos);

    Control<QAction>(Main(), "ColoursLight1")->trigger();
    QApplication::processEvents();
    const QImage light = list->grab().toImage();
    QCOMPARE(QColor(light.pixel(light.width() - 4, light.height() - 4)), QColor(Qt::white));

    Control<QAction>(Main(), "ColoursDark1")->trigger();
    ShutDown();
    ApplyColourScheme(ColourScheme::System);
    StartUp();
    QCOMPARE(CurrentColourScheme(), ColourScheme::Dark);
    QVERIFY(IsDark(Program().MainForm->palette()));
  }

  // A dark window's chart prints light, and follows the scheme back to
  // light on screen.
  void paperStaysWhite() {
    WriteFile(Dir().SettingsFile(), "[Options]\nColours=Dark\n");
    WriteFile("LEE.qmg", HomeRounds());
    StartUp();
    Main()->show();
    Main()->setProperty("seen", true);
    QWidget* history = Open(QStringLiteral("IndexHistoryForm"));
    auto* chart = Control<QChartView>(history, "IndexChart");
    QCOMPARE(chart->chart()->theme(), QChart::ChartThemeDark);

    const QString pdf = QDir::current().filePath(QStringLiteral("history.pdf"));
    prompts_->PrinterChoices = {true};
    prompts_->SetUpPrinter = PrintToPdf(pdf);
    Control<QAction>(history, "Print1")->trigger();
    QProcess::execute(
        QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-gray"),
         QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, QStringLiteral("page")});
    const QImage page(QStringLiteral("page.png"));
    QVERIFY(!page.isNull());
    // The chart's area: from 1.05 inches down, 7 inches wide, 2 high.
    int dark = 0, all = 0;
    for (int y = 32; y < 32 + 60; ++y)
      for (int x = 23; x < 23 + 210; ++x, ++all)
        if (qGray(page.pixel(x, y)) < 100) ++dark;
    QVERIFY2(dark * 5 < all, qPrintable(QStringLiteral("%1 of %2 dark").arg(dark).arg(all)));

    Control<QAction>(Main(), "ColoursLight1")->trigger();
    QApplication::processEvents();
    QCOMPARE(chart->chart()->theme(), QChart::ChartThemeLight);
  }
};

QTEST_MAIN(ColoursTest)
#include "colours_test.moc"
