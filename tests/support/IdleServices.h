#pragma once

#include <string_view>

#include "feedback/BusyIndicator.h"
#include "platform/DesktopOpener.h"

namespace vorlent::testing {

// Services whose effect a test does not look at: they do nothing.
class NoOpener final : public DesktopOpener {
 public:
  void open(std::string_view, std::string_view) override {}
};

class NoBusy final : public BusyIndicator {
 public:
  void begin() override {}
  void end() override {}
};

}  // namespace vorlent::testing
