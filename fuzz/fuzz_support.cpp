#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace qm::fuzz {

namespace fs = std::filesystem;

void CheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}

std::optional<FileInput> FreshFileInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return std::nullopt;
  FreshFolder();
  return FileInput{data[0], std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)};
}

void FreshFolder() {
  static fs::path folder;
  if (folder.empty()) {
    folder = fs::temp_directory_path() / ("quillmor-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::current_path(folder);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    // The folder goes when the process ends normally; after a finding it is
    // left for a look.
    std::atexit([] {
      std::error_code ignored;
      fs::current_path(folder.parent_path(), ignored);
      fs::remove_all(folder, ignored);
    });
  }
  for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
}

void WriteBytes(const std::string& name, std::string_view bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  QM_FUZZ_CHECK(out.good());
}

std::string ReadBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& name) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(name, ec));
}

bool Storable(const std::string& text, std::size_t width) {
  return text.size() <= width && text.find_first_of(std::string("~\r\n\0", 4)) == std::string::npos;
}

std::array<FieldView, 45> ScoreFields(const TScoreRec& rec) {
  std::array<FieldView, 45> fields{{{&rec.Date, 8},
                                    {&rec.Course, 30},
                                    {&rec.ScoreTotal, 3},
                                    {&rec.Rating, 4},
                                    {&rec.Slope, 3},
                                    {&rec.Comment, 100},
                                    {&rec.AdjScore, 3},
                                    {&rec.EntryIndex, 4},
                                    {&rec.EntryHandicap, 2}}};
  for (int h = 0; h < 18; ++h) {
    fields[9 + h] = {&rec.HoleScore[h], 2};
    fields[27 + h] = {&rec.HolePutts[h], 2};
  }
  return fields;
}

}  // namespace qm::fuzz
