// The index display, filled by the real index calculation as its callers do.
#include "engine/index.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "support/qt_fixture.h"
#include "support/qt_prompts.h"
#include "support/qt_support.h"
#include "windows/qmindex.h"

using qm::TIndexForm;
using qm::test::Control;

namespace {

// count scores, newest first, the first `incomplete` of them without a slope.
qm::TScoreTable Scores(int count, int incomplete, const std::string& course) {
  qm::TScoreTable table;
  for (int i = 0; i < count; ++i) {
    qm::TScoreRec rec;
    rec.Date = "2001" + std::string(i < 3 ? "12" : "0" + std::to_string(9 - i / 4)) +
               (i % 28 + 1 < 10 ? "0" : "") + std::to_string(i % 28 + 1);
    rec.Course = course;
    rec.ScoreTotal = std::to_string(80 + (i * 7) % 15);
    rec.AdjScore = rec.ScoreTotal;
    rec.Rating = "71.2";
    rec.Slope = i < incomplete ? "" : "125";
    table.Entries.push_back(rec);
  }
  return table;
}

qm::IndexRequest Request(TIndexForm* sheet, const std::string& name) {
  qm::IndexRequest request;
  request.LongName = name;
  request.Output = qm::IndexOutput::Display;
  request.Style = qm::AccountStyle::GolferList;
  request.Sheet = sheet;
  return request;
}

QStringList Lines(TIndexForm* form) {
  QStringList lines;
  for (int i = 1; i <= TIndexForm::LineCount; ++i) {
    lines << Control<QLineEdit>(form, "Field", i)->text();
  }
  return lines;
}

}  // namespace

class IndexTest : public qm::test::WindowTest {
  Q_OBJECT

 private slots:
  void fullAccountFitsTheSheet() {
    // Ten differentials with the longest names: a 40-character golfer and
    // 30-character courses.
    const std::string name = "Bartholomew Featherstonehaugh-Wolverton";
    const std::string course = "Royal Pinecrest Links West Co";
    QPointer<TIndexForm> form = new TIndexForm;
    qm::CalcIndex(Scores(21, 1, course + "u"), Request(form, name + "e"));
    form->show();
    QApplication::processEvents();

    const QStringList lines = Lines(form);
    QCOMPARE(lines[0], QString::fromStdString("21 scores on file for " + name + "e."));
    QVERIFY(lines[1].startsWith("Calculated index using best 10 out of 20"));
    QVERIFY(lines[11].startsWith("Differential 10"));
    QVERIFY(lines[11].endsWith(QString::fromStdString(course + "u")));
    QCOMPARE(lines[12], QString());
    QVERIFY(lines[13].startsWith("The current index for "));

    // Nothing of a line is cut off at the field's right edge, not even of
    // the longest line an account may have (80 characters).
    const QString longest(80, QLatin1Char('W'));
    for (int i = 1; i <= TIndexForm::LineCount; ++i) {
      const QLineEdit* field = Control<QLineEdit>(form, "Field", i);
      const QFontMetrics metrics(field->font());
      QVERIFY2(metrics.horizontalAdvance(field->text()) <= field->width() - 4,
               qPrintable(field->text()));
      QVERIFY(metrics.horizontalAdvance(longest) <= field->width() - 4);
      QVERIFY(field->isReadOnly());
      QCOMPARE(field->focusPolicy(), Qt::NoFocus);
      QVERIFY(Control<QFrame>(form, "Panel1")
                  ->geometry()
                  .contains(field->mapTo(form, QPoint(field->width() - 1, field->height() - 1))));
    }
    QCOMPARE(form->size(), QSize(549, 388));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QCOMPARE(form->windowTitle(), QStringLiteral("Current Index"));
    QVERIFY(!form->isModal());
    QCOMPARE(form->frameGeometry().center(), form->screen()->availableGeometry().center());
    qm::test::SaveScreen(form, QStringLiteral("index"));

    QTest::mouseClick(Control<QPushButton>(form, "OkButton"), Qt::LeftButton);
    QTest::qWait(0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
  }

  void twoDisplaysInARowAreIndependent() {
    QPointer<TIndexForm> first = new TIndexForm;
    // Whatever a display held before, a new account replaces all of it.
    for (int n = 1; n <= TIndexForm::LineCount; ++n) first->SetIndexLine(n, "old line");
    qm::CalcIndex(Scores(3, 0, "Short Course"), Request(first, "Ann Short"));
    first->show();

    QPointer<TIndexForm> second = new TIndexForm;
    qm::CalcIndex(Scores(8, 0, "Long Course"), Request(second, "Bob Long"));
    second->show();
    QApplication::processEvents();

    const QStringList one = Lines(first);
    QCOMPARE(one[0], QStringLiteral("3 scores on file for Ann Short.  (3 are valid)"));
    QCOMPARE(one[1], QStringLiteral("A golfer needs 5 valid scores to receive an index."));
    QCOMPARE(one[2], QString());
    QVERIFY(one[3].startsWith("The current index for Ann Short is"));
    for (int i = 4; i < TIndexForm::LineCount; ++i) QCOMPARE(one[i], QString());

    const QStringList two = Lines(second);
    QCOMPARE(two[0], QStringLiteral("8 scores on file for Bob Long.  (8 are valid)"));
    QVERIFY(two[2].endsWith("Long Course"));
    QVERIFY(two[5].startsWith("The current index for Bob Long is"));

    // Closing one leaves the other as it was.
    QTest::mouseClick(Control<QPushButton>(second, "CancelButton"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(second.isNull());
    QVERIFY(!first.isNull() && first->isVisible());
    QCOMPARE(Lines(first), one);
    delete first.data();
  }

  void linesOutsideTheSheetAreIgnored() {
    TIndexForm form;
    form.ClearIndexLines();
    for (int n : {-1, 0, 15, 1000}) form.SetIndexLine(n, "stray");
    QVERIFY(!Lines(&form).contains(QStringLiteral("stray")));
    form.SetIndexLine(14, "Caf\xe9 \x80");
    QCOMPARE(Control<QLineEdit>(&form, "Field", 14)->text(), QString::fromUtf8("Caf\u00e9 \u20ac"));
  }
};

QTEST_MAIN(IndexTest)
#include "index_test.moc"
