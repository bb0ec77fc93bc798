#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlent {

// The result of one companion command: the bytes for stdout, for stderr, and the exit status.
struct CliResult {
  std::string out;
  std::string err;
  int status = 0;
};

inline constexpr int kCliLoadFailed = 1;
inline constexpr int kCliUsage = 2;

CliResult usageResult();

// "command brmsx|fmsx" and "options brmsx|fmsx", with the configuration file to load (the one
// beside the program when none is given).
CliResult runEmulatorCommand(std::string_view command, std::string_view emulator,
                             const std::optional<std::string>& configFile);

}  // namespace vorlent
