// A fresh temporary working directory and settings folder for one test.
//
// While a WorkDir lives, the process's working directory is <root>/work and
// XDG_CONFIG_HOME is <root>/config; both are removed, and the previous
// working directory and environment restored, when it ends.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace qm::test {

class WorkDir {
 public:
  WorkDir();
  ~WorkDir();
  WorkDir(const WorkDir&) = delete;
  WorkDir& operator=(const WorkDir&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Work() const { return root_ / "work"; }
  std::filesystem::path Config() const { return root_ / "config"; }
  // The settings file as the program finds it.
  std::filesystem::path SettingsFile() const { return Config() / "quillmor.ini"; }

 private:
  std::filesystem::path root_;
  std::filesystem::path previous_;
  std::optional<std::string> previousConfig_;
};

// Whole file as bytes; empty when missing.
std::string ReadFile(const std::filesystem::path& path);
// Writes bytes exactly as given (no line-end translation).
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace qm::test
