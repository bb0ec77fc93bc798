// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommands.h"

#include <algorithm>

#include "cli/ReadOnlyFileSystem.h"
#include "feedback/Feedback.h"
#include "launch/BrmsxCommand.h"
#include "launch/FmsxCommand.h"
#include "platform/AtomicFile.h"
#include "platform/ControlCharacters.h"
#include "platform/Failure.h"
#include "platform/ProgramFolder.h"
#include "platform/UserConfigFolder.h"
#include "settings/ConfigFile.h"

namespace vorlent {

namespace {

constexpr std::string_view kUsage =
    "usage: vorlent-cli command brmsx|fmsx [--config FILE]\n"
    "       vorlent-cli options brmsx|fmsx [--config FILE]\n"
    "       vorlent-cli run brmsx|fmsx [--config FILE]\n"
    "       vorlent-cli list FOLDER [--sort 0|1|2|3|4]\n"
    "       vorlent-cli identify [--database FILE] [--] FILE...\n";

std::string composed(std::string_view command, bool fmsx, const LauncherState& state,
                     FileSystem& files, CurrentFolder& currentFolder,
                     const SystemTextCodec& systemText) {
  if (command == "options") {
    return fmsx ? fmsxOptionText(state.fmsxOptions) : brmsxOptionText(state.brmsxOptions);
  }
  ReadOnlyFileSystem readOnly(files);
  const LaunchServices services{currentFolder, readOnly, nativePathStyle(), systemText};
  return fmsx ? buildFmsxCommand(state, services, nullptr)
              : buildBrmsxCommand(state, services, nullptr);
}

}  // namespace

std::string terminalLines(std::string_view text) {
  std::string lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    lines += withControlsMarked(text.substr(0, end)) + '\n';
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

CliResult usageResult() { return {{}, std::string(kUsage), kCliUsage}; }

void loadSetup(const std::optional<std::string>& configFile, FileSystem& files,
               CurrentFolder& currentFolder, const SystemTextCodec& systemText,
               LauncherState& state) {
  // A file named on the command line is read as given: a mistyped name is no fresh setup.
  const FileKind named = configFile ? files.kindOf(*configFile) : FileKind::Regular;
  if (named == FileKind::Missing || named == FileKind::Folder) {
    throw Failure(named == FileKind::Missing ? missingFileText(*configFile)
                                             : notARegularFileText(*configFile));
  }
  const auto atomicFiles = makeAtomicFiles();
  MediaPanelState panel;
  // Found by the program's own rule: beside it, or in the user's folder where it cannot be kept.
  const SettingsLocation location =
      configFile ? SettingsLocation{*configFile, *configFile, false}
                 : configFileLocation(programFolder(), files, &userConfigFolder);
  ConfigFile config(location, {files, currentFolder, *atomicFiles, nativePathStyle(), systemText});
  config.LoadConfig(state, panel);
}

CliResult runEmulatorCommand(std::string_view command, std::string_view emulator,
                             const std::optional<std::string>& configFile) {
  if ((command != "command" && command != "options") ||
      (emulator != "brmsx" && emulator != "fmsx")) {
    return usageResult();
  }
  const auto files = makeFileSystem();
  const auto currentFolder = makeCurrentFolder();
  const auto systemText = makeSystemTextCodec();
  LauncherState state;
  try {
    loadSetup(configFile, *files, *currentFolder, *systemText, state);
    // One line, whatever the paths of the setup hold.
    return {withControlsMarked(
                composed(command, emulator == "fmsx", state, *files, *currentFolder, *systemText)) +
                "\n",
            {},
            0};
  } catch (const std::exception& failure) {
    return {{}, terminalLines(errorReportText(failure.what())), kCliLoadFailed};
  }
}

}  // namespace vorlent
