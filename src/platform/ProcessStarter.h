// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FolderTrust.h"

namespace vorlent {

// Where DOSBox is looked for: the search path on every system; on Windows also the folders
// named "DOSBox..." in the program folders and the places its installers record.
enum class DosBoxPlace { PathFolders, ProgramFilesFolders, InstallRecords };

// What stood in the way of a start where the code alone does not say it.
enum class StartProblem {
  None,
  // No DOSBox to run an MS-DOS program in; `dosBoxNames` were looked for in `dosBoxPlaces`.
  NoDosBox,
  // The command tail, as MS-DOS would hand it over, is `commandTailLength` characters long.
  CommandTailTooLong,
  // `refusedWord` cannot reach DOSBox's shell as it stands.
  RefusedDosWord,
  // The folder the start needs for its own files, `folder`, cannot be trusted (`distrust`).
  UntrustedFolder,
  // The saved alias `refusedWord` lies in the alias folder `folder`, which cannot be trusted
  // (`distrust`) now.
  UntrustedAlias,
};

// How a start ended: started, or not with the system's error code of the failure (errno on
// POSIX, GetLastError on Windows) and, where the code alone does not say it, the problem.
struct StartResult {
  bool started = false;
  int errorCode = 0;
  StartProblem problem = StartProblem::None;
  std::vector<std::string> dosBoxNames;
  std::vector<DosBoxPlace> dosBoxPlaces;
  std::size_t commandTailLength = 0;
  std::string refusedWord;
  std::string folder;
  FolderDistrust distrust = FolderDistrust::None;

  static StartResult success() {
    StartResult result;
    result.started = true;
    return result;
  }
  static StartResult failure(int code) {
    StartResult result;
    result.errorCode = code;
    return result;
  }
  static StartResult noDosBox(int code, std::vector<std::string> names,
                              std::vector<DosBoxPlace> places = {DosBoxPlace::PathFolders}) {
    StartResult result = failure(code);
    result.problem = StartProblem::NoDosBox;
    result.dosBoxNames = std::move(names);
    result.dosBoxPlaces = std::move(places);
    return result;
  }
  static StartResult commandTailTooLong(int code, std::size_t length) {
    StartResult result = failure(code);
    result.problem = StartProblem::CommandTailTooLong;
    result.commandTailLength = length;
    return result;
  }
  static StartResult refusedDosWord(int code, std::string word) {
    StartResult result = failure(code);
    result.problem = StartProblem::RefusedDosWord;
    result.refusedWord = std::move(word);
    return result;
  }
  static StartResult untrustedFolder(int code, std::string folder, FolderDistrust distrust) {
    StartResult result = failure(code);
    result.problem = StartProblem::UntrustedFolder;
    result.folder = std::move(folder);
    result.distrust = distrust;
    return result;
  }
  static StartResult untrustedAlias(int code, std::string alias, std::string folder,
                                    FolderDistrust distrust) {
    StartResult result = untrustedFolder(code, std::move(folder), distrust);
    result.problem = StartProblem::UntrustedAlias;
    result.refusedWord = std::move(alias);
    return result;
  }
};

// Starts programs as independent processes that nobody waits for. The launcher's environment
// and current folder are inherited.
class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;

  // The first word of the command line names the program, found as Windows finds a program
  // named on a command line (the current folder first, then the search path); the other words
  // are its arguments.
  virtual StartResult startCommandLine(std::string_view commandLine) = 0;

  // Starts exactly the program at the path, without arguments; the path is never split.
  virtual StartResult startProgram(std::string_view programPath) = 0;
};

std::unique_ptr<ProcessStarter> makeProcessStarter();

}  // namespace vorlent
