// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "browser/FileList.h"
#include "browser/Navigator.h"
#include "feedback/Feedback.h"
#include "feedback/Prompts.h"
#include "platform/CurrentFolder.h"
#include "platform/FileChanges.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/ShellFileOperation.h"

namespace vorlent {

// What the file operations reach outside the list; everything must outlive the operations.
struct FileOperationServices {
  FileList& list;
  Navigator& navigator;
  CurrentFolder& currentFolder;
  FileSystem& files;
  FileChanges& changes;
  ShellFileOperation& shell;
  ShellFileProgress& shellProgress;
  Feedback& feedback;
  Prompts& prompts;
  PathStyle style;
};

// What a transfer does with the selected entries.
enum class TransferKind { Move, Copy };

// Plain file management on the listed folder. Each command states its own refusals; a failure
// it does not handle is thrown as Failure. A command that makes or changes files first asks
// nothing and touches nothing when the current folder cannot be told (it was deleted): that is
// a Failure too.
class FileOperations {
 public:
  explicit FileOperations(FileOperationServices services) : s_(services) {}

  void newFile();
  void newFolder();
  void rename();
  // Moves or copies the selected entries into a folder the user chooses.
  void transfer(TransferKind kind);
  void trash();
  // One shell operation over the paths; an empty list does not reach the shell.
  void runShellOperation(const std::vector<std::string>& paths, std::string_view destination,
                         ShellOperationKind kind);
  // Copies each dropped path that exists into the destination (the listed folder), one shell
  // operation each, then refreshes once.
  void copyDropped(const std::vector<std::string>& dropped, std::string_view destination);

 private:
  std::string pathInCurrentFolder(std::string_view name) const;
  void warn(std::string_view text);

  FileOperationServices s_;
};

}  // namespace vorlent
