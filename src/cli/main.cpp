// SPDX-License-Identifier: GPL-3.0-or-later
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/IdentifyCommand.h"
#include "cli/ListCommand.h"
#include "cli/RunCommand.h"
#include "platform/ConsoleText.h"
#include "platform/ProgramArguments.h"

namespace {

using vorlent::CliResult;

// Splits "--option VALUE" pairs from the words; nothing when an option is unknown, repeated or
// has no value. Every word after "--" is no option, so names that begin with "-" can be given.
std::optional<std::vector<std::string>> withOption(std::vector<std::string> words,
                                                   std::string_view option,
                                                   std::optional<std::string>& value) {
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] == "--") {
      rest.insert(rest.end(), words.begin() + static_cast<std::ptrdiff_t>(i) + 1, words.end());
      break;
    }
    if (words[i].rfind("--", 0) != 0) {
      rest.push_back(words[i]);
      continue;
    }
    if (words[i] != option || value || i + 1 == words.size()) {
      return std::nullopt;
    }
    value = words[++i];
  }
  return rest;
}

// The one path of a command that takes one and the option; nothing when the words do not fit.
std::optional<std::string> onePathWithOption(const std::vector<std::string>& words,
                                             std::string_view option,
                                             std::optional<std::string>& value) {
  const auto rest = withOption(words, option, value);
  if (!rest || rest->size() != 1) {
    return std::nullopt;
  }
  return rest->front();
}

CliResult run(std::vector<std::string> words) {
  if (words.empty()) {
    return vorlent::usageResult();
  }
  const std::string command = words.front();
  words.erase(words.begin());
  if (command == "command" || command == "options") {
    std::optional<std::string> config;
    const auto path = onePathWithOption(words, "--config", config);
    return path ? vorlent::runEmulatorCommand(command, *path, config) : vorlent::usageResult();
  }
  if (command == "run") {
    std::optional<std::string> config;
    const auto path = onePathWithOption(words, "--config", config);
    return path ? vorlent::runEmulatorStart(*path, config) : vorlent::usageResult();
  }
  if (command == "list") {
    std::optional<std::string> sort;
    const auto path = onePathWithOption(words, "--sort", sort);
    return path ? vorlent::runListCommand(*path, sort) : vorlent::usageResult();
  }
  if (command == "identify") {
    std::optional<std::string> database;
    const auto rest = withOption(words, "--database", database);
    if (!rest || rest->empty()) {
      return vorlent::usageResult();
    }
    return vorlent::runIdentifyCommand(*rest, database);
  }
  return vorlent::usageResult();
}

CliResult runWithinMemory(std::vector<std::string> words) {
  try {
    return run(std::move(words));
  } catch (const std::bad_alloc&) {
    return {{}, "vorlent-cli: not enough memory\n", vorlent::kCliLoadFailed};
  }
}

}  // namespace

int main(int argc, char** argv) {
  const CliResult result = runWithinMemory(vorlent::programArguments(argc, argv));
  // Output that did not reach its file is a failure however the command ended: a short listing
  // must not pass for a whole one.
  const std::optional<std::string> unwritten =
      vorlent::writeConsoleText(vorlent::ConsoleStream::Output, result.out);
  if (unwritten) {
    vorlent::writeConsoleText(
        vorlent::ConsoleStream::Error,
        result.err + "vorlent-cli: cannot write the output: " + *unwritten + "\n");
    return vorlent::kCliLoadFailed;
  }
  const bool errorsWritten = !vorlent::writeConsoleText(vorlent::ConsoleStream::Error, result.err);
  return errorsWritten ? result.status : vorlent::kCliLoadFailed;
}
