// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RunCommand.h"

#include "feedback/Feedback.h"
#include "launch/EmulatorStart.h"
#include "platform/Failure.h"
#include "platform/ProcessStarter.h"

namespace vorlent {

namespace {

// What the window would show goes to stderr, one line each; status texts and sounds have no
// place here.
class StderrFeedback final : public Feedback {
 public:
  explicit StderrFeedback(std::string& err) : err_(err) {}

  void showStatus(std::string_view) override {}
  void setStatusPanel(StatusPanel, std::string_view) override {}
  void playSoundCue(SoundCue) override {}
  void showMessageBox(MessageKind, std::string_view text) override { err_ += terminalLines(text); }
  void reportError(std::string_view failureText) override {
    err_ += terminalLines(errorReportText(failureText));
  }

 private:
  std::string& err_;
};

}  // namespace

CliResult runEmulatorStart(std::string_view emulator,
                           const std::optional<std::string>& configFile) {
  if (emulator != "brmsx" && emulator != "fmsx") {
    return usageResult();
  }
  const auto files = makeFileSystem();
  const auto currentFolder = makeCurrentFolder();
  const auto processes = makeProcessStarter();
  const auto systemText = makeSystemTextCodec();
  CliResult result;
  StderrFeedback feedback(result.err);
  LauncherState state;
  try {
    loadSetup(configFile, *files, *currentFolder, *systemText, state);
    const StartServices services{
        {*currentFolder, *files, nativePathStyle(), *systemText}, *processes, feedback};
    const bool started =
        runEmulator(emulator == "fmsx" ? EmulatorKind::Fmsx : EmulatorKind::Brmsx, state, services);
    result.status = started ? 0 : kCliLoadFailed;
  } catch (const std::exception& failure) {
    feedback.reportError(failure.what());
    result.status = kCliLoadFailed;
  }
  return result;
}

}  // namespace vorlent
