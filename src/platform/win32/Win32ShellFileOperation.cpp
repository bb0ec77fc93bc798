// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>
// The shell's header needs the definitions of windows.h first.
#include <shellapi.h>

#include <string>

#include "platform/ShellFileOperation.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

namespace {

// The shell's list form: every entry followed by a NUL byte, one more NUL after the last. The
// string's own terminator adds a further NUL, which the shell does not read.
std::string doubleNulList(const std::vector<std::string>& paths) {
  std::string list;
  for (const std::string& path : paths) {
    list += win32::ansi(path);
    list += '\0';
  }
  list += '\0';
  return list;
}

UINT shellFunction(ShellOperationKind kind) {
  switch (kind) {
    case ShellOperationKind::Move:
      return FO_MOVE;
    case ShellOperationKind::Copy:
      return FO_COPY;
    case ShellOperationKind::Delete:
      return FO_DELETE;
  }
  return FO_COPY;
}

// SHFileOperationA shows its own progress window and asks its own questions; deletions go to
// the recycle bin. Nothing of it is reported back.
class Win32ShellFileOperation final : public ShellFileOperation {
 public:
  void run(const ShellFileRequest& request, ShellFileProgress& progress) override {
    const std::string sources = doubleNulList(request.sources);
    std::string destination;
    if (request.kind != ShellOperationKind::Delete) {
      destination = win32::ansi(request.destination);
      destination += '\0';
    }
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = reinterpret_cast<HWND>(progress.ownerWindow());
    operation.wFunc = shellFunction(request.kind);
    operation.pFrom = sources.c_str();
    operation.pTo = request.kind == ShellOperationKind::Delete ? nullptr : destination.c_str();
    operation.fFlags =
        static_cast<FILEOP_FLAGS>(FOF_ALLOWUNDO | (request.showProgress ? 0 : FOF_SILENT));
    operation.hNameMappings = nullptr;
    operation.lpszProgressTitle = nullptr;
    ::SHFileOperationA(&operation);
    progress.finished();
  }
};

}  // namespace

std::unique_ptr<ShellFileOperation> makeShellFileOperation() {
  return std::make_unique<Win32ShellFileOperation>();
}

}  // namespace vorlent
