// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemTextCodec.h"

namespace vorlent {

namespace {

// The system text is UTF-8 itself.
class PosixSystemTextCodec : public SystemTextCodec {
 public:
  std::string toSystemText(std::string_view utf8) const override { return std::string(utf8); }
  std::string fromSystemText(std::string_view systemBytes) const override {
    return std::string(systemBytes);
  }
  bool isUtf8() const override { return true; }
};

}  // namespace

std::unique_ptr<SystemTextCodec> makeSystemTextCodec() {
  return std::make_unique<PosixSystemTextCodec>();
}

}  // namespace vorlent
