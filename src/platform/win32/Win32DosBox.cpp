#include "platform/win32/Win32DosBox.h"

#include <windows.h>

#include <algorithm>

#include "platform/DosMountPlan.h"
#include "platform/PathParts.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Handle.h"

namespace vorlent::win32 {

namespace {

constexpr const char* kDosBoxNames[] = {"dosbox.exe", "dosbox-x.exe"};

bool isFile(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(ansi(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> dosBoxInFolder(std::string_view folder) {
  if (folder.empty()) {
    return std::nullopt;
  }
  for (const char* name : kDosBoxNames) {
    const std::string path = joinPath(folder, name, PathStyle::Windows);
    if (isFile(path)) {
      return path;
    }
  }
  return std::nullopt;
}

std::vector<std::string> dosBoxFolders(const std::string& root) {
  std::vector<std::string> folders;
  WIN32_FIND_DATAA found{};
  const FindHandle search(
      ::FindFirstFileA(ansi(joinPath(root, "DOSBox*", PathStyle::Windows)).c_str(), &found));
  if (!search.valid()) {
    return folders;
  }
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      folders.push_back(joinPath(root, fromAnsi(found.cFileName), PathStyle::Windows));
    }
  } while (::FindNextFileA(search.get(), &found) != 0);
  std::sort(folders.rbegin(), folders.rend());
  return folders;
}

std::string environmentVariable(const char* name) {
  const DWORD needed = ::GetEnvironmentVariableA(name, nullptr, 0);
  if (needed == 0) {
    return {};
  }
  std::string value(needed, '\0');
  value.resize(::GetEnvironmentVariableA(name, value.data(), needed));
  return fromAnsi(value);
}

// An argument names a host file when it is a full path with a drive to an existing file.
std::optional<std::string> hostFileOf(std::string_view argument) {
  const bool hasDrive = argument.size() > 3 && argument[1] == ':' && argument[2] == '\\';
  if (!hasDrive || !isFile(std::string(argument))) {
    return std::nullopt;
  }
  return std::string(argument);
}

}  // namespace

std::optional<std::string> findDosBoxIn(std::string_view searchPath,
                                        const std::vector<std::string>& installRoots) {
  for (std::size_t start = 0; start <= searchPath.size();) {
    const std::size_t end = std::min(searchPath.find(';', start), searchPath.size());
    if (auto found = dosBoxInFolder(searchPath.substr(start, end - start))) {
      return found;
    }
    start = end + 1;
  }
  for (const std::string& root : installRoots) {
    for (const std::string& folder : dosBoxFolders(root)) {
      if (auto found = dosBoxInFolder(folder)) {
        return found;
      }
    }
  }
  return std::nullopt;
}

std::optional<std::string> findDosBox() {
  std::vector<std::string> roots;
  for (const char* variable : {"ProgramFiles", "ProgramFiles(x86)"}) {
    const std::string root = environmentVariable(variable);
    if (!root.empty() && std::find(roots.begin(), roots.end(), root) == roots.end()) {
      roots.push_back(root);
    }
  }
  return findDosBoxIn(environmentVariable("PATH"), roots);
}

DosMountPlan dosMountPlanFor(std::string_view programPath,
                             const std::vector<std::string>& arguments) {
  DosMountPlan plan = planDosMounts(programPath, arguments, hostFileOf);
  if (plan.run.refusedWord) {
    return plan;
  }
  std::vector<std::string> words = {plan.run.program};
  words.insert(words.end(), plan.run.arguments.begin(), plan.run.arguments.end());
  for (const DosMount& mount : plan.mounts) {
    words.push_back(mount.hostFolder);
  }
  for (const std::string& word : words) {
    if (dosShellReadsAnyOf(ansi(word))) {
      plan.run.refusedWord = word;
      break;
    }
  }
  return plan;
}

}  // namespace vorlent::win32
