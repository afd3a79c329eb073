// The settings file quillmor.ini, in the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config; on Windows the program's folder of
// settings). It behaves like a Windows profile file: sections and keys match
// without regard to case, and every other line is kept as it was.
//
// Each call opens the file, reads or writes one value and lets go of it.
#pragma once

#include <string>

namespace qm {

// Full path of the settings file.
std::string SettingsFilePath();

// Decimal, "$" hex or "0x"/"0X" hex; the default for a missing file, section
// or key and for anything unreadable.
int ReadSettingInt(const std::string& section, const std::string& key, int defaultValue);
// Read as an integer; true when not 0.
bool ReadSettingBool(const std::string& section, const std::string& key, bool defaultValue);

// Writes the value in decimal (a boolean as "1" or "0"), creating the file,
// the section or the key as needed (temporary file, then rename). Throws
// QmError "Unable to write to quillmor.ini" when it cannot be written.
void WriteSettingInt(const std::string& section, const std::string& key, int value);
void WriteSettingBool(const std::string& section, const std::string& key, bool value);
// A text value, as it stands after "=" (blanks around it trimmed); the
// default when missing. The text written is cut at a CR, LF or NUL.
std::string ReadSettingText(const std::string& section, const std::string& key,
                            const std::string& defaultValue);
void WriteSettingText(const std::string& section, const std::string& key, const std::string& value);

}  // namespace qm
