// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/WholeFile.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Handle.h"

namespace vorlent {

namespace {

DWORD attributesOf(std::string_view path) {
  return path.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(win32::ansi(path).c_str());
}

Failure lastFailure() { return systemFailure(static_cast<int>(::GetLastError())); }

FileKind kindOfAttributes(DWORD attributes) {
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return FileKind::Missing;
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return FileKind::Folder;
  }
  return (attributes & FILE_ATTRIBUTE_DEVICE) != 0 ? FileKind::Other : FileKind::Regular;
}

void writeAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD piece = bytes.size() > 1u << 30 ? 1u << 30 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (::WriteFile(file, bytes.data(), piece, &written, nullptr) == 0) {
      throw lastFailure();
    }
    bytes.remove_prefix(written);
  }
}

// Whether the open handle is a plain file on a disk: no link or junction (opened as itself), no
// folder, no device.
bool isPlainDiskFile(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION information{};
  return ::GetFileType(file) == FILE_TYPE_DISK &&
         ::GetFileInformationByHandle(file, &information) != 0 &&
         (information.dwFileAttributes &
          (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

class Win32FileSystem final : public FileSystem {
 public:
  bool fileExists(std::string_view path) const override {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }

  bool folderExists(std::string_view path) const override {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  void writeFile(std::string_view path, std::string_view bytes) override {
    win32::Handle file(::CreateFileA(win32::ansi(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
      throw lastFailure();
    }
    writeAll(file.get(), bytes);
    if (!file.close()) {
      throw lastFailure();
    }
  }

  // A link or junction is opened as itself and refused before anything is truncated.
  void writeRegularFile(std::string_view path, std::string_view bytes) override {
    win32::Handle file(
        ::CreateFileA(win32::ansi(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid()) {
      throw lastFailure();
    }
    if (!isPlainDiskFile(file.get())) {
      throw Failure(notARegularFileText(path));
    }
    if (::SetEndOfFile(file.get()) == 0) {
      throw lastFailure();
    }
    writeAll(file.get(), bytes);
    if (!file.close()) {
      throw lastFailure();
    }
  }

  bool createNewFile(std::string_view path) override {
    win32::Handle file(
        ::CreateFileA(win32::ansi(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid()) {
      const DWORD error = ::GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
        return false;
      }
      throw systemFailure(static_cast<int>(error));
    }
    if (!file.close()) {
      throw lastFailure();
    }
    return true;
  }

  FileKind kindOf(std::string_view path) const override {
    return kindOfAttributes(attributesOf(path));
  }

  // The attributes of a link or junction are its own.
  FileKind entryKindOf(std::string_view path) const override {
    const DWORD attributes = attributesOf(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
      return FileKind::Other;
    }
    return kindOfAttributes(attributes);
  }

  std::string readRegularFile(std::string_view path, std::size_t limit) const override {
    return readWholeRegularFile(path, limit);
  }

  bool canRewrite(std::string_view path) const override {
    if (kindOf(path) != FileKind::Regular) {
      return false;
    }
    const win32::Handle file(::CreateFileA(win32::ansi(path).c_str(), GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid();
  }

  bool folderTakesNewFiles(std::string_view folder) const override {
    std::string probe(folder);
    if (!probe.empty() && probe.back() != '\\' && probe.back() != '/') {
      probe += '\\';
    }
    probe += ".vorlent-probe-" + std::to_string(::GetCurrentProcessId());
    const win32::Handle file(::CreateFileA(win32::ansi(probe).c_str(), GENERIC_WRITE, 0, nullptr,
                                           CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file.valid();
  }
};

}  // namespace

std::unique_ptr<FileSystem> makeFileSystem() { return std::make_unique<Win32FileSystem>(); }

}  // namespace vorlent
