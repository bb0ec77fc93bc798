// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/EmulatorStart.h"

#include "launch/BrmsxCommand.h"
#include "launch/EmulatorTabCaptions.h"
#include "launch/FmsxCommand.h"
#include "launch/StartProblemText.h"
#include "platform/ControlCharacters.h"

namespace vorlent {

namespace {

std::string quoted(std::string_view name) { return "\"" + withControlsMarked(name) + "\""; }

// Hands the composer a start that shows its own failure, so that the message is closed
// before the composer makes the listed folder current again.
StartCommand startShowingFailure(std::string_view program, const StartServices& services,
                                 bool& started) {
  return [program, &services, &started](const std::string& commandLine) {
    const StartResult result = services.processes.startCommandLine(commandLine);
    started = result.started;
    if (!result.started) {
      services.feedback.showMessageBox(MessageKind::Information,
                                       startFailureText(quoted(program), result));
    }
  };
}

}  // namespace

std::string startFailureText(std::string_view program, int errorCode) {
  return withControlsMarked(program) + " can not be carried out. (" + std::to_string(errorCode) +
         ")";
}

std::string startFailureText(std::string_view program, const StartResult& result) {
  const std::string explanation = startProblemExplanation(result);
  const std::string first = startFailureText(program, result.errorCode);
  return explanation.empty() ? first : first + "\n" + explanation;
}

namespace {

// An emulator that was never located has no line to start: its first word would be an option.
// The box says where it is located, since that is the way on at a first start.
bool refusedWithoutPath(std::string_view exePath, std::string_view program, EmulatorKind emulator,
                        const StartServices& services) {
  if (!exePath.empty()) {
    return false;
  }
  services.feedback.showMessageBox(
      MessageKind::Information,
      startFailureText(quoted(program), kMissingProgramCode) + "\n" +
          unlocatedEmulatorExplanation(program,
                                       kEmulatorTabCaptions[static_cast<std::size_t>(emulator)]));
  return true;
}

// Composes the emulator's command line and starts it; false when nothing started.
bool composeAndStart(const LauncherState& state, const StartServices& services,
                     std::string_view exePath, std::string_view program, EmulatorKind emulator,
                     std::string (*compose)(const LauncherState&, const LaunchServices&,
                                            const StartCommand&)) {
  if (refusedWithoutPath(exePath, program, emulator, services)) {
    return false;
  }
  bool started = false;
  compose(state, services.launch, startShowingFailure(program, services, started));
  return started;
}

}  // namespace

bool runFmsx(const LauncherState& state, const StartServices& services) {
  return composeAndStart(state, services, state.fmsxExePath, kFmsxExecutableName,
                         EmulatorKind::Fmsx, buildFmsxCommand);
}

bool runBrmsx(const LauncherState& state, const StartServices& services) {
  return composeAndStart(state, services, state.brmsxExePath, kBrmsxExecutableName,
                         EmulatorKind::Brmsx, buildBrmsxCommand);
}

bool runEmulator(EmulatorKind emulator, const LauncherState& state, const StartServices& services) {
  switch (emulator) {
    case EmulatorKind::Brmsx:
      return runBrmsx(state, services);
    case EmulatorKind::Fmsx:
      return runFmsx(state, services);
  }
  return false;
}

bool runCurrent(const LauncherState& state, const StartServices& services) {
  return runEmulator(state.activeEmulator, state, services);
}

bool runListedProgram(const FileList& list, ProcessStarter& processes, Feedback& feedback) {
  if (list.selectedCount() != 1) {
    return false;
  }
  // The focused entry is the selected one after a click; without a focus, the selection names it.
  const FileListEntry* entry = list.focused() != nullptr ? list.focused() : list.firstSelected();
  const StartResult result = processes.startProgram(entry->fullPath);
  if (!result.started) {
    feedback.showMessageBox(MessageKind::Information, startFailureText(entry->fullPath, result));
  }
  return result.started;
}

}  // namespace vorlent
