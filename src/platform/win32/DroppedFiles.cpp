// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/DroppedFiles.h"

#include "platform/win32/CodePage.h"

namespace vorlent::win32 {

std::vector<std::string> droppedPaths(HDROP drop) {
  const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<std::string> paths;
  paths.reserve(count);
  for (UINT index = 0; index < count; ++index) {
    const UINT length = ::DragQueryFileA(drop, index, nullptr, 0);
    std::string name(length + 1, '\0');
    const UINT copied = ::DragQueryFileA(drop, index, name.data(), length + 1);
    name.resize(copied);
    paths.push_back(fromAnsi(name));
  }
  return paths;
}

}  // namespace vorlent::win32
