// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace vorlent {

class DesktopOpener;
class FileSystem;

enum class HelpShown { Shown, FileMissing };

// Shows a help file's contents and index.
class HelpViewer {
 public:
  virtual ~HelpViewer() = default;

  // `owner` is the native handle of the window the viewer belongs to, 0 for none. FileMissing
  // when the file is not there and no viewer says so: the caller tells the user then.
  virtual HelpShown showContents(std::uintptr_t owner, std::string_view helpFile) = 0;
};

// The system's help viewer. Where the system has none, the desktop's opener opens the file, and
// `files` tells whether it is there; both must outlive the viewer.
std::unique_ptr<HelpViewer> makeHelpViewer(const FileSystem& files, DesktopOpener& opener);

}  // namespace vorlent
