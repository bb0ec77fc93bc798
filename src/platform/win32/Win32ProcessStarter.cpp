#include <windows.h>

#include <string>

#include "platform/ProcessStarter.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Handle.h"

namespace vorlent {

namespace {

STARTUPINFOA startupInformation() {
  STARTUPINFOA info{};
  info.cb = sizeof(STARTUPINFOA);
  info.dwX = 0;
  info.dwY = 0;
  info.dwXSize = 640;
  info.dwYSize = 480;
  info.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESIZE | STARTF_USEPOSITION;
  info.wShowWindow = SW_SHOWNORMAL;
  return info;
}

// An independent process: its handles are closed at once and nobody waits for it.
StartResult createProcess(const char* applicationName, std::string commandLine) {
  STARTUPINFOA startup = startupInformation();
  PROCESS_INFORMATION process{};
  // CreateProcessA may write into the command line, so it gets a buffer of its own.
  if (::CreateProcessA(applicationName, commandLine.data(), nullptr, nullptr, FALSE,
                       CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr, &startup, &process) == 0) {
    return StartResult::failure(static_cast<int>(::GetLastError()));
  }
  const win32::Handle processHandle(process.hProcess);
  const win32::Handle threadHandle(process.hThread);
  return StartResult::success();
}

class Win32ProcessStarter final : public ProcessStarter {
 public:
  // The program is found from the first word of the command line.
  StartResult startCommandLine(std::string_view commandLine) override {
    return createProcess(nullptr, win32::ansi(commandLine));
  }

  // The path names the program itself and, quoted, stands as the whole command line, so a path
  // with blanks is neither split nor taken for another program whose name is its first part.
  StartResult startProgram(std::string_view programPath) override {
    const std::string path = win32::ansi(programPath);
    return createProcess(path.c_str(), "\"" + path + "\"");
  }
};

}  // namespace

std::unique_ptr<ProcessStarter> makeProcessStarter() {
  return std::make_unique<Win32ProcessStarter>();
}

}  // namespace vorlent
