#pragma once

#include <string>
#include <vector>

namespace vorlent {

// Starts the program as a process of its own session that runs on when the launcher ends and
// that the launcher never waits for (the process between them ends at once and is reaped, so
// no zombie is left). `arguments` begins with the program's name as argument 0. A descriptor
// given as `inherited` stays open in the program. Returns 0, or the errno of the failed start.
int spawnDetached(const std::string& program, const std::vector<std::string>& arguments,
                  int inherited = -1);

}  // namespace vorlent
