// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "platform/Failure.h"
#include "platform/WholeFile.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Handle.h"

namespace vorlent {

std::string readWholeRegularFile(std::string_view path, std::size_t sizeLimit) {
  // A folder cannot be opened this way (access denied); a pipe or a device is refused by its
  // type before anything is read from it.
  win32::Handle file(::CreateFileA(win32::ansi(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.valid()) {
    throw systemFailure(static_cast<int>(::GetLastError()));
  }
  if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
    throw Failure(notARegularFileText(path));
  }
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.get(), &size) == 0) {
    throw systemFailure(static_cast<int>(::GetLastError()));
  }
  if (static_cast<unsigned long long>(size.QuadPart) > sizeLimit) {
    throw Failure(fileTooLargeText(path, sizeLimit));
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t left = bytes.size() - done;
    const DWORD piece = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
    DWORD got = 0;
    if (::ReadFile(file.get(), bytes.data() + done, piece, &got, nullptr) == 0) {
      throw systemFailure(static_cast<int>(::GetLastError()));
    }
    if (got == 0) {
      break;
    }
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace vorlent
