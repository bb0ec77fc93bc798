#include <cstdio>

#include "platform/ConsoleText.h"

namespace vorlent {

void writeConsoleText(ConsoleStream stream, std::string_view utf8) {
  std::FILE* file = stream == ConsoleStream::Output ? stdout : stderr;
  std::fwrite(utf8.data(), 1, utf8.size(), file);
  std::fflush(file);
}

}  // namespace vorlent
