// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileops/FileOperations.h"

#include <optional>

#include "browser/EntryIcon.h"
#include "fileops/EditedName.h"
#include "fileops/FileOperationTexts.h"
#include "fileops/PathList.h"
#include "platform/ControlCharacters.h"
#include "platform/PathParts.h"

namespace vorlent {

std::string FileOperations::pathInCurrentFolder(std::string_view name) const {
  std::string path = currentFolderOrFailure(s_.currentFolder);
  if (path.empty() || !isPathDelimiter(path.back(), s_.style)) {
    path += s_.style == PathStyle::Windows ? '\\' : '/';
  }
  path += name;
  return path;
}

void FileOperations::warn(std::string_view text) {
  s_.feedback.playSoundCue(SoundCue::Error);
  s_.feedback.showMessageBox(MessageKind::Warning, text);
}

void FileOperations::newFile() {
  currentFolderOrFailure(s_.currentFolder);
  const std::optional<std::string> name = s_.prompts.askText(kNewFileCaption, kNamePrompt, "");
  if (!name || name->empty()) {
    return;
  }
  const std::string path = pathInCurrentFolder(*name);
  // Made exclusively: whatever has the name, a link that leads nowhere too, is a clash.
  if (!s_.files.createNewFile(path)) {
    warn(withControlsMarked(path) + std::string(kCannotCreate) + "\r\n" + std::string(kFileClash));
    return;
  }
  s_.navigator.refresh();
}

void FileOperations::newFolder() {
  currentFolderOrFailure(s_.currentFolder);
  const std::optional<std::string> name = s_.prompts.askText(kNewFolderCaption, kNamePrompt, "");
  if (!name || name->empty()) {
    return;
  }
  // A delimiter at the end names the same folder.
  std::string path = pathInCurrentFolder(*name);
  while (path.size() > 1 && isPathDelimiter(path.back(), s_.style)) {
    path.pop_back();
  }
  if (s_.files.folderExists(path)) {
    warn(withControlsMarked(path) + std::string(kCannotCreate) + "\r\n" +
         std::string(kFolderClash));
    return;
  }
  if (!s_.changes.createFolders(path)) {
    warn(withControlsMarked(path) + std::string(kCannotCreate) + "\r\n" +
         std::string(kFolderInvalid));
    return;
  }
  s_.navigator.refresh();
}

void FileOperations::rename() {
  if (s_.list.selectedCount() != 1) {
    return;
  }
  currentFolderOrFailure(s_.currentFolder);
  const FileListEntry* entry = s_.list.focused();
  if (entry == nullptr) {
    return;
  }
  if (entry->caption == "..") {
    warn("\"..\"" + std::string(kCannotRenameParent));
    return;
  }
  const std::size_t index = *s_.list.focusedIndex();
  const std::string oldPath = entry->fullPath;
  const std::string folder = folderPartWithDelimiter(oldPath, s_.style);
  if (!s_.files.fileExists(oldPath) && !s_.files.folderExists(oldPath)) {
    return;
  }
  const std::string currentName = fileNamePart(oldPath, s_.style);
  const std::string shownName = withControlsMarked(currentName);
  const std::optional<std::string> answer =
      s_.prompts.askText(kRenameCaption, kRenamePrompt, shownName);
  if (!answer || answer->empty() || *answer == shownName) {
    return;
  }
  // The name is edited as shown; what the user did not touch keeps its bytes, and a name that
  // cannot be told from its shown form is refused rather than renamed to something else.
  const std::optional<std::string> newName = editedNameBytes(currentName, *answer);
  if (!newName) {
    warn(std::string(kRenameUnmappableFirstLine) + "\r\n" +
         std::string(kRenameUnmappableSecondLine));
    return;
  }
  if (!s_.changes.rename(oldPath, *newName)) {
    warn(std::string(kRenameFailedFirstLine) + "\r\n" + std::string(kRenameFailedSecondLine));
    return;
  }
  const std::string newPath = folder + *newName;
  int icon = entry->iconIndex;
  if (!s_.files.folderExists(newPath)) {
    icon = kPlainFileIcon;
    if (const auto size = s_.changes.fileSize(newPath)) {
      icon = ClassifyEntryIcon(asciiLower(extensionOf(newPath, s_.style)), *size);
    }
  }
  s_.list.update(index, *newName, newPath, icon);
}

void FileOperations::transfer(TransferKind kind) {
  if (s_.list.selectedCount() == 0) {
    return;
  }
  const std::string listed = currentFolderOrFailure(s_.currentFolder);
  const std::string_view prefix = kind == TransferKind::Move ? kMoveTitlePrefix : kCopyTitlePrefix;
  const std::optional<std::string> folder =
      s_.prompts.chooseFolder(std::string(prefix) + std::string(kChooseFolderSuffix), listed);
  if (!folder) {
    return;
  }
  runShellOperation(
      buildPathList(s_.list, s_.files), *folder,
      kind == TransferKind::Move ? ShellOperationKind::Move : ShellOperationKind::Copy);
  s_.navigator.showDriveSize();
  if (kind == TransferKind::Move) {
    s_.navigator.refresh();
  }
}

void FileOperations::trash() {
  if (s_.list.selectedCount() == 0) {
    return;
  }
  currentFolderOrFailure(s_.currentFolder);
  runShellOperation(buildPathList(s_.list, s_.files), "", ShellOperationKind::Delete);
  s_.navigator.showDriveSize();
  s_.navigator.refresh();
}

void FileOperations::runShellOperation(const std::vector<std::string>& paths,
                                       std::string_view destination, ShellOperationKind kind) {
  if (paths.empty()) {
    return;
  }
  ShellFileRequest request;
  request.kind = kind;
  request.sources = paths;
  if (kind != ShellOperationKind::Delete) {
    request.destination = destination;
  }
  s_.shell.run(request, s_.shellProgress);
}

void FileOperations::copyDropped(const std::vector<std::string>& dropped,
                                 std::string_view destination) {
  currentFolderOrFailure(s_.currentFolder);
  for (const std::string& path : dropped) {
    std::vector<std::string> paths;
    if (s_.files.fileExists(path) || s_.files.folderExists(path)) {
      paths.push_back(path);
    }
    runShellOperation(paths, destination, ShellOperationKind::Copy);
  }
  s_.navigator.refresh();
}

}  // namespace vorlent
