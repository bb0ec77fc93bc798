// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "feedback/BusyIndicator.h"

namespace vorlent::testing {

// Counts the hourglass's steps: how deep they nest now and how often one began.
class CountingBusy final : public BusyIndicator {
 public:
  void begin() override {
    ++depth;
    ++begun;
  }
  void end() override { --depth; }

  int depth = 0;
  int begun = 0;
};

}  // namespace vorlent::testing
