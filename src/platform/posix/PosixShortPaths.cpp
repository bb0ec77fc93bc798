#include <sys/stat.h>

#include <string>

#include "platform/ShortPaths.h"

namespace vorlent {

namespace {

bool holdsBlankOrControl(std::string_view path) {
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte == 0x7F) {
      return true;
    }
  }
  return false;
}

// An absolute path without blanks or control characters is its own short form.
class PosixShortPaths final : public ShortPaths {
 public:
  std::optional<std::string> shortForm(std::string_view fullPath) override {
    struct stat info {};
    const std::string path(fullPath);
    if (path.empty() || path.front() != '/' || ::stat(path.c_str(), &info) != 0 ||
        holdsBlankOrControl(path)) {
      return std::nullopt;
    }
    return path;
  }
};

}  // namespace

std::unique_ptr<ShortPaths> makeShortPaths() { return std::make_unique<PosixShortPaths>(); }

}  // namespace vorlent
