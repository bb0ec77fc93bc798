// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "feedback/BusyIndicator.h"

namespace vorlent {

// The hourglass as the application's override cursor, over every window.
class QtBusyIndicator final : public BusyIndicator {
 public:
  void begin() override;
  void end() override;
};

}  // namespace vorlent
