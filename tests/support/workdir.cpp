#include "support/workdir.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace qm::test {

namespace fs = std::filesystem;

WorkDir::WorkDir() {
  previous_ = fs::current_path();
  if (const char* config = std::getenv("XDG_CONFIG_HOME")) previousConfig_ = config;
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = fs::temp_directory_path() / ("quillmor-test-" + std::to_string(random()));
    std::error_code ec;
    if (fs::create_directory(candidate, ec)) {
      root_ = candidate;
      break;
    }
  }
  if (root_.empty()) throw std::runtime_error("cannot create a temporary test directory");
  fs::create_directory(Work());
  fs::create_directory(Config());
  fs::current_path(Work());
  setenv("XDG_CONFIG_HOME", Config().c_str(), 1);
}

WorkDir::~WorkDir() {
  std::error_code ec;
  fs::current_path(previous_, ec);
  if (previousConfig_) setenv("XDG_CONFIG_HOME", previousConfig_->c_str(), 1);
  else unsetenv("XDG_CONFIG_HOME");
  // A test may have taken the write bit off a folder to provoke a failure.
  for (auto it = fs::recursive_directory_iterator(root_, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(root_, ec);
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write test file " + path.string());
}

}  // namespace qm::test
