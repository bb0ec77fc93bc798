#include <unistd.h>

#include <string>
#include <vector>

#include "platform/ProgramFolder.h"

namespace vorlent {

std::string programFolder() {
  std::vector<char> buffer(4096);
  for (;;) {
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) {
      return "./";
    }
    if (static_cast<std::size_t>(length) < buffer.size()) {
      std::string path(buffer.data(), static_cast<std::size_t>(length));
      return path.substr(0, path.find_last_of('/') + 1);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace vorlent
