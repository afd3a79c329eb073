// Single-byte text at the windows' edge.
#include "ui/textconv.h"

#include <QtTest>
#include <string>

#include "support/qt_fixture.h"

class TextConvTest : public qm::test::WindowTest {
  Q_OBJECT

 private slots:
  void everyByteSurvivesTheRoundTrip() {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString text = qm::FromBytes(all);
    QCOMPARE(text.size(), 256);
    QVERIFY(qm::IsSingleByte(text));
    QCOMPARE(qm::ToBytes(text), all);
    // No two bytes share a character.
    QSet<QChar> distinct(text.begin(), text.end());
    QCOMPARE(distinct.size(), 256);
  }

  void windows1252Characters() {
    QCOMPARE(qm::FromBytes("\x80"), QString(QChar(0x20AC)));
    QCOMPARE(qm::FromBytes("Caf\xe9"), QString::fromUtf8("Caf\u00e9"));
    QCOMPARE(qm::FromBytes("\x93q\x94"), QString::fromUtf8("\u201cq\u201d"));
    QCOMPARE(qm::ToBytes(QString::fromUtf8("\u2013 \u0160 \u00ff")), std::string("\x96 \x8a \xff"));
  }

  void textWithoutASingleByteIsRefused() {
    for (const char* text : {"\u0100", "\u4e2d", "\U0001F3CC", "ok \u2260 not"}) {
      const QString qtext = QString::fromUtf8(text);
      QVERIFY2(!qm::IsSingleByte(qtext), text);
      // Never silently something else: one "?" for each character (a
      // surrogate pair is two) where there is none.
      QVERIFY(qm::ToBytes(qtext).find('?') != std::string::npos);
    }
    QCOMPARE(qm::ToBytes(QString::fromUtf8("a\u0100b")), std::string("a?b"));
    QVERIFY(qm::IsSingleByte(QString()));
  }
};

QTEST_MAIN(TextConvTest)
#include "textconv_test.moc"
