#include "app/backup.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>
#include <quazip/unzip.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <set>

#include "store/courses.h"
#include "store/errors.h"
#include "store/fileio.h"
#include "store/roster.h"
#include "store/text.h"

namespace qm {

namespace {

constexpr std::string_view ScoreExtension = ScoreFileExtension;
constexpr std::size_t MaxEntryNameBytes = 255;

// A golfer's score file: a short name (at most 8 characters, a safe file
// stem) and ".qmg". Any other name no roster can name, and its restore
// could fail on the file system's limits.
bool IsScoreFileName(const std::string& name) {
  if (name.size() <= ScoreExtension.size() || !name.ends_with(ScoreExtension)) return false;
  const std::string stem = name.substr(0, name.size() - ScoreExtension.size());
  return stem.size() < width::ShortName && IsSafeFileStem(stem);
}

std::uint64_t SizeLimit(const std::string& name) {
  return IsScoreFileName(name) ? MaxBackupScoreFileBytes : MaxBackupListFileBytes;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

[[noreturn]] void RefuseBackup(const std::string& why) {
  throw QmError("The backup cannot be restored: " + why);
}

// An entry's name as a message quotes it (single-byte text).
std::string Quoted(const std::string& utf8Name) {
  std::string name;
  char32_t bad = 0;
  if (!Utf8ToWindows1252(utf8Name, name, bad)) return "of a name in other letters";
  return "\"" + StorableText(name, 60) + "\"";
}

std::string MiB(std::uint64_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

// Reads the entry the zip stands at; refuses the backup when it cannot.
BackupFile ReadEntry(unzFile zip, std::uint64_t& total, std::set<std::string>& seen) {
  unz_file_info64 info{};
  char rawName[MaxEntryNameBytes + 1];
  if (unzGetCurrentFileInfo64(zip, &info, rawName, sizeof rawName, nullptr, 0, nullptr, 0) !=
      UNZ_OK) {
    RefuseBackup("it is damaged (its list of files cannot be read).");
  }
  if (info.size_filename > MaxEntryNameBytes) RefuseBackup("it holds a file with a too long name.");
  const std::string utf8(rawName, info.size_filename);
  std::string name;
  char32_t bad = 0;
  // A NUL inside the name, a folder part or a drive fails IsBackupFileName.
  if (!Utf8ToWindows1252(utf8, name, bad) || !IsBackupFileName(name)) {
    RefuseBackup("the entry " + Quoted(utf8) +
                 " is no file of a Quillmor data folder (golfers.qmd, courses.qmd, strokes.qmd, "
                 "score files *.qmg and quillmor.ini, without folders).");
  }
  if (!seen.insert(name).second) RefuseBackup("it holds " + Quoted(utf8) + " twice.");
  if ((info.flag & 1) != 0) RefuseBackup("the entry " + Quoted(utf8) + " is encrypted.");
  if (info.compression_method != 0 && info.compression_method != Z_DEFLATED) {
    RefuseBackup("the entry " + Quoted(utf8) + " is compressed in a way this program cannot read.");
  }
  const std::uint64_t limit = SizeLimit(name);
  if (info.uncompressed_size > limit) {
    RefuseBackup("the entry " + Quoted(utf8) + " is larger than the " + MiB(limit) +
                 " such a file may have.");
  }
  total += info.uncompressed_size;
  if (total > MaxBackupBytes) {
    RefuseBackup("its files together are larger than the " + MiB(MaxBackupBytes) +
                 " a backup may hold.");
  }
  BackupFile file;
  file.Name = name;
  if (unzOpenCurrentFile(zip) != UNZ_OK) {
    RefuseBackup("the entry " + Quoted(utf8) + " cannot be read.");
  }
  // The reader stops at the declared size; one more byte read would say the
  // entry holds more than it declares.
  file.Bytes.resize(static_cast<std::size_t>(info.uncompressed_size) + 1);
  std::size_t have = 0;
  int got = 0;
  do {
    const std::size_t want = std::min<std::size_t>(file.Bytes.size() - have, 1 << 20);
    got = unzReadCurrentFile(zip, file.Bytes.data() + have, static_cast<unsigned>(want));
    if (got > 0) have += static_cast<std::size_t>(got);
  } while (got > 0 && have < file.Bytes.size());
  const int closed = unzCloseCurrentFile(zip);
  if (got < 0 || closed != UNZ_OK || have != info.uncompressed_size) {
    RefuseBackup("the entry " + Quoted(utf8) + " is damaged (" +
                 (closed == UNZ_CRCERROR ? std::string("its CRC is wrong") : "it cannot be read") +
                 ").");
  }
  file.Bytes.resize(have);
  return file;
}

bool IsDataFileName(const std::string& name) { return name != BackupSettingsName; }

// A file whose restore is worth it alone: the stroke indexes only add to a
// course list.
bool IsMainDataFileName(const std::string& name) {
  return name == RosterFileName || name == CourseFileName || IsScoreFileName(name);
}

}  // namespace

bool IsBackupFileName(const std::string& name) {
  return IsMainDataFileName(name) || name == BackupStrokesName || name == BackupSettingsName;
}

QString BackupFileName(const QDateTime& when, bool withTime) {
  const QString format =
      withTime ? QStringLiteral("yyyy-MM-dd HH-mm-ss") : QStringLiteral("yyyy-MM-dd");
  return QStringLiteral("Quillmor backup %1.zip").arg(when.toString(format));
}

QString DefaultBackupPath(const QString& dataFolder, const QDateTime& when, bool withTime) {
  QDir folder(QDir(dataFolder).absolutePath());
  folder.cdUp();  // the root has no folder above it: the backup goes into it
  return folder.filePath(BackupFileName(when, withTime));
}

int MakeBackup(const QString& zipPath, const std::string& dataFolder,
               const std::string& settingsPath) {
  std::vector<BackupFile> files;
  std::vector<std::string> names;
  for (const std::string& name : fileio::ListFiles(dataFolder)) {
    if (IsBackupFileName(name) && IsDataFileName(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  std::uint64_t total = 0;
  auto add = [&](const std::string& name, const std::string& path) {
    BackupFile file{name, {}};
    if (!fileio::ReadBytesUpTo(path, SizeLimit(name), file.Bytes)) {
      throw QmError("No backup was made: " + name + " is larger than the " + MiB(SizeLimit(name)) +
                    " a backup may hold of it.");
    }
    total += file.Bytes.size();
    files.push_back(std::move(file));
  };
  for (const std::string& name : names) add(name, JoinPath(dataFolder, name));
  if (fileio::Exists(settingsPath)) add(BackupSettingsName, settingsPath);
  if (total > MaxBackupBytes || static_cast<int>(files.size()) > MaxBackupFiles) {
    throw QmError("No backup was made: the data folder holds more than a backup may (" +
                  std::to_string(MaxBackupFiles) + " files, " + MiB(MaxBackupBytes) + ").");
  }

  // The zip is made in memory and saved as every data file is.
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  {
    QuaZip zip(&buffer);
    zip.setUtf8Enabled(true);
    if (!zip.open(QuaZip::mdCreate)) throw QmError("No backup was made: the zip cannot be made.");
    for (const BackupFile& file : files) {
      QuaZipFile entry(&zip);
      const QString name = QString::fromStdString(Windows1252ToUtf8(file.Name));
      if (!entry.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) ||
          entry.write(file.Bytes.data(), static_cast<qint64>(file.Bytes.size())) !=
              static_cast<qint64>(file.Bytes.size())) {
        throw QmError("No backup was made: the zip cannot be made.");
      }
      entry.close();
      if (entry.getZipError() != ZIP_OK)
        throw QmError("No backup was made: the zip cannot be made.");
    }
    zip.close();
    if (zip.getZipError() != ZIP_OK) throw QmError("No backup was made: the zip cannot be made.");
  }
  const QByteArray& bytes = buffer.data();
  fileio::ReplaceFile(LocalPath(zipPath), {std::string(bytes.constData(), bytes.size())});
  return static_cast<int>(files.size());
}

CheckedBackup CheckBackup(const QString& zipPath) {
  QuaZip zip(zipPath);
  if (!zip.open(QuaZip::mdUnzip)) RefuseBackup("it is no zip file that can be read.");
  unzFile unz = zip.getUnzFile();
  unz_global_info64 global{};
  if (unzGetGlobalInfo64(unz, &global) != UNZ_OK)
    RefuseBackup("it is no zip file that can be read.");
  if (global.number_entry > static_cast<ZPOS64_T>(MaxBackupFiles)) {
    RefuseBackup("it holds more than " + std::to_string(MaxBackupFiles) + " files.");
  }
  CheckedBackup backup;
  std::uint64_t total = 0;
  std::set<std::string> seen;
  int status = unzGoToFirstFile(unz);
  while (status == UNZ_OK) {
    if (backup.Files.size() >= static_cast<std::size_t>(MaxBackupFiles)) {
      RefuseBackup("it holds more than " + std::to_string(MaxBackupFiles) + " files.");
    }
    backup.Files.push_back(ReadEntry(unz, total, seen));
    status = unzGoToNextFile(unz);
  }
  if (status != UNZ_END_OF_LIST_OF_FILE)
    RefuseBackup("it is damaged (its list of files ends early).");
  if (std::none_of(backup.Files.begin(), backup.Files.end(),
                   [](const BackupFile& f) { return IsMainDataFileName(f.Name); })) {
    RefuseBackup("it holds no roster, course list or score file.");
  }
  return backup;
}

void RestoreBackup(const CheckedBackup& backup, const std::string& dataFolder,
                   const std::string& settingsPath) {
  std::set<std::string> held;
  for (const BackupFile& file : backup.Files) {
    if (!IsBackupFileName(file.Name)) ThrowFileFault(FileFault::InvalidName);
    held.insert(file.Name);
  }
  // All or nothing: every file is written beside its target first; only
  // when all are written do they take their places.
  std::vector<std::string> targets;
  try {
    for (const BackupFile& file : backup.Files) {
      std::string target = settingsPath;
      if (IsDataFileName(file.Name)) {
        target = JoinPath(dataFolder, file.Name);
      } else {
        const QString folder = QFileInfo(QFile::decodeName(settingsPath.c_str())).absolutePath();
        if (!QDir().mkpath(folder)) ThrowFileFault(FileFault::AccessDenied);
      }
      targets.push_back(target);
      fileio::WriteTemporary(target, {file.Bytes});
    }
  } catch (...) {
    for (const std::string& target : targets) fileio::DiscardTemporary(target);
    throw;
  }
  for (std::size_t i = 0; i < targets.size(); ++i) {
    try {
      fileio::PutTemporaryInPlace(targets[i]);
    } catch (...) {
      for (std::size_t j = i + 1; j < targets.size(); ++j) fileio::DiscardTemporary(targets[j]);
      throw;
    }
  }
  fileio::SyncFolderOf(JoinPath(dataFolder, RosterFileName));
  if (std::any_of(backup.Files.begin(), backup.Files.end(),
                  [](const BackupFile& f) { return !IsDataFileName(f.Name); }))
    fileio::SyncFolderOf(settingsPath);
  // Last the files of golfers the backup does not know, so that the roster
  // read next names no file that is gone and finds none it lacks.
  for (const std::string& name : fileio::ListFiles(dataFolder)) {
    if ((IsScoreFileName(name) || name == RosterFileName) && held.count(name) == 0) {
      fileio::RemoveFile(JoinPath(dataFolder, name));
    }
  }
}

}  // namespace qm
