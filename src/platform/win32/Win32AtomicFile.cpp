// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <atomic>
#include <string>

#include "platform/AtomicFile.h"
#include "platform/Failure.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Handle.h"

namespace vorlent {

namespace {

Failure lastFailure() { return systemFailure(static_cast<int>(::GetLastError())); }

class Win32AtomicFile final : public AtomicFile {
 public:
  explicit Win32AtomicFile(std::string_view targetPath) : target_(win32::ansi(targetPath)) {
    static std::atomic<unsigned> counter{0};
    // A name that no other save uses, so CREATE_NEW never meets a file left by someone else.
    for (int attempt = 0; !file_.valid(); ++attempt) {
      temporary_ = target_ + ".tmp" + std::to_string(::GetCurrentProcessId()) + "-" +
                   std::to_string(counter.fetch_add(1));
      file_ = win32::Handle(::CreateFileA(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
      const DWORD error = ::GetLastError();
      if (!file_.valid() && (error != ERROR_FILE_EXISTS || attempt >= 100)) {
        throw systemFailure(static_cast<int>(error));
      }
    }
  }

  ~Win32AtomicFile() override {
    file_.close();
    if (!committed_) {
      ::DeleteFileA(temporary_.c_str());
    }
  }

  Win32AtomicFile(const Win32AtomicFile&) = delete;
  Win32AtomicFile& operator=(const Win32AtomicFile&) = delete;

  void write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const DWORD piece = bytes.size() > 1u << 30 ? 1u << 30 : static_cast<DWORD>(bytes.size());
      DWORD written = 0;
      if (::WriteFile(file_.get(), bytes.data(), piece, &written, nullptr) == 0) {
        throw lastFailure();
      }
      bytes.remove_prefix(written);
    }
  }

  void commit() override {
    if (::FlushFileBuffers(file_.get()) == 0) {
      throw lastFailure();
    }
    if (!file_.close()) {
      throw lastFailure();
    }
    if (::MoveFileExA(temporary_.c_str(), target_.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
      throw lastFailure();
    }
    committed_ = true;
  }

 private:
  std::string target_;  // in the system's code page, as the A functions take it
  std::string temporary_;
  win32::Handle file_;
  bool committed_ = false;
};

}  // namespace

std::unique_ptr<AtomicFiles> makeAtomicFiles() {
  return std::make_unique<AtomicFilesOf<Win32AtomicFile>>();
}

}  // namespace vorlent
