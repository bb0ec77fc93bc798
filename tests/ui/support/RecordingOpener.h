// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/DesktopOpener.h"

namespace vorlent::testing {

struct OpenedLink {
  std::string path;
  std::string workingFolder;
};

// Records what the window hands to the desktop, and opens nothing.
class RecordingOpener final : public DesktopOpener {
 public:
  explicit RecordingOpener(std::shared_ptr<std::vector<OpenedLink>> opened)
      : opened_(std::move(opened)) {}

  void open(std::string_view path, std::string_view workingFolder) override {
    opened_->push_back({std::string(path), std::string(workingFolder)});
  }

 private:
  std::shared_ptr<std::vector<OpenedLink>> opened_;
};

}  // namespace vorlent::testing
