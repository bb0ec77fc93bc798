// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>

#include "platform/Failure.h"

namespace vorlent {

namespace {

FileFailureKind kindOfErrno(int code) {
  switch (code) {
    case ENOENT:
      return FileFailureKind::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
    case ELOOP:
      return FileFailureKind::InvalidFileName;
    case EMFILE:
    case ENFILE:
      return FileFailureKind::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return FileFailureKind::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return FileFailureKind::DiskFull;
    default:
      return FileFailureKind::Other;
  }
}

}  // namespace

Failure systemFailure(int systemErrorCode) {
  return Failure(fileFailureText(kindOfErrno(systemErrorCode), systemErrorCode));
}

}  // namespace vorlent
