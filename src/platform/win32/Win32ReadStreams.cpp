// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "platform/Failure.h"
#include "platform/ReadStreams.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Handle.h"

namespace vorlent {

namespace {

class Win32ReadStream final : public ReadStream {
 public:
  // A folder cannot be opened this way; CreateFileA answers it with "access denied".
  explicit Win32ReadStream(std::string_view path)
      : file_(::CreateFileA(win32::ansi(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr)) {
    if (!file_.valid()) {
      throw systemFailure(static_cast<int>(::GetLastError()));
    }
  }

  std::size_t read(char* buffer, std::size_t size) override {
    const DWORD piece = size > 1u << 30 ? 1u << 30 : static_cast<DWORD>(size);
    DWORD got = 0;
    if (::ReadFile(file_.get(), buffer, piece, &got, nullptr) == 0) {
      throw systemFailure(static_cast<int>(::GetLastError()));
    }
    return got;
  }

 private:
  win32::Handle file_;
};

}  // namespace

std::unique_ptr<ReadStreams> makeReadStreams() {
  return std::make_unique<ReadStreamsOf<Win32ReadStream>>();
}

}  // namespace vorlent
