// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vorlent {

// The system's own folder chooser, modal over the owner window. Only Windows has one that the
// program uses; elsewhere the UI asks with its toolkit's dialog.
class FolderChooser {
 public:
  virtual ~FolderChooser() = default;

  // `owner` is the native handle of the owning window, 0 for none. A start folder that is no
  // existing folder is dropped and the chooser opens without a selection. The chosen folder, or
  // nothing when the user cancels.
  virtual std::optional<std::string> choose(std::uintptr_t owner, std::string_view prompt,
                                            std::string_view startFolder) = 0;
};

std::unique_ptr<FolderChooser> makeFolderChooser();

}  // namespace vorlent
