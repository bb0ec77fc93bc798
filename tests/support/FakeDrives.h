// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Drives.h"

namespace vorlent::testing {

// The drives a test sets, with the space of each root and of what lies below it; no drives and
// unreadable space until the test sets them.
class FakeDrives final : public Drives {
 public:
  std::vector<Drive> list() override { return drives; }
  DriveSpace space(std::string_view folder) override {
    asked.emplace_back(folder);
    if (unreadable.count(std::string(folder)) != 0) {
      return {};
    }
    for (const auto& [root, space] : spaces) {
      if (folder.starts_with(root)) {
        return space;
      }
    }
    return {};
  }

  std::vector<Drive> drives;
  std::map<std::string, DriveSpace> spaces;
  std::set<std::string> unreadable;
  std::vector<std::string> asked;  // the folders whose space was read
};

}  // namespace vorlent::testing
