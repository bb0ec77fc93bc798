// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace vorlent {

// The system's code page, in which the configuration file, the response file, the command line
// and its length, and the byte-wise sort of the file list are counted. The core holds UTF-8;
// these convert at those places. On POSIX systems the system text is UTF-8 itself.
class SystemTextCodec {
 public:
  virtual ~SystemTextCodec() = default;

  virtual std::string toSystemText(std::string_view utf8) const = 0;
  virtual std::string fromSystemText(std::string_view systemBytes) const = 0;

  // True where the system text is UTF-8, so that no text needs converting.
  virtual bool isUtf8() const = 0;
};

std::unique_ptr<SystemTextCodec> makeSystemTextCodec();

}  // namespace vorlent
