// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace vorlent::testing {

// A fresh folder below the system's temporary folder, removed with everything in it when the
// object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string string() const { return path_.string(); }

  // The full path of a name inside the folder.
  std::string at(std::string_view name) const { return (path_ / name).string(); }

  // Writes a file inside the folder (folders on the way are created) and returns its full path.
  std::string write(std::string_view name, std::string_view bytes = {}) const;

  std::string read(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

// The names of the entries in a folder.
std::set<std::string> namesIn(const std::filesystem::path& folder);

// Makes the current folder what it was at construction again at destruction.
class CurrentFolderGuard {
 public:
  CurrentFolderGuard() : saved_(std::filesystem::current_path()) {}
  ~CurrentFolderGuard() { std::filesystem::current_path(saved_); }
  CurrentFolderGuard(const CurrentFolderGuard&) = delete;
  CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

 private:
  std::filesystem::path saved_;
};

}  // namespace vorlent::testing
