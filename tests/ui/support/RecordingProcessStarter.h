// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/CurrentFolder.h"
#include "platform/ProcessStarter.h"

namespace vorlent::testing {

// Records each start with the folder that was current for it, and starts nothing.
struct RecordedStart {
  std::string commandLine;
  std::string currentFolder;
};

class RecordingProcessStarter final : public ProcessStarter {
 public:
  explicit RecordingProcessStarter(std::shared_ptr<std::vector<RecordedStart>> starts)
      : starts_(std::move(starts)) {}

  StartResult startCommandLine(std::string_view commandLine) override {
    starts_->push_back({std::string(commandLine), folder_->get()});
    return StartResult::success();
  }
  StartResult startProgram(std::string_view programPath) override {
    starts_->push_back({"program " + std::string(programPath), folder_->get()});
    return StartResult::success();
  }

 private:
  std::shared_ptr<std::vector<RecordedStart>> starts_;
  std::unique_ptr<CurrentFolder> folder_ = makeCurrentFolder();
};

}  // namespace vorlent::testing
