// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "platform/Failure.h"

namespace vorlent {

namespace {

FileFailureKind kindOfLastError(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
      return FileFailureKind::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
      return FileFailureKind::InvalidFileName;
    case ERROR_TOO_MANY_OPEN_FILES:
      return FileFailureKind::TooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return FileFailureKind::AccessDenied;
    case ERROR_HANDLE_EOF:
      return FileFailureKind::ReadPastEnd;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
      return FileFailureKind::DiskFull;
    default:
      return FileFailureKind::Other;
  }
}

}  // namespace

Failure systemFailure(int systemErrorCode) {
  return Failure(
      fileFailureText(kindOfLastError(static_cast<DWORD>(systemErrorCode)), systemErrorCode));
}

}  // namespace vorlent
