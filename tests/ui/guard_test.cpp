// The general error report: an error raised inside a handler is shown with
// its exact text, ends that action only, and never reaches Qt.
#include "ui/guard.h"

#include <QPushButton>
#include <QtTest>
#include <cerrno>
#include <memory>
#include <new>

#include "store/errors.h"
#include "support/qt_fixture.h"
#include "support/qt_prompts.h"

using qm::test::BoxKind;

namespace {

// A prompts layer whose report box itself fails.
class FailingPrompts : public qm::test::ScriptedPrompts {
 public:
  void Message(const QString&) override { throw std::runtime_error("no box today"); }
};

}  // namespace

class GuardTest : public qm::test::WindowTest {
  Q_OBJECT

 private slots:
  void reportsTheErrorsText_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("text");
    QTest::newRow("disk full") << 0 << "Disk full";
    QTest::newRow("other system error") << 1 << "I/O error 5";
    QTest::newRow("not an integer, single-byte text")
        << 2 << "'caf\u00e9' is not a valid integer value";
    QTest::newRow("not a number") << 3 << "'7.x' is not a valid floating point value";
    QTest::newRow("out of memory") << 4 << "Out of memory";
  }

  void reportsTheErrorsText() {
    QFETCH(int, which);
    QFETCH(QString, text);
    bool after = false;
    const bool finished = qm::Guard([&] {
      switch (which) {
        case 0: qm::ThrowIoError(ENOSPC);
        case 1: qm::ThrowIoError(EIO);
        case 2: qm::ThrowNotInteger("caf\xe9");
        case 3: qm::ThrowNotFloat("7.x");
        default: throw std::bad_alloc();
      }
      after = true;
    });
    QVERIFY(!finished);
    QVERIFY(!after);
    QCOMPARE(prompts_->Shown.size(), std::size_t{1});
    QCOMPARE(prompts_->Shown[0].Kind, BoxKind::Message);
    QCOMPARE(prompts_->Shown[0].Text, text);
  }

  void handlersOfSignalsAreGuarded() {
    QPushButton button;
    int clicks = 0;
    bool checkedSeen = false;
    // A handler without parameters on clicked(bool), one that takes it, and
    // one that fails on the first click only.
    connect(&button, &QPushButton::clicked, &button, qm::Guarded([&] { ++clicks; }));
    connect(&button, &QPushButton::clicked, &button,
            qm::Guarded([&](bool checked) { checkedSeen = !checked; }));
    connect(&button, &QPushButton::clicked, &button, qm::Guarded([&] {
      if (clicks == 1) qm::ThrowFileFault(qm::FileFault::AccessDenied);
    }));
    button.click();
    QCOMPARE(prompts_->Texts(), QStringList{"File access denied"});
    button.click();
    QCOMPARE(clicks, 2);
    QVERIFY(checkedSeen);
    QCOMPARE(prompts_->Texts(), QStringList{"File access denied"});
  }

  void aFailingReportDoesNotEscape() {
    qm::SetPrompts(std::make_unique<FailingPrompts>());
    QVERIFY(!qm::Guard([] { qm::ThrowFileFault(qm::FileFault::NotFound); }));
    QVERIFY(qm::Guard([] {}));
  }
};

QTEST_MAIN(GuardTest)
#include "guard_test.moc"
