// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vorlent {

struct DetachedStart {
  // A descriptor that stays open in the program; -1 for none.
  int inherited = -1;
  // The folder the program starts in; empty for the launcher's own.
  std::string workingFolder;
  // The program reads /dev/null instead of the launcher's standard input.
  bool inputFromNullDevice = false;
};

// Starts the program as a process of its own session that runs on when the launcher ends and
// that the launcher never waits for (the process between them ends at once and is reaped, so
// no zombie is left). `arguments` begins with the program's name as argument 0. Returns 0, or
// the errno of the failed start.
int spawnDetached(const std::string& program, const std::vector<std::string>& arguments,
                  const DetachedStart& how = {});

}  // namespace vorlent
