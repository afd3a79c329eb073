// Backups: what a backup holds comes back byte for byte, files the backup
// does not know go, and a zip that is not a sound backup is refused whole
// before anything is written.
#include "app/backup.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <QtTest>
#include <cerrno>
#include <map>
#include <memory>

#include "store/errors.h"
#include "store/fileio.h"
#include "support/qt_fixture.h"
#include "support/workdir.h"

namespace fs = std::filesystem;
using qm::test::ReadFile;
using qm::test::WriteFile;

namespace {

// Every file under root, by path, with its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files[entry.path().string()] = ReadFile(entry.path());
  }
  return files;
}

struct Entry {
  QString name;
  QByteArray bytes;
};

// A zip of the given entries (deflated), written by QuaZip as another
// program might.
QByteArray Zip(const std::vector<Entry>& entries) {
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  {
    QuaZip zip(&buffer);
    zip.setUtf8Enabled(true);
    zip.open(QuaZip::mdCreate);
    for (const Entry& e : entries) {
      QuaZipFile file(&zip);
      file.open(QIODevice::WriteOnly, QuaZipNewInfo(e.name));
      file.write(e.bytes);
      file.close();
    }
    zip.close();
  }
  return buffer.data();
}

// Sets a 4-byte field of the first entry, in its local header (at local)
// and in the central directory (at central), to value: a declared size with
// nothing behind it, or a wrong CRC.
QByteArray Patch(QByteArray zip, int local, int central, quint32 value) {
  const auto put = [&](qsizetype at) {
    for (int i = 0; i < 4; ++i) zip[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  put(zip.indexOf("PK\x03\x04") + local);
  put(zip.indexOf("PK\x01\x02") + central);
  return zip;
}

}  // namespace

class BackupTest : public qm::test::WindowTest {
  Q_OBJECT

  std::string data_;
  std::string settings_;
  const QDateTime when_{QDate(2024, 5, 1), QTime(14, 3, 9)};

  void WriteData() {
    WriteFile("golfers.qmd", "ANN SMITH~ANN~1~\r\nJOS\xC9~JOS\xC9~0~\r\n");
    WriteFile("courses.qmd", "Oak~70.5~125~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n");
    WriteFile("strokes.qmd", "Oak~1~3~5~7~9~11~13~15~17~2~4~6~8~10~12~14~16~18~\r\n");
    WriteFile("ANN.qmg", "20240501~Oak~85~70.5~125~Caf\xE9 \x80~\r\n");
    WriteFile("JOS\xC9.qmg", "99999999~Oak~90~~~~\r\n");
    WriteFile("EMPTY.qmg", "");
    WriteFile("notes.txt", "not ours");
    WriteFile("sample.qmd", "Sample~70~113~72~\r\n");
    WriteFile(settings_, "[Main]\r\nTop=10\r\n");
  }

 private slots:
  void init() {
    Begin();
    data_ = Dir().Work().string();
    settings_ = Dir().SettingsFile().string();
    fs::create_directories(Dir().Config());
  }

  void backupThenRestoreGivesEveryFileBack() {
    WriteData();
    const auto before = Snapshot(Dir().Root());
    const QString zip = qm::DefaultBackupPath(QString::fromStdString(data_), when_, false);
    QCOMPARE(zip, QDir(QString::fromStdString(Dir().Root().string()))
                      .filePath(QStringLiteral("Quillmor backup 2024-05-01.zip")));
    QCOMPARE(qm::BackupFileName(when_, true),
             QStringLiteral("Quillmor backup 2024-05-01 14-03-09.zip"));
    QCOMPARE(qm::MakeBackup(zip, data_, settings_), 7);
    QVERIFY(!fs::exists(zip.toStdString() + ".tmp~"));

    // The user goes on: a round changed, a golfer gone, another added, the
    // roster and the settings rewritten.
    WriteFile("ANN.qmg", "changed\r\n");
    fs::remove("EMPTY.qmg");
    fs::remove("golfers.qmd");
    WriteFile("NEW.qmg", "20240601~Oak~80~~~~\r\n");
    WriteFile(settings_, "[Main]\r\nTop=99\r\n");

    const qm::CheckedBackup backup = qm::CheckBackup(zip);
    QCOMPARE(backup.Files.size(), std::size_t{7});
    qm::RestoreBackup(backup, data_, settings_);
    auto after = Snapshot(Dir().Root());
    after.erase((Dir().Root() / "Quillmor backup 2024-05-01.zip").string());
    QVERIFY(after == before);  // NEW.qmg is gone, the rest as it was
  }

  void restoreWithoutRosterRemovesTheRosterAndKeepsCourses() {
    WriteFile("A.qmg", "a\r\n");
    const QString zip = QStringLiteral("only-scores.zip");
    QCOMPARE(qm::MakeBackup(zip, data_, settings_), 1);  // no settings file yet
    WriteFile("golfers.qmd", "B~B~0~\r\n");
    WriteFile("B.qmg", "b\r\n");
    WriteFile("courses.qmd", "Oak~~~~\r\n");
    qm::RestoreBackup(qm::CheckBackup(zip), data_, settings_);
    QVERIFY(!fs::exists("golfers.qmd"));
    QVERIFY(!fs::exists("B.qmg"));
    QCOMPARE(ReadFile("A.qmg"), std::string("a\r\n"));
    QCOMPARE(ReadFile("courses.qmd"), std::string("Oak~~~~\r\n"));
  }

  void hostileZipsAreRefusedWhole_data() {
    QTest::addColumn<QByteArray>("zip");
    QTest::addColumn<QString>("message");
    const QByteArray score = "20240501~Oak~85~70.5~125~~\r\n";
    const auto named = [&](const char* name) {
      return Zip({{QStringLiteral("golfers.qmd"), "A~A~0~\r\n"}, {QString::fromUtf8(name), score}});
    };
    const QString foreign = QStringLiteral(
        " is no file of a Quillmor data folder (golfers.qmd, courses.qmd, strokes.qmd, score files "
        "*.qmg and quillmor.ini, without folders).");
    QTest::newRow("parent") << named("../x") << "the entry \"../x\"" + foreign;
    QTest::newRow("absolute") << named("/etc/passwd") << "the entry \"/etc/passwd\"" + foreign;
    QTest::newRow("folder") << named("a/b.qmg") << "the entry \"a/b.qmg\"" + foreign;
    QTest::newRow("backslash") << named("..\\b.qmg") << "the entry \"..\\b.qmg\"" + foreign;
    QTest::newRow("other kind") << named("notes.txt") << "the entry \"notes.txt\"" + foreign;
    QTest::newRow("foreign letters")
        << named("\xe4\xb8\xad.qmg") << "the entry of a name in other letters" + foreign;
    QTest::newRow("twice") << Zip({{"A.qmg", score}, {"A.qmg", score}})
                           << QStringLiteral("it holds \"A.qmg\" twice.");
    QTest::newRow("4 GB")
        << Patch(Zip({{"A.qmg", score}}), 22, 24, 0xFFFFFFF0u)
        << QStringLiteral("the entry \"A.qmg\" is larger than the 4 MiB such a file may have.");
    QTest::newRow("roster over 1 MiB")
        << Zip({{"golfers.qmd", QByteArray((1 << 20) + 1, 'x')}})
        << QStringLiteral(
               "the entry \"golfers.qmd\" is larger than the 1 MiB such a file may have.");
    QByteArray flipped = Zip({{"A.qmg", score.repeated(50)}});
    const auto word = [&](int at) {
      return static_cast<unsigned char>(flipped[at]) | static_cast<unsigned char>(flipped[at + 1])
                                                           << 8;
    };
    const int data = 30 + word(26) + word(28);  // past the local header, name and extra field
    flipped[data + 10] = static_cast<char>(flipped[data + 10] ^ 0x55);
    QTest::newRow("corrupt") << flipped << QStringLiteral("the entry \"A.qmg\" is damaged");
    QTest::newRow("wrong CRC") << Patch(Zip({{"A.qmg", score}}), 14, 16, 0x12345678u)
                               << QStringLiteral(
                                      "the entry \"A.qmg\" is damaged (its CRC is wrong).");
    QTest::newRow("truncated") << Zip({{"A.qmg", score}}).left(60)
                               << QStringLiteral("it is no zip file that can be read.");
    QTest::newRow("not a zip") << QByteArray("Date,Course\r\n")
                               << QStringLiteral("it is no zip file that can be read.");
    QTest::newRow("settings only")
        << Zip({{"quillmor.ini", "[Main]\r\n"}})
        << QStringLiteral("it holds no roster, course list or score file.");
    QTest::newRow("stroke indexes only")
        << Zip({{"strokes.qmd", "Oak~1~\r\n"}})
        << QStringLiteral("it holds no roster, course list or score file.");
  }

  void hostileZipsAreRefusedWhole() {
    QFETCH(QByteArray, zip);
    QFETCH(QString, message);
    WriteData();
    WriteFile("hostile.zip", zip.toStdString());
    const auto before = Snapshot(Dir().Root());
    try {
      qm::RestoreBackup(qm::CheckBackup(QStringLiteral("hostile.zip")), data_, settings_);
      QFAIL("restored");
    } catch (const qm::QmError& e) {
      const QString text = QString::fromLatin1(e.what());
      QVERIFY2(text.startsWith("The backup cannot be restored: " + message), e.what());
    }
    QVERIFY(Snapshot(Dir().Root()) == before);
    QVERIFY(!fs::exists(Dir().Root() / "x"));
  }

  void scoreFilesAreNamedByShortNames() {
    const struct {
      std::string name;
      bool taken;
    } cases[] = {
        {"A.qmg", true},
        {"ABCDEFGH.qmg", true},
        {"A-B_9.qmg", true},
        {"ABCDEFGHI.qmg", false},
        {std::string(247, 'A') + ".qmg", false},
        {std::string(251, 'A') + ".qmg", false},
        {".qmg", false},
        {"...qmg", false},
        {"A.QMG", false},
        {"golfers.qmd", true},
    };
    for (const auto& c : cases) QVERIFY2(qm::IsBackupFileName(c.name) == c.taken, c.name.c_str());
  }

  // A restore that fails while it writes (a full disk at any file) leaves
  // every file as it was, with no temporary file behind.
  void aRestoreIsAllOrNothing() {
    WriteData();
    const QString zip = QStringLiteral("all.zip");
    qm::MakeBackup(zip, data_, settings_);
    WriteFile("ANN.qmg", "changed\r\n");
    WriteFile("NEW.qmg", "new\r\n");
    const qm::CheckedBackup backup = qm::CheckBackup(zip);
    const auto before = Snapshot(Dir().Root());
    const int writes = 4 * static_cast<int>(backup.Files.size());  // create, write, flush, close
    for (int step = 1; step <= writes; ++step) {
      qm::fileio::FailSaveStepForTesting(step, ENOSPC);
      QVERIFY_THROWS_EXCEPTION(qm::QmError, qm::RestoreBackup(backup, data_, settings_));
      qm::fileio::FailSaveStepForTesting(0, 0);
      QVERIFY2(Snapshot(Dir().Root()) == before, std::to_string(step).c_str());
    }
    qm::RestoreBackup(backup, data_, settings_);
    QCOMPARE(ReadFile("ANN.qmg"), std::string("20240501~Oak~85~70.5~125~Caf\xE9 \x80~\r\n"));
    QVERIFY(!fs::exists("NEW.qmg"));
  }

  void aFileTooLargeForABackupMakesNone() {
    WriteFile("BIG.qmg", std::string(qm::MaxBackupScoreFileBytes + 1, 'x'));
    try {
      qm::MakeBackup(QStringLiteral("big.zip"), data_, settings_);
      QFAIL("made");
    } catch (const qm::QmError& e) {
      QCOMPARE(QString::fromLatin1(e.what()),
               QStringLiteral("No backup was made: BIG.qmg is larger than the 4 MiB a backup may "
                              "hold of it."));
    }
    QVERIFY(!fs::exists("big.zip"));
  }
};

QTEST_GUILESS_MAIN(BackupTest)
#include "backup_test.moc"
