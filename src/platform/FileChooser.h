// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlent {

// The system's own open and save dialogs, modal over the owner window. Only Windows has them
// here; elsewhere the UI asks with its toolkit's dialogs. They speak the system's language and
// keep nothing of their own in the program's settings.
class FileChooser {
 public:
  virtual ~FileChooser() = default;

  // `owner` is the native handle of the owning window, 0 for none; the dialogs open in
  // `startFolder`. The chosen files, or nothing when the user cancels.
  virtual std::optional<std::vector<std::string>> chooseToOpen(std::uintptr_t owner,
                                                               std::string_view startFolder) = 0;
  // Asks before an existing file is chosen to be replaced.
  virtual std::optional<std::string> chooseToSave(std::uintptr_t owner,
                                                  std::string_view startFolder) = 0;
};

std::unique_ptr<FileChooser> makeFileChooser();

}  // namespace vorlent
