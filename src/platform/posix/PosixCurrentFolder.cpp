// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/CurrentFolder.h"

namespace vorlent {

namespace {

class PosixCurrentFolder final : public CurrentFolder {
 public:
  std::string get() const override {
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
      if (errno != ERANGE) {
        return {};
      }
      buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
  }

  bool set(std::string_view folder) override {
    const std::string path(folder);
    return !path.empty() && ::chdir(path.c_str()) == 0;
  }
};

}  // namespace

std::unique_ptr<CurrentFolder> makeCurrentFolder() {
  return std::make_unique<PosixCurrentFolder>();
}

}  // namespace vorlent
