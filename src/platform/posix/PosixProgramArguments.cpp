// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramArguments.h"

namespace vorlent {

std::vector<std::string> programArguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

}  // namespace vorlent
