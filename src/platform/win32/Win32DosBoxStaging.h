// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/Handle.h"

namespace vorlent::win32 {

// Where the staging folders are: "Vorlent\DOSBox" in the user's local application data (the
// temporary folder where the environment names none), made where missing; nothing without it.
std::optional<std::string> dosBoxStagingRoot();

// A folder of the launcher's own for one start of DOSBox, holding the staged files under the
// names the plan chose, and a lock file whose handle the DOSBox started with it inherits. While
// some process holds that handle the lock cannot be deleted; a folder whose lock can be deleted
// belongs to a DOSBox that has ended, and goes.
class DosBoxStaging {
 public:
  // Removes the ended staging folders in `root`, then makes a new one there.
  explicit DosBoxStaging(const std::string& root);
  // Closes the launcher's own lock handle and removes the folder, unless a DOSBox holds it.
  ~DosBoxStaging();
  DosBoxStaging(const DosBoxStaging&) = delete;
  DosBoxStaging& operator=(const DosBoxStaging&) = delete;

  // The system's error code when the folder or its lock could not be made, else 0.
  int errorCode() const { return errorCode_; }
  // The folder's path, in UTF-8.
  const std::string& folder() const { return folder_; }
  // The inheritable handle of the lock, for the DOSBox to start.
  HANDLE lock() const { return lock_.get(); }

  // Shows the host file in the folder under `dosName`: as a hard link, where the file is on the
  // folder's volume and not read-only, else as a symbolic link, where the system allows one,
  // else as a read-only copy, which the emulator finds write-protected, so that no change it
  // makes is lost unseen. False with errorCode() set when none of them can be made.
  bool place(const std::string& dosName, const std::string& hostPath);

 private:
  std::string folder_;
  Handle lock_;
  int errorCode_ = 0;
};

// Removes each staging folder in `root` whose DOSBox has ended.
void removeEndedStagings(const std::string& root);

}  // namespace vorlent::win32
