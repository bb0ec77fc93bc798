// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLineWords.h"

namespace vorlent {

std::vector<std::string> splitAtBlanks(std::string_view commandLine) {
  std::vector<std::string> words;
  std::size_t position = 0;
  while (position < commandLine.size()) {
    const auto start = commandLine.find_first_not_of(' ', position);
    if (start == std::string_view::npos) {
      break;
    }
    auto end = commandLine.find(' ', start);
    if (end == std::string_view::npos) {
      end = commandLine.size();
    }
    words.emplace_back(commandLine.substr(start, end - start));
    position = end;
  }
  return words;
}

}  // namespace vorlent
