// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace vorlent {

// What a test may put between the steps of a rename; the program passes nothing.
struct RenameSteps {
  // Runs just before the rename itself is made.
  std::function<void()> beforeRename;
  // Whether the file system is to be taken as one that refuses the no-replace flag.
  bool flagRefused = false;
};

// Renames or moves without ever replacing what is at the target, link or not. False with errno
// set when it fails, EEXIST when the target is taken.
bool renameWithoutReplacing(const std::string& from, const std::string& to,
                            const RenameSteps& steps = {});

}  // namespace vorlent
