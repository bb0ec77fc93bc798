// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "platform/ShellFileOperation.h"

namespace vorlent::testing {

// Records the shell requests instead of running them.
class RecordingShell final : public ShellFileOperation {
 public:
  RecordingShell() = default;
  // Records into a list the test keeps, for a shell that the window owns and outlives the test's
  // look at it.
  explicit RecordingShell(std::vector<ShellFileRequest>& into) : into_(&into) {}
  // Hands each request to the test as it comes, in the test's own record.
  explicit RecordingShell(std::function<void(const ShellFileRequest&)> onRun)
      : onRun_(std::move(onRun)) {}

  void run(const ShellFileRequest& request, ShellFileProgress&) override {
    (into_ != nullptr ? *into_ : requests).push_back(request);
    if (onRun_) onRun_(request);
  }

  std::vector<ShellFileRequest> requests;

 private:
  std::vector<ShellFileRequest>* into_ = nullptr;
  std::function<void(const ShellFileRequest&)> onRun_;
};

}  // namespace vorlent::testing
