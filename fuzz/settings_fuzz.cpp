// A settings file of any bytes: every value the program keeps reads as a
// number or its default; a value written reads back as written, leaves
// every other value as it read before, and writing it again changes no byte.
#include <cstring>
#include <iterator>
#include <string>

#include "fuzz_support.h"
#include "store/errors.h"
#include "store/settings.h"

namespace {

using namespace qm;

struct Setting {
  const char* section;
  const char* key;
};

// Every section and key the program reads and writes.
const Setting Settings[] = {
    {"MainForm", "Height"},  {"MainForm", "Left"},          {"MainForm", "Top"},
    {"MainForm", "Width"},   {"GPickForm", "Height"},       {"GPickForm", "Width"},
    {"GolferForm", "Top"},   {"GroupOfScoresForm", "Left"}, {"GMaintForm", "Height"},
    {"CMaintForm", "Width"}, {"Settings", "UseMaxIndex"},   {"gmaintform", "HEIGHT"},
};
constexpr int Unset = -123456789;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  fuzz::FreshFolder();
  const Setting& chosen = Settings[data[0] % std::size(Settings)];
  int value;
  std::memcpy(&value, data + 1, sizeof value);
  if (data[0] & 0x80) value = (value & 1);  // now and then a boolean
  fuzz::WriteBytes(SettingsFilePath(),
                   std::string_view(reinterpret_cast<const char*>(data) + 5, size - 5));

  int before[std::size(Settings)];
  for (std::size_t i = 0; i < std::size(Settings); ++i) {
    before[i] = ReadSettingInt(Settings[i].section, Settings[i].key, Unset);
  }
  try {
    if (data[0] & 0x80)
      WriteSettingBool(chosen.section, chosen.key, value != 0);
    else
      WriteSettingInt(chosen.section, chosen.key, value);
  } catch (const QmError&) {
    QM_FUZZ_CHECK(false);  // a folder the program may write to
  }
  const std::string written = fuzz::ReadBytes(SettingsFilePath());
  QM_FUZZ_CHECK(ReadSettingInt(chosen.section, chosen.key, Unset) == value);
  QM_FUZZ_CHECK(ReadSettingBool(chosen.section, chosen.key, value == 0) == (value != 0));
  for (std::size_t i = 0; i < std::size(Settings); ++i) {
    const Setting& other = Settings[i];
    if (strcasecmp(other.section, chosen.section) == 0 && strcasecmp(other.key, chosen.key) == 0) {
      continue;
    }
    QM_FUZZ_CHECK(ReadSettingInt(other.section, other.key, Unset) == before[i]);
  }
  WriteSettingInt(chosen.section, chosen.key, value);
  QM_FUZZ_CHECK(fuzz::ReadBytes(SettingsFilePath()) == written);
  return 0;
}
