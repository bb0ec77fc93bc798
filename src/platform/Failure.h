// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorlent {

// A failure that the operation in progress does not handle itself. Its text is exactly what
// the general error report shows (before the report's own "." rule). The UI catches it at the
// event boundary; nothing below the UI shows it.
class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& text) : std::runtime_error(text) {}
};

// The kinds of file failure the report words in its own text; every other system error is
// reported with its number.
enum class FileFailureKind {
  FileNotFound,
  InvalidFileName,
  TooManyOpenFiles,
  AccessDenied,
  ReadPastEnd,
  DiskFull,
  NotANumber,
  Other,
};

std::string fileFailureText(FileFailureKind kind, int errorNumber = 0);
std::string notAnIntegerText(std::string_view text);
std::string indexOutOfRangeText(long long index);
std::string notARegularFileText(std::string_view path);
std::string missingFileText(std::string_view path);
std::string fileTooLargeText(std::string_view path, std::size_t limit);

// The failure for a system error code of this platform (errno on POSIX, GetLastError on
// Windows), worded as the report words it.
Failure systemFailure(int systemErrorCode);

}  // namespace vorlent
