// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace vorlent::testing {

// What a run of the companion printed and how it ended: its exit status, -1 when it did not
// exit by itself.
struct CliRun {
  std::string out;
  std::string err;
  int status = -1;
};

// The word in single quotes for the shell, its own quotes included.
std::string shellQuoted(const std::string& word);

// Runs the built vorlent-cli with the words through the shell, after `before` (shell words
// such as "cd DIR && timeout 20 "); what it prints is kept in files of `output`.
CliRun runCli(const std::vector<std::string>& args, const TempFolder& output,
              const std::string& before = {});

}  // namespace vorlent::testing
