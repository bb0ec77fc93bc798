// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/ProgramArguments.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

// argv holds the arguments in the ANSI code page, where a character that the code page lacks is
// lost; the wide command line, split by the system's own rules, holds them all.
std::vector<std::string> programArguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (words == nullptr) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
      arguments.push_back(win32::fromAnsi(argv[i]));
    }
    return arguments;
  }
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) {
    arguments.push_back(win32::codePageFromWide(words[i], CP_UTF8));
  }
  ::LocalFree(words);
  return arguments;
}

}  // namespace vorlent
