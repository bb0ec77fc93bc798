// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorlent {

// The shell's operation codes, numbered as the shell numbers them.
enum class ShellOperationKind { Move = 1, Copy = 2, Delete = 3 };

// One request to the shell: every source is a full path; the destination is the folder that
// receives them (empty for a delete, which sends the sources to the trash).
struct ShellFileRequest {
  ShellOperationKind kind = ShellOperationKind::Copy;
  std::vector<std::string> sources;
  std::string destination;
  bool showProgress = true;
};

enum class ReplaceAnswer { Replace, Skip, Cancel };

struct ReplaceChoice {
  ReplaceAnswer answer = ReplaceAnswer::Cancel;
  // The same answer for every later clash of the same operation, without asking.
  bool applyToAll = false;
};

// What the shell tells the user while it works and what it asks. The UI implements it with a
// progress window and a question dialog.
class ShellFileProgress {
 public:
  virtual ~ShellFileProgress() = default;

  // Called now and then while bytes move; false asks the operation to stop as soon as it can
  // without leaving a partly written file.
  virtual bool progress(std::uint64_t doneBytes, std::uint64_t totalBytes,
                        std::string_view currentPath) = 0;

  // An existing file or folder would be replaced by a source of the same name.
  virtual ReplaceChoice askReplace(std::string_view existingPath, bool existingIsFolder) = 0;

  // A source that could not be handled; the operation goes on with the next one.
  virtual void showError(std::string_view text) = 0;

  // Asks the question before anything goes to the trash (see trashQuestion); false leaves
  // every source where it is. Only where the platform's shell does not ask itself.
  virtual bool askToTrash(std::string_view question) = 0;

  // The operation is over, finished or stopped.
  virtual void finished() = 0;

  // The native handle of the window that owns the shell's own windows, where the platform has
  // any; 0 when there is none.
  virtual std::uintptr_t ownerWindow() const { return 0; }
};

// Copies and moves files and whole folders, and sends them to the trash. Nothing is reported
// back: the shell tells the user itself.
class ShellFileOperation {
 public:
  virtual ~ShellFileOperation() = default;

  virtual void run(const ShellFileRequest& request, ShellFileProgress& progress) = 0;
};

std::unique_ptr<ShellFileOperation> makeShellFileOperation();

}  // namespace vorlent
