#pragma once

#include <memory>
#include <string_view>

namespace vorlent {

// Asks the desktop to open a file or folder with its own program (the file manager for a
// folder). Returns at once; whether the desktop managed is not reported.
class DesktopOpener {
 public:
  virtual ~DesktopOpener() = default;

  virtual void open(std::string_view path, std::string_view workingFolder) = 0;
};

std::unique_ptr<DesktopOpener> makeDesktopOpener();

}  // namespace vorlent
