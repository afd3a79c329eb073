#include "store/settings.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "store/datafiles.h"
#include "store/errors.h"
#include "store/fileio.h"
#include "store/text.h"

namespace qm {

namespace fs = std::filesystem;

namespace {

constexpr const char* Utf8Bom = "\xEF\xBB\xBF";

// One line of the file: its text and its own line end ("\r\n", "\n" or
// nothing for a last line without one), so untouched lines are written back
// byte for byte.
struct IniLine {
  std::string text;
  std::string end;
};

std::vector<IniLine> SplitLines(const std::string& bytes) {
  std::vector<IniLine> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t lf = bytes.find('\n', start);
    if (lf == std::string::npos) {
      lines.push_back({bytes.substr(start), ""});
      break;
    }
    std::size_t textEnd = (lf > start && bytes[lf - 1] == '\r') ? lf - 1 : lf;
    lines.push_back(
        {bytes.substr(start, textEnd - start), bytes.substr(textEnd, lf + 1 - textEnd)});
    start = lf + 1;
  }
  return lines;
}

std::string TrimBlanks(const std::string& text) {
  auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// What a line means to the profile reader.
struct Parsed {
  enum Kind { Other, Section, Key } kind = Other;
  std::string name;  // section name or key
  std::string value;
};

Parsed ParseLine(const IniLine& line, bool first) {
  std::string text = line.text;
  if (first && text.compare(0, 3, Utf8Bom) == 0) text.erase(0, 3);
  text = TrimBlanks(text);
  Parsed parsed;
  if (!text.empty() && text[0] == '[') {
    auto close = text.find(']');
    if (close != std::string::npos) {
      parsed.kind = Parsed::Section;
      parsed.name = TrimBlanks(text.substr(1, close - 1));
    }
    return parsed;
  }
  auto equals = text.find('=');
  if (equals == std::string::npos) return parsed;
  parsed.name = TrimBlanks(text.substr(0, equals));
  if (parsed.name.empty()) return parsed;
  parsed.kind = Parsed::Key;
  parsed.value = TrimBlanks(text.substr(equals + 1));
  return parsed;
}

// Where a key stands in the file. A section may appear more than once; its
// keys are looked up in every occurrence, the first one found wins.
struct Location {
  std::optional<std::size_t> keyLine;
  std::string key;  // as spelt in the file
  // The line after which a new key of the section goes: the last non-blank
  // line of the section's first occurrence.
  std::optional<std::size_t> sectionEnd;
  std::string value;
};

Location Find(const std::vector<IniLine>& lines, const std::string& section,
              const std::string& key) {
  Location where;
  bool inSection = false;
  bool inFirstOccurrence = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Parsed parsed = ParseLine(lines[i], i == 0);
    if (parsed.kind == Parsed::Section) {
      inSection = EqualCaseBlind(parsed.name, section);
      inFirstOccurrence = inSection && !where.sectionEnd;
      if (inFirstOccurrence) where.sectionEnd = i;
      continue;
    }
    if (!inSection) continue;
    if (inFirstOccurrence && !TrimBlanks(lines[i].text).empty()) where.sectionEnd = i;
    if (parsed.kind == Parsed::Key && EqualCaseBlind(parsed.name, key)) {
      where.keyLine = i;
      where.key = parsed.name;
      where.value = parsed.value;
      return where;
    }
  }
  return where;
}

std::optional<std::string> ReadValue(const std::string& section, const std::string& key) {
  std::string bytes;
  int openError = 0;
  try {
    if (!fileio::TryReadBytes(SettingsFilePath(), bytes, openError)) return std::nullopt;
  } catch (const QmError&) {
    return std::nullopt;  // an unreadable file reads as a missing one
  }
  Location where = Find(SplitLines(bytes), section, key);
  if (!where.keyLine) return std::nullopt;
  return where.value;
}

[[noreturn]] void ThrowUnableToWrite(const std::string& path) {
  throw QmError("Unable to write to " + fs::path(path).filename().string());
}

void WriteValue(const std::string& section, const std::string& key, const std::string& value) {
  const std::string path = SettingsFilePath();
  std::string bytes;
  int openError = 0;
  try {
    // A file that exists but cannot be read is not replaced: its other
    // lines would be lost.
    if (!fileio::TryReadBytes(path, bytes, openError) && fileio::Exists(path)) {
      ThrowUnableToWrite(path);
    }
  } catch (const QmError&) {
    ThrowUnableToWrite(path);
  }

  std::vector<IniLine> lines = SplitLines(bytes);
  Location where = Find(lines, section, key);
  auto endLineAt = [&](std::size_t i) {
    if (lines[i].end.empty()) lines[i].end = "\r\n";
  };
  if (where.keyLine) {
    // The key keeps the spelling it has in the file.
    IniLine& line = lines[*where.keyLine];
    bool bom = *where.keyLine == 0 && line.text.compare(0, 3, Utf8Bom) == 0;
    line.text = (bom ? std::string(Utf8Bom) : std::string()) + where.key + "=" + value;
  } else if (where.sectionEnd) {
    endLineAt(*where.sectionEnd);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*where.sectionEnd) + 1,
                 IniLine{key + "=" + value, "\r\n"});
  } else {
    if (!lines.empty()) endLineAt(lines.size() - 1);
    lines.push_back({"[" + section + "]", "\r\n"});
    lines.push_back({key + "=" + value, "\r\n"});
  }

  std::vector<std::string> out;
  out.reserve(lines.size());
  for (const IniLine& line : lines) out.push_back(line.text + line.end);
  // A save reaches the disk before it returns, and windows write their
  // placement at every resize: a write that would change no byte is not made.
  std::string joined;
  for (const std::string& line : out) joined += line;
  if (joined == bytes && fileio::Exists(path)) return;
  try {
    fs::path folder = fs::path(path).parent_path();
    if (!folder.empty()) {
      std::error_code ec;
      fs::create_directories(folder, ec);
      if (ec) ThrowUnableToWrite(path);
    }
    fileio::ReplaceFile(path, out);
  } catch (const QmError&) {
    ThrowUnableToWrite(path);
  }
}

}  // namespace

std::string SettingsFilePath() {
  // Only an absolute XDG_CONFIG_HOME counts, as the XDG rules say.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && *config != '\0' && fs::path(config).is_absolute()) {
    return (fs::path(config) / SettingsFileName).string();
  }
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') {
    return (fs::path(home) / ".config" / SettingsFileName).string();
  }
  return SettingsFileName;  // no home at all: beside the data files
}

int ReadSettingInt(const std::string& section, const std::string& key, int defaultValue) {
  std::optional<std::string> text = ReadValue(section, key);
  int value = defaultValue;
  if (text && !TryStrToInt(*text, value)) value = defaultValue;
  return value;
}

bool ReadSettingBool(const std::string& section, const std::string& key, bool defaultValue) {
  return ReadSettingInt(section, key, defaultValue ? 1 : 0) != 0;
}

void WriteSettingInt(const std::string& section, const std::string& key, int value) {
  WriteValue(section, key, std::to_string(value));
}

std::string ReadSettingText(const std::string& section, const std::string& key,
                            const std::string& defaultValue) {
  return ReadValue(section, key).value_or(defaultValue);
}

void WriteSettingText(const std::string& section, const std::string& key,
                      const std::string& value) {
  WriteValue(section, key, value.substr(0, value.find_first_of(std::string("\r\n\0", 3))));
}

void WriteSettingBool(const std::string& section, const std::string& key, bool value) {
  WriteValue(section, key, value ? "1" : "0");
}

}  // namespace qm
