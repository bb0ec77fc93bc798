// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>
#include <cstdio>

#include "platform/ConsoleText.h"
#include "platform/Failure.h"

namespace vorlent {

std::optional<std::string> writeConsoleText(ConsoleStream stream, std::string_view utf8) {
  std::FILE* file = stream == ConsoleStream::Output ? stdout : stderr;
  errno = 0;
  const bool written = std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size();
  if (std::fflush(file) != 0 || !written) {
    // A stream that failed without saying why has met an I/O error.
    return systemFailure(errno != 0 ? errno : EIO).what();
  }
  return std::nullopt;
}

}  // namespace vorlent
