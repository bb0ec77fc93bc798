// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>

#include "platform/DesktopOpener.h"
#include "platform/posix/PosixDetachedSpawn.h"
#include "platform/posix/PosixProgramLookup.h"

namespace vorlent {

namespace {

// Starts the freedesktop opener without a shell, as a process of its own that is never waited
// for.
class PosixDesktopOpener final : public DesktopOpener {
 public:
  void open(std::string_view path, std::string_view workingFolder) override {
    static constexpr std::string_view kOpener = "xdg-open";
    const std::optional<std::string> program = findOnSearchPath(kOpener);
    if (!program) {
      return;
    }
    DetachedStart how;
    how.workingFolder = workingFolder;
    how.inputFromNullDevice = true;
    spawnDetached(*program, {std::string(kOpener), std::string(path)}, how);
  }
};

}  // namespace

std::unique_ptr<DesktopOpener> makeDesktopOpener() {
  return std::make_unique<PosixDesktopOpener>();
}

}  // namespace vorlent
