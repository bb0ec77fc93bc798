// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace vorlent {

// The process's current folder.
class CurrentFolder {
 public:
  virtual ~CurrentFolder() = default;

  // The current folder as a full path; empty when the system cannot tell.
  virtual std::string get() const = 0;

  // Makes the folder current; false (and nothing changed) when that is not possible.
  virtual bool set(std::string_view folder) = 0;
};

std::unique_ptr<CurrentFolder> makeCurrentFolder();

// The current folder; a Failure ("file not found") when the system cannot tell, as when the
// folder was deleted, so that nothing is made or changed by a path that means nothing.
std::string currentFolderOrFailure(const CurrentFolder& currentFolder);

// Makes a folder current for the life of the scope and restores the folder that was current
// before on every way out, exceptions included. A folder that cannot be made current is ignored.
class CurrentFolderScope {
 public:
  CurrentFolderScope(CurrentFolder& currentFolder, std::string_view folder);
  ~CurrentFolderScope();
  CurrentFolderScope(const CurrentFolderScope&) = delete;
  CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;

 private:
  CurrentFolder& currentFolder_;
  std::string remembered_;
};

}  // namespace vorlent
