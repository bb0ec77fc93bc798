#pragma once

#include <memory>
#include <string_view>

namespace vorlent {

// How a start ended: started, or not with the system's error code of the failure (errno on
// POSIX, GetLastError on Windows).
struct StartResult {
  bool started = false;
  int errorCode = 0;

  static StartResult success() { return {true, 0}; }
  static StartResult failure(int code) { return {false, code}; }
};

// Starts programs as independent processes that nobody waits for. The launcher's environment
// and current folder are inherited.
class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;

  // The first word of the command line names the program, found as Windows finds a program
  // named on a command line (the current folder first, then the search path); the other words
  // are its arguments.
  virtual StartResult startCommandLine(std::string_view commandLine) = 0;

  // Starts exactly the program at the path, without arguments; the path is never split.
  virtual StartResult startProgram(std::string_view programPath) = 0;
};

std::unique_ptr<ProcessStarter> makeProcessStarter();

}  // namespace vorlent
