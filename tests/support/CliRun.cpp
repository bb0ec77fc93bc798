// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/CliRun.h"

#include <sys/wait.h>

#include <cstdlib>

namespace vorlent::testing {

std::string shellQuoted(const std::string& word) {
  std::string text = "'";
  for (const char c : word) text += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return text + "'";
}

CliRun runCli(const std::vector<std::string>& args, const TempFolder& output,
              const std::string& before) {
  std::string line = before + shellQuoted(std::string(VORLENT_BINARY_DIR) + "/vorlent-cli");
  for (const std::string& arg : args) line += " " + shellQuoted(arg);
  line += " >" + shellQuoted(output.at("out")) + " 2>" + shellQuoted(output.at("err"));
  const int raw = std::system(line.c_str());
  return {output.read("out"), output.read("err"), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}

}  // namespace vorlent::testing
