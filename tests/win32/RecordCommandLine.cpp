// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the command line the program was started with (GetCommandLineA, byte for byte) and
// its own module path, one per line, to the file that VORLENT_RECORD_TO names. The record is
// written beside and renamed into place, so a reader never sees half of it. Where
// VORLENT_RECORD_HOLD names a file, it then runs on until that file exists (at most a minute), as
// a DOSBox would that holds what it was given.
#include <windows.h>

#include <string>

int main() {
  char target[MAX_PATH] = {};
  if (::GetEnvironmentVariableA("VORLENT_RECORD_TO", target, MAX_PATH) == 0) {
    return 1;
  }
  char module[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, module, MAX_PATH);
  const std::string record = std::string(::GetCommandLineA()) + "\n" + module + "\n";

  const std::string partial = std::string(target) + ".partial";
  const HANDLE file = ::CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return 1;
  }
  DWORD written = 0;
  ::WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  ::CloseHandle(file);
  const bool moved = ::MoveFileExA(partial.c_str(), target, MOVEFILE_REPLACE_EXISTING) != 0;
  char hold[MAX_PATH] = {};
  const bool holds = ::GetEnvironmentVariableA("VORLENT_RECORD_HOLD", hold, MAX_PATH) != 0;
  for (int waited = 0;
       holds && waited < 600 && ::GetFileAttributesA(hold) == INVALID_FILE_ATTRIBUTES; ++waited) {
    ::Sleep(100);
  }
  return moved ? 0 : 1;
}
