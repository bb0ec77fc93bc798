// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopOpener.h"
#include "platform/FileSystem.h"
#include "platform/HelpViewer.h"

namespace vorlent {

namespace {

// No help viewer reports a missing file here, so the caller does.
class DesktopHelpViewer final : public HelpViewer {
 public:
  DesktopHelpViewer(const FileSystem& files, DesktopOpener& opener)
      : files_(files), opener_(opener) {}

  HelpShown showContents(std::uintptr_t, std::string_view helpFile) override {
    if (!files_.fileExists(helpFile)) {
      return HelpShown::FileMissing;
    }
    opener_.open(helpFile, {});
    return HelpShown::Shown;
  }

 private:
  const FileSystem& files_;
  DesktopOpener& opener_;
};

}  // namespace

std::unique_ptr<HelpViewer> makeHelpViewer(const FileSystem& files, DesktopOpener& opener) {
  return std::make_unique<DesktopHelpViewer>(files, opener);
}

}  // namespace vorlent
