// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DosStartPlan.h"

#include <algorithm>

#include "platform/PathParts.h"

namespace vorlent {

namespace {

bool isDosNameCharacter(char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
    return true;
  }
  return std::string_view("!#$&'()-@^_{}~").find(c) != std::string_view::npos;
}

bool isDosNamePart(std::string_view part, std::size_t longest) {
  return !part.empty() && part.size() <= longest &&
         std::all_of(part.begin(), part.end(), isDosNameCharacter);
}

std::string asciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return upper;
}

std::string stagingPath(std::string_view dosName) {
  return std::string(1, kStagingDrive) + ":\\" + std::string(dosName);
}

}  // namespace

bool dosShellReadsAnyOf(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F ||
        std::string_view("<>|\"%'").find(c) != std::string_view::npos) {
      return true;
    }
  }
  return false;
}

bool passesAsItStands(std::string_view argument) {
  return !dosShellReadsAnyOf(argument) && argument.find_first_of("/\\") == std::string_view::npos;
}

bool dosShellReadsProgramName(std::string_view name) {
  // The shell drops a leading "@" of a line.
  return dosShellReadsAnyOf(name) || (!name.empty() && name.front() == '@');
}

bool isPlainDosProgramName(std::string_view name) {
  return isDosShortName(name) && !dosShellReadsProgramName(name);
}

std::string DosStartPlan::commandTail() const {
  std::string tail;
  for (const std::string& argument : arguments) {
    tail += ' ';
    tail += argument;
  }
  return tail;
}

bool isDosShortName(std::string_view name) {
  const auto dot = name.find('.');
  if (dot == std::string_view::npos) {
    return isDosNamePart(name, 8);
  }
  return isDosNamePart(name.substr(0, dot), 8) && isDosNamePart(name.substr(dot + 1), 3);
}

std::string stagedDosName(std::string_view stem, std::size_t number, std::string_view hostName) {
  std::string name = asciiUpper(stem) + std::to_string(number);
  const std::string extension = extensionOf(hostName, PathStyle::Posix);
  if (extension.size() > 1 && isDosNamePart(std::string_view(extension).substr(1), 3)) {
    name += asciiUpper(extension);
  }
  return name;
}

DosStartPlan planDosStart(std::string_view programHostPath,
                          const std::vector<std::string>& arguments, const HostFileOf& hostFileOf) {
  DosStartPlan plan;
  const std::string programName = fileNamePart(programHostPath, PathStyle::Posix);
  if (isPlainDosProgramName(programName)) {
    plan.program = programName;
  } else {
    const std::string dosName = stagedDosName(kStagedProgramStem, 0, programName);
    plan.stagedFiles.push_back({dosName, std::string(programHostPath)});
    plan.program = stagingPath(dosName);
  }
  std::size_t mediaCount = 0;
  for (const std::string& argument : arguments) {
    const std::optional<std::string> hostPath = hostFileOf(argument);
    if (!hostPath) {
      if (!passesAsItStands(argument) && !plan.refusedWord) {
        plan.refusedWord = argument;
      }
      plan.arguments.push_back(argument);
      continue;
    }
    const auto staged =
        std::find_if(plan.stagedFiles.begin(), plan.stagedFiles.end(),
                     [&](const StagedFile& file) { return file.hostPath == *hostPath; });
    if (staged != plan.stagedFiles.end()) {
      plan.arguments.push_back(stagingPath(staged->dosName));
      continue;
    }
    const std::string dosName = stagedDosName(kStagedMediumStem, ++mediaCount, *hostPath);
    plan.stagedFiles.push_back({dosName, *hostPath});
    plan.arguments.push_back(stagingPath(dosName));
  }
  return plan;
}

}  // namespace vorlent
