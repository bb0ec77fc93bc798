// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

namespace vorlent::testing {

// Sets an environment variable for the life of the scope (or removes it for nothing) and puts
// the earlier value back at the end.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) {
      old_ = old;
    }
    set(value);
  }
  ~ScopedVariable() { set(old_); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  void set(const std::optional<std::string>& value) {
    if (value) {
      ::setenv(name_, value->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  const char* name_;
  std::optional<std::string> old_;
};

// The started programs run on their own; a test waits for what they leave behind. The bound
// only keeps a broken start from hanging the test, it is no measure of speed.
inline bool waitUntil(const std::function<bool()>& condition, int seconds = 60) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

inline std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// Waits for a file that a started program renames into place when it has written it.
inline std::optional<std::string> waitForFile(const std::filesystem::path& path) {
  if (!waitUntil([&] { return std::filesystem::exists(path); })) {
    return std::nullopt;
  }
  return fileText(path);
}

inline void makeExecutable(const std::filesystem::path& path, bool executable = true) {
  std::filesystem::permissions(
      path,
      executable ? std::filesystem::perms::owner_all
                 : std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
      std::filesystem::perm_options::replace);
}

// A native stand-in for an emulator: a script that writes one argument a line, then its
// current folder, into `record`, renaming the file into place when it is complete.
inline std::string recordingScript(const std::filesystem::path& record) {
  return "#!/bin/sh\n"
         "{ for a in \"$@\"; do printf '%s\\n' \"$a\"; done; printf 'cwd=%s\\n' \"$(pwd -P)\"; } > "
         "'" +
         record.string() + ".part' && mv '" + record.string() + ".part' '" + record.string() +
         "'\n";
}

}  // namespace vorlent::testing
