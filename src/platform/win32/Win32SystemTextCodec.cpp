// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "platform/SystemTextCodec.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

namespace {

// The ANSI code page.
class Win32SystemTextCodec : public SystemTextCodec {
 public:
  std::string toSystemText(std::string_view utf8) const override { return win32::ansi(utf8); }
  std::string fromSystemText(std::string_view systemBytes) const override {
    return win32::fromAnsi(systemBytes);
  }
  bool isUtf8() const override { return ::GetACP() == CP_UTF8; }
};

}  // namespace

std::unique_ptr<SystemTextCodec> makeSystemTextCodec() {
  return std::make_unique<Win32SystemTextCodec>();
}

}  // namespace vorlent
