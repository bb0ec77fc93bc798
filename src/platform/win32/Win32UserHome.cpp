// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "platform/UserHome.h"
#include "platform/win32/Environment.h"

namespace vorlent {

std::optional<std::string> userHomeFolder() {
  std::string home = win32::environmentVariable(L"USERPROFILE");
  if (home.empty()) {
    return std::nullopt;
  }
  return home;
}

}  // namespace vorlent
