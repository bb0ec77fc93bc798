// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent {

// The hourglass cursor over a long step. Calls nest: the normal cursor returns with the last end.
class BusyIndicator {
 public:
  virtual ~BusyIndicator() = default;

  virtual void begin() = 0;
  virtual void end() = 0;
};

// Shows the hourglass for the life of the scope and restores the cursor on every way out,
// exceptions included.
class BusyScope {
 public:
  explicit BusyScope(BusyIndicator& indicator) : indicator_(indicator) { indicator_.begin(); }
  ~BusyScope() { indicator_.end(); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  BusyIndicator& indicator_;
};

}  // namespace vorlent
