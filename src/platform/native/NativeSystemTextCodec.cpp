#include "platform/SystemText.h"
#include "platform/SystemTextCodec.h"

namespace vorlent {

namespace {

class NativeSystemTextCodec : public SystemTextCodec {
 public:
  std::string toSystemText(std::string_view utf8) const override {
    return vorlent::toSystemText(utf8);
  }
  std::string fromSystemText(std::string_view systemBytes) const override {
    return vorlent::fromSystemText(systemBytes);
  }
  bool isUtf8() const override { return systemTextIsUtf8(); }
};

}  // namespace

std::unique_ptr<SystemTextCodec> makeSystemTextCodec() {
  return std::make_unique<NativeSystemTextCodec>();
}

}  // namespace vorlent
