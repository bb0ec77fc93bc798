// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "platform/DesktopOpener.h"
#include "support/CountingBusy.h"

namespace vorlent::testing {

// Services whose effect a test does not look at: they do nothing.
class NoOpener final : public DesktopOpener {
 public:
  void open(std::string_view, std::string_view) override {}
};

// The hourglass of a test that does not look at it.
using NoBusy = CountingBusy;

}  // namespace vorlent::testing
