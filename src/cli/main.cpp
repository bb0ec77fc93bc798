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

CliResult run(std::vector<std::string> words) {
  if (words.empty()) {
    return vorlent::usageResult();
  }
  const std::string command = words.front();
  words.erase(words.begin());
  if (command == "command" || command == "options") {
    std::optional<std::string> config;
    const auto rest = withOption(words, "--config", config);
    if (!rest || rest->size() != 1) {
      return vorlent::usageResult();
    }
    return vorlent::runEmulatorCommand(command, rest->front(), config);
  }
  if (command == "run") {
    std::optional<std::string> config;
    const auto rest = withOption(words, "--config", config);
    if (!rest || rest->size() != 1) {
      return vorlent::usageResult();
    }
    return vorlent::runEmulatorStart(rest->front(), config);
  }
  if (command == "list") {
    std::optional<std::string> sort;
    const auto rest = withOption(words, "--sort", sort);
    if (!rest || rest->size() != 1) {
      return vorlent::usageResult();
    }
    return vorlent::runListCommand(rest->front(), sort);
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
  vorlent::writeConsoleText(vorlent::ConsoleStream::Output, result.out);
  vorlent::writeConsoleText(vorlent::ConsoleStream::Error, result.err);
  return result.status;
}
