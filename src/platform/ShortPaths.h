// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vorlent {

// The short form of a full path: the form stored in the launcher state and passed to the
// emulators unquoted, so it holds no blank. Windows gives the 8.3 form; elsewhere it is a stable
// path without blanks that exists on the host.
class ShortPaths {
 public:
  virtual ~ShortPaths() = default;

  // Nothing when the file has no short form (for example when it does not exist).
  virtual std::optional<std::string> shortForm(std::string_view fullPath) = 0;
};

std::unique_ptr<ShortPaths> makeShortPaths();

}  // namespace vorlent
