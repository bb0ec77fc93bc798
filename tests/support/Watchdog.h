#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <thread>

namespace vorlent::testing {

// Runs a step that must not hang on a thread of its own and hands back what it threw. A step
// that has not ended within the bound is a hang: the test fails and the test program ends at
// once, so that no hang can stall the suite. The bound is no measure of speed.
inline void withinWatchdog(const std::function<void()>& step,
                           std::chrono::seconds bound = std::chrono::seconds(30)) {
  std::packaged_task<void()> task(step);
  std::future<void> done = task.get_future();
  std::thread(std::move(task)).detach();
  if (done.wait_for(bound) != std::future_status::ready) {
    ADD_FAILURE() << "the step hung";
    std::fflush(nullptr);
    std::_Exit(3);
  }
  done.get();
}

}  // namespace vorlent::testing
