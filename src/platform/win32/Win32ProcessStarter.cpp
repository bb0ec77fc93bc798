// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/Win32ProcessStarter.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/CommandLineWords.h"
#include "platform/DosStartPlan.h"
#include "platform/PathParts.h"
#include "platform/ProgramKind.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32DosBox.h"
#include "platform/win32/Win32DosBoxStaging.h"

namespace vorlent {

namespace win32 {

namespace {

STARTUPINFOA startupInformation() {
  STARTUPINFOA info{};
  info.cb = sizeof(STARTUPINFOA);
  info.dwX = 0;
  info.dwY = 0;
  info.dwXSize = 640;
  info.dwYSize = 480;
  info.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESIZE | STARTF_USEPOSITION;
  info.wShowWindow = SW_SHOWNORMAL;
  return info;
}

std::string readBytes(const std::string& path, std::size_t offset, std::size_t length) {
  const Handle file(::CreateFileA(ansi(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    return {};
  }
  LARGE_INTEGER position{};
  position.QuadPart = static_cast<LONGLONG>(offset);
  if (::SetFilePointerEx(file.get(), position, nullptr, FILE_BEGIN) == 0) {
    return {};
  }
  std::string bytes(length, '\0');
  DWORD got = 0;
  if (::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(length), &got, nullptr) == 0) {
    got = 0;
  }
  bytes.resize(got);
  return bytes;
}

bool isMsDosProgram(const std::string& path) {
  return programKindOf(fileNamePart(path, PathStyle::Windows),
                       [&](std::size_t offset, std::size_t length) {
                         return readBytes(path, offset, length);
                       }) == ProgramKind::MsDos;
}

// The program that a command line's first word names, found in about the order CreateProcessA
// looks: the launcher's folder, the current folder, the system folders, PATH.
std::optional<std::string> programNamedBy(const std::string& word) {
  char found[MAX_PATH] = {};
  const DWORD length = ::SearchPathA(nullptr, ansi(word).c_str(), ".exe", MAX_PATH, found, nullptr);
  if (length == 0 || length >= MAX_PATH) {
    return std::nullopt;
  }
  return fromAnsi(found);
}

class Win32ProcessStarter final : public ProcessStarter {
 public:
  Win32ProcessStarter(CreateProcessCall create, DosBoxLocator locateDosBox,
                      bool startsMsDosPrograms)
      : create_(std::move(create)),
        locateDosBox_(std::move(locateDosBox)),
        startsMsDosPrograms_(startsMsDosPrograms) {}

  // The program is found from the first word of the command line. Whether it is an MS-DOS
  // program is read from its header, not from the system's answer, which differs between
  // Windows versions and Wine.
  StartResult startCommandLine(std::string_view commandLine) override {
    const std::vector<std::string> words = splitAtBlanks(commandLine);
    const std::optional<std::string> program =
        words.empty() ? std::nullopt : programNamedBy(words.front());
    if (!program || !isMsDosProgram(*program)) {
      return create_(nullptr, ansi(commandLine), nullptr);
    }
    if (startsMsDosPrograms_) {
      const std::size_t tailLength = ansi(commandTailOf(commandLine)).size();
      if (tailLength > kDosCommandTailLimit) {
        return StartResult::commandTailTooLong(ERROR_FILENAME_EXCED_RANGE, tailLength);
      }
      return create_(nullptr, ansi(commandLine), nullptr);
    }
    return startInDosBox(*program, std::vector<std::string>(words.begin() + 1, words.end()));
  }

  // The path names the program itself and, quoted, stands as the whole command line, so a path
  // with blanks is neither split nor taken for another program whose name is its first part.
  StartResult startProgram(std::string_view programPath) override {
    const std::string path(programPath);
    if (!startsMsDosPrograms_ && isMsDosProgram(path)) {
      return startInDosBox(path, {});
    }
    const std::string systemPath = ansi(programPath);
    return create_(systemPath.c_str(), "\"" + systemPath + "\"", nullptr);
  }

 private:
  // The text after the program's name, which MS-DOS hands the program as it is.
  static std::string_view commandTailOf(std::string_view commandLine) {
    const std::size_t start = commandLine.find_first_not_of(' ');
    if (start == std::string_view::npos) {
      return {};
    }
    return commandLine.substr(std::min(commandLine.find(' ', start), commandLine.size()));
  }

  // The same checks, in the same order, as the start in DOSBox on Linux.
  StartResult startInDosBox(const std::string& program, const std::vector<std::string>& arguments) {
    const DosMountPlan plan = dosMountPlanFor(program, arguments);
    if (plan.run.refusedWord) {
      return StartResult::refusedDosWord(ERROR_INVALID_NAME, *plan.run.refusedWord);
    }
    const std::size_t tailLength = ansi(plan.run.commandTail()).size();
    if (tailLength > kDosCommandTailLimit) {
      return StartResult::commandTailTooLong(ERROR_FILENAME_EXCED_RANGE, tailLength);
    }
    const std::optional<std::string> dosBox = locateDosBox_();
    if (!dosBox) {
      return StartResult::noDosBox(ERROR_FILE_NOT_FOUND, dosBoxNames(),
                                   {DosBoxPlace::PathFolders, DosBoxPlace::InstallRecords,
                                    DosBoxPlace::ProgramFilesFolders});
    }
    if (plan.run.stagedFiles.empty()) {
      return startDosBox(*dosBox, plan, tailLength, nullptr);
    }
    const std::optional<std::string> root = dosBoxStagingRoot();
    if (!root) {
      return StartResult::failure(ERROR_PATH_NOT_FOUND);
    }
    DosBoxStaging staging(*root);
    if (staging.errorCode() != 0) {
      return StartResult::failure(staging.errorCode());
    }
    for (const StagedFile& file : plan.run.stagedFiles) {
      if (!staging.place(file.dosName, file.hostPath)) {
        return StartResult::failure(staging.errorCode());
      }
    }
    const std::optional<std::string> stagingFolder = mountableFolder(staging.folder());
    if (!stagingFolder) {
      return StartResult::refusedDosWord(ERROR_INVALID_NAME, staging.folder());
    }
    DosMountPlan staged = plan;
    staged.mounts.push_back({*plan.stagingDrive, *stagingFolder});
    return startDosBox(*dosBox, staged, tailLength, staging.lock());
  }

  StartResult startDosBox(const std::string& dosBox, const DosMountPlan& plan,
                          std::size_t tailLength, HANDLE inherited) {
    const std::optional<std::string> commandLine = dosBoxCommandLine(dosBox, plan, ansi);
    if (!commandLine) {
      return StartResult::commandTailTooLong(ERROR_FILENAME_EXCED_RANGE, tailLength);
    }
    const std::string application = ansi(dosBox);
    return create_(application.c_str(), *commandLine, inherited);
  }

  CreateProcessCall create_;
  DosBoxLocator locateDosBox_;
  bool startsMsDosPrograms_;
};

}  // namespace

// An independent process: its handles are closed at once and nobody waits for it. It inherits
// the one handle given, and no other.
StartResult createProcess(const char* applicationName, std::string commandLine, HANDLE inherited) {
  STARTUPINFOEXA startup{};
  startup.StartupInfo = startupInformation();
  DWORD flags = CREATE_DEFAULT_ERROR_MODE;
  std::vector<char> attributeList;
  if (inherited != nullptr) {
    SIZE_T size = 0;
    ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    attributeList.resize(size);
    startup.lpAttributeList = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributeList.data());
    if (::InitializeProcThreadAttributeList(startup.lpAttributeList, 1, 0, &size) == 0 ||
        ::UpdateProcThreadAttribute(startup.lpAttributeList, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST,
                                    &inherited, sizeof(HANDLE), nullptr, nullptr) == 0) {
      return StartResult::failure(static_cast<int>(::GetLastError()));
    }
    startup.StartupInfo.cb = sizeof(STARTUPINFOEXA);
    flags |= EXTENDED_STARTUPINFO_PRESENT;
  }
  PROCESS_INFORMATION process{};
  // CreateProcessA may write into the command line, so it gets a buffer of its own.
  const BOOL created = ::CreateProcessA(applicationName, commandLine.data(), nullptr, nullptr,
                                        inherited != nullptr ? TRUE : FALSE, flags, nullptr,
                                        nullptr, &startup.StartupInfo, &process);
  const DWORD error = ::GetLastError();
  if (startup.lpAttributeList != nullptr) {
    ::DeleteProcThreadAttributeList(startup.lpAttributeList);
  }
  if (created == 0) {
    return StartResult::failure(static_cast<int>(error));
  }
  const Handle processHandle(process.hProcess);
  const Handle threadHandle(process.hThread);
  return StartResult::success();
}

bool systemStartsMsDosPrograms() {
  if constexpr (sizeof(void*) > 4) {
    return false;
  }
  BOOL wow64 = FALSE;
  return ::IsWow64Process(::GetCurrentProcess(), &wow64) != 0 && wow64 == FALSE;
}

std::unique_ptr<ProcessStarter> makeWin32ProcessStarter(CreateProcessCall create,
                                                        DosBoxLocator locateDosBox,
                                                        bool startsMsDosPrograms) {
  return std::make_unique<Win32ProcessStarter>(std::move(create), std::move(locateDosBox),
                                               startsMsDosPrograms);
}

}  // namespace win32

std::unique_ptr<ProcessStarter> makeProcessStarter() {
  return win32::makeWin32ProcessStarter(&win32::createProcess, &win32::findDosBox);
}

}  // namespace vorlent
