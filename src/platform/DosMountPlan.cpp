// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DosMountPlan.h"

#include <algorithm>

#include "platform/PathParts.h"

namespace vorlent {

namespace {

constexpr char kFirstArgumentDrive = 'D';
constexpr char kLastDrive = 'Z';

// DOSBox's mount command takes a folder with blanks in double quotes.
std::string mountCommand(const DosMount& mount) {
  const char drive = asciiLower(mount.drive);
  const std::string folder = mount.hostFolder.find(' ') == std::string::npos
                                 ? mount.hostFolder
                                 : "\"" + mount.hostFolder + "\"";
  return "mount " + std::string(1, drive) + " " + folder;
}

// The shell shows neither a line that begins with "@" nor what is sent to NUL.
std::string unseen(std::string_view command) { return "@" + std::string(command); }
std::string unheard(std::string_view command) { return unseen(command) + " >nul"; }

}  // namespace

bool mountsByItsPath(std::string_view folder, const CommandLineBytes& toBytes) {
  const std::string bytes = toBytes(folder);
  const bool endsInATrailByte =
      !bytes.empty() && bytes.back() == '\\' && (folder.empty() || folder.back() != '\\');
  return !endsInATrailByte && !dosShellReadsAnyOf(bytes);
}

DosMountPlan planDosMounts(std::string_view programHostPath,
                           const std::vector<std::string>& arguments, const HostFileOf& hostFileOf,
                           const CommandLineBytes& toBytes) {
  DosMountPlan plan;
  std::size_t stagedMedia = 0;
  const auto refuse = [&plan](std::string_view word) {
    if (!plan.run.refusedWord) {
      plan.run.refusedWord = std::string(word);
    }
  };
  // The next free drive letter, or nothing beyond Z:.
  const auto nextDrive = [&plan]() -> std::optional<char> {
    const std::size_t taken = plan.mounts.size() - 1 + (plan.stagingDrive ? 1 : 0);
    const char drive = static_cast<char>(kFirstArgumentDrive + taken);
    return drive <= kLastDrive ? std::optional<char>(drive) : std::nullopt;
  };
  // The file's path on the staging drive: the name it was given before, or the stem numbered by
  // the files staged under that stem so far.
  const auto staged = [&](const std::string& hostPath,
                          std::string_view stem) -> std::optional<std::string> {
    auto file = std::find_if(plan.run.stagedFiles.begin(), plan.run.stagedFiles.end(),
                             [&](const StagedFile& known) { return known.hostPath == hostPath; });
    if (file == plan.run.stagedFiles.end()) {
      if (!plan.stagingDrive && !(plan.stagingDrive = nextDrive())) {
        return std::nullopt;
      }
      const std::size_t number = stem == kStagedProgramStem ? 0 : ++stagedMedia;
      plan.run.stagedFiles.push_back(
          {stagedDosName(stem, number, fileNamePart(hostPath, PathStyle::Windows)), hostPath});
      file = plan.run.stagedFiles.end() - 1;
    }
    return std::string(1, *plan.stagingDrive) + ":\\" + file->dosName;
  };
  const std::string programFolder = folderPart(programHostPath, PathStyle::Windows);
  plan.mounts.push_back({'C', programFolder});
  if (!mountsByItsPath(programFolder, toBytes)) {
    refuse(programFolder);
  }
  const std::string programName = fileNamePart(programHostPath, PathStyle::Windows);
  if (isPlainDosProgramName(toBytes(programName))) {
    plan.run.program = programName;
  } else {
    plan.run.program = staged(std::string(programHostPath), kStagedProgramStem).value();
  }
  for (const std::string& argument : arguments) {
    const std::optional<std::string> hostPath = hostFileOf(argument);
    if (!hostPath) {
      if (!passesAsItStands(toBytes(argument))) {
        refuse(argument);
      }
      plan.run.arguments.push_back(argument);
      continue;
    }
    const std::string folder = folderPart(*hostPath, PathStyle::Windows);
    const std::string name = fileNamePart(*hostPath, PathStyle::Windows);
    std::optional<std::string> dosPath;
    if (mountsByItsPath(folder, toBytes) && isDosShortName(toBytes(name))) {
      auto mount =
          std::find_if(plan.mounts.begin() + 1, plan.mounts.end(),
                       [&](const DosMount& existing) { return existing.hostFolder == folder; });
      if (mount == plan.mounts.end()) {
        if (const std::optional<char> drive = nextDrive()) {
          plan.mounts.push_back({*drive, folder});
          mount = plan.mounts.end() - 1;
        }
      }
      if (mount != plan.mounts.end()) {
        dosPath = std::string(1, mount->drive) + ":\\" + name;
      }
    } else {
      dosPath = staged(*hostPath, kStagedMediumStem);
    }
    if (!dosPath) {
      refuse(argument);
    }
    plan.run.arguments.push_back(dosPath.value_or(argument));
  }
  return plan;
}

bool isDosBoxConfigurationName(std::string_view fileName) {
  return asciiLower(fileName) == kDosBoxConfigurationName;
}

std::vector<std::string> dosBoxConfigurationArguments(std::string_view dosBoxPath,
                                                      std::string_view configuration) {
  const std::string name =
      asciiLower(fileNamePart(fileNamePart(dosBoxPath, PathStyle::Posix), PathStyle::Windows));
  if (name == "dosbox-staging" || name == "dosbox-staging.exe") {
    return {"-conf", std::string(configuration)};
  }
  return {"-userconf", "-conf", std::string(configuration)};
}

std::vector<std::string> dosBoxStartCommands(const std::vector<DosMount>& mounts,
                                             std::string_view shellLine) {
  std::vector<std::string> commands;
  for (const DosMount& mount : mounts) {
    commands.push_back(unheard("mount -u " + std::string(1, asciiLower(mount.drive))));
    commands.push_back(unheard(mountCommand(mount)));
  }
  commands.insert(commands.end(), {unseen("c:"), unseen(shellLine), unseen("if errorlevel 1 pause"),
                                   unseen("exit")});
  return commands;
}

std::vector<std::string> dosBoxArguments(std::string_view dosBoxPath,
                                         const std::vector<DosMount>& mounts,
                                         std::string_view shellLine,
                                         const std::optional<std::string>& configuration) {
  std::vector<std::string> arguments;
  if (configuration) {
    arguments = dosBoxConfigurationArguments(dosBoxPath, *configuration);
  }
  for (const std::string& command : dosBoxStartCommands(mounts, shellLine)) {
    arguments.insert(arguments.end(), {"-c", command});
  }
  return arguments;
}

std::string quotedWindowsArgument(std::string_view bytes) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : bytes) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count double only before a quote.
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, '\\');
  quoted += '"';
  return quoted;
}

std::optional<std::string> dosBoxCommandLine(std::string_view dosBoxPath, const DosMountPlan& plan,
                                             const CommandLineBytes& toBytes) {
  if (plan.run.refusedWord || toBytes(plan.run.commandTail()).size() > kDosCommandTailLimit) {
    return std::nullopt;
  }
  std::string commandLine = quotedWindowsArgument(toBytes(dosBoxPath));
  for (const std::string& argument :
       dosBoxArguments(dosBoxPath, plan.mounts, plan.run.shellLine(), plan.configuration)) {
    // The options are left bare, as DOSBox's own documentation writes them.
    commandLine +=
        " " + (argument.starts_with('-') ? argument : quotedWindowsArgument(toBytes(argument)));
  }
  return commandLine;
}

}  // namespace vorlent
