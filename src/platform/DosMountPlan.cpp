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

}  // namespace

DosMountPlan planDosMounts(std::string_view programHostPath,
                           const std::vector<std::string>& arguments,
                           const HostFileOf& hostFileOf) {
  DosMountPlan plan;
  const auto refuse = [&plan](std::string_view word) {
    if (!plan.run.refusedWord) {
      plan.run.refusedWord = std::string(word);
    }
  };
  plan.mounts.push_back({'C', folderPart(programHostPath, PathStyle::Windows)});
  plan.run.program = fileNamePart(programHostPath, PathStyle::Windows);
  if (dosShellReadsProgramName(plan.run.program)) {
    refuse(plan.run.program);
  }
  if (dosShellReadsAnyOf(plan.mounts.front().hostFolder)) {
    refuse(plan.mounts.front().hostFolder);
  }
  for (const std::string& argument : arguments) {
    const std::optional<std::string> hostPath = hostFileOf(argument);
    const std::string folder = hostPath ? folderPart(*hostPath, PathStyle::Windows) : "";
    const std::string name = hostPath ? fileNamePart(*hostPath, PathStyle::Windows) : "";
    if (!hostPath || dosShellReadsAnyOf(folder) || dosShellReadsAnyOf(name)) {
      if (!passesAsItStands(argument)) {
        refuse(argument);
      }
      plan.run.arguments.push_back(argument);
      continue;
    }
    auto mount =
        std::find_if(plan.mounts.begin() + 1, plan.mounts.end(),
                     [&](const DosMount& existing) { return existing.hostFolder == folder; });
    if (mount == plan.mounts.end()) {
      const char drive = static_cast<char>(kFirstArgumentDrive + plan.mounts.size() - 1);
      if (drive > kLastDrive) {
        refuse(argument);
        plan.run.arguments.push_back(argument);
        continue;
      }
      plan.mounts.push_back({drive, folder});
      mount = plan.mounts.end() - 1;
    }
    plan.run.arguments.push_back(std::string(1, mount->drive) + ":\\" + name);
  }
  return plan;
}

std::string quotedWindowsArgument(std::string_view text) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : text) {
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

std::optional<std::string> dosBoxCommandLine(std::string_view dosBoxPath,
                                             const DosMountPlan& plan) {
  if (plan.run.refusedWord || plan.run.commandTail().size() > kDosCommandTailLimit) {
    return std::nullopt;
  }
  std::string commandLine = quotedWindowsArgument(dosBoxPath);
  const auto add = [&](std::string_view command) {
    commandLine += " -c " + quotedWindowsArgument(command);
  };
  // A drive the user's own configuration mounted is unmounted first, else the mount fails.
  for (const DosMount& mount : plan.mounts) {
    add("mount -u " + std::string(1, asciiLower(mount.drive)));
    add(mountCommand(mount));
  }
  add("c:");
  add(plan.run.shellLine());
  add("exit");
  return commandLine;
}

}  // namespace vorlent
