// What the fuzz targets share. Each target works in a scratch folder of its
// own, which is both the working directory and the settings folder, and
// checks its properties with QM_FUZZ_CHECK: a failed check aborts, which
// libFuzzer records as a finding and the replay test as a failure.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "store/records.h"

#define QM_FUZZ_CHECK(condition)                                               \
  do {                                                                         \
    if (!(condition)) ::qm::fuzz::CheckFailed(#condition, __FILE__, __LINE__); \
  } while (false)

namespace qm::fuzz {

[[noreturn]] void CheckFailed(const char* condition, const char* file, int line);

// Makes the scratch folder (on the first call) and empties it.
void FreshFolder();

// The file fuzzers' input: its first byte chooses among a fuzzer's ways,
// the rest is the file. After FreshFolder().
struct FileInput {
  std::uint8_t Choice;
  std::string_view File;
};
// FreshFolder() and the input split; nullopt for an empty input.
std::optional<FileInput> FreshFileInput(const std::uint8_t* data, std::size_t size);

void WriteBytes(const std::string& name, std::string_view bytes);
std::string ReadBytes(const std::string& name);
bool FileExists(const std::string& name);

// True when text holds none of the bytes a data file cannot keep in a field
// ("~", CR, LF, NUL) and has at most width characters.
bool Storable(const std::string& text, std::size_t width);

// Each of a score record's 45 fields, in file order, with the width the
// score file keeps of it.
struct FieldView {
  const std::string* text;
  std::size_t width;
};
std::array<FieldView, 45> ScoreFields(const TScoreRec& rec);

}  // namespace qm::fuzz
