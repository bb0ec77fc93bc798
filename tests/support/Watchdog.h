// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace vorlent::testing {

// Ends the whole test program with a message when the scope is not left in time, so that an
// operation that blocks for good fails the suite instead of stalling it.
class Watchdog {
 public:
  explicit Watchdog(std::string what, std::chrono::seconds limit = std::chrono::seconds(20))
      : what_(std::move(what)), thread_([this, limit] {
          std::unique_lock lock(mutex_);
          if (!wake_.wait_for(lock, limit, [this] { return dismissed_; })) {
            std::fprintf(stderr, "watchdog: %s did not return in time\n", what_.c_str());
            std::fflush(stderr);
            std::_Exit(3);
          }
        }) {}
  ~Watchdog() {
    {
      const std::lock_guard lock(mutex_);
      dismissed_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  std::string what_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool dismissed_ = false;
  std::thread thread_;
};

// Runs a step that must not hang under a watchdog.
inline void withinWatchdog(const std::function<void()>& step,
                           std::chrono::seconds bound = std::chrono::seconds(30)) {
  const Watchdog watchdog("the step", bound);
  step();
}

}  // namespace vorlent::testing
