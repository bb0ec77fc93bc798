// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/Navigator.h"

#include "browser/ListFolder.h"
#include "browser/NavigationTexts.h"
#include "platform/PathParts.h"

namespace vorlent {

Navigator::Navigator(FileList& list, NavigatorServices services)
    : list_(list), services_(services) {}

const DriveButton* Navigator::buttonOf(char letter) const {
  letter = asciiLower(letter);
  if (letter < 'a' || letter > 'z') {
    return nullptr;
  }
  const DriveButton& button = driveButtons_[static_cast<std::size_t>(letter - 'a')];
  return button.visible ? &button : nullptr;
}

void Navigator::warnNotAccessible(std::string_view folder) {
  services_.feedback.playSoundCue(SoundCue::Error);
  services_.feedback.showMessageBox(MessageKind::Warning, folderNotAccessibleText(folder));
}

// Lists the current folder. When that fails, the folder listed before is made current again,
// so that the current folder and the listed folder stay equal.
bool Navigator::listCurrentFolder() {
  const std::string current = services_.currentFolder.get();
  std::optional<std::string> listed;
  if (!current.empty()) {
    listed = ListFolder(list_, current, services_.folders, services_.busy);
  }
  if (!listed) {
    if (!listedFolder_.empty() && current != listedFolder_) {
      services_.currentFolder.set(listedFolder_);
    }
    return false;
  }
  listedFolder_ = std::move(*listed);
  if (listedFolderHook_) {
    listedFolderHook_(listedFolder_);
  }
  return true;
}

bool Navigator::showCurrentFolder() {
  const std::string attempted = services_.currentFolder.get();
  if (listCurrentFolder()) {
    return true;
  }
  warnNotAccessible(attempted.empty() ? listedFolder_ : attempted);
  return false;
}

void Navigator::refresh() {
  {
    const BusyScope hourglass(services_.busy);
    showCurrentFolder();
    readDrives();
  }
  showObjectCount();
  showDriveSize();
}

void Navigator::readDrives() {
  const BusyScope hourglass(services_.busy);
  driveButtons_ = driveButtonsFor(services_.drives.list());
}

bool Navigator::driveIsReady(char letter) {
  const DriveButton* button = buttonOf(letter);
  return button && services_.drives.space(button->root).totalBytes != -1;
}

void Navigator::openDrive(char letter) {
  bool ready = false;
  std::string root;
  {
    const BusyScope hourglass(services_.busy);
    ready = driveIsReady(letter);
    if (ready) {
      root = buttonOf(letter)->root;
      ready = services_.currentFolder.set(root);
    }
    if (ready && !listCurrentFolder()) {
      services_.currentFolder.set(listedFolder_);
      warnNotAccessible(root);
      root.clear();
    }
  }
  if (!ready) {
    services_.feedback.playSoundCue(SoundCue::Error);
    services_.feedback.showMessageBox(MessageKind::Error, driveNotAccessibleText(letter));
  }
  showObjectCount();
  showDriveSize();
}

void Navigator::showObjectCount() {
  std::size_t count = list_.count();
  if (list_.parentEntry() != nullptr) {
    --count;
  }
  services_.feedback.setStatusPanel(StatusPanel::ObjectCount, objectCountText(count));
}

void Navigator::showDriveSize() {
  std::string current = services_.currentFolder.get();
  if (current.empty()) {
    current = listedFolder_;
  }
  const DriveSpace space = services_.drives.space(current);
  services_.feedback.setStatusPanel(StatusPanel::DriveSize,
                                    driveSizeText(space.totalBytes, space.freeBytes));
}

void Navigator::chooseFolder() {
  std::string start = services_.currentFolder.get();
  if (start.empty()) {
    start = listedFolder_;
  }
  const std::optional<std::string> chosen =
      services_.prompts.chooseFolder(kChooseFolderPrompt, start);
  if (!chosen) {
    return;
  }
  if (!services_.currentFolder.set(*chosen)) {
    warnNotAccessible(*chosen);
    return;
  }
  refresh();
}

void Navigator::enterFolder(std::string_view fullPath) {
  bool entered = false;
  {
    const BusyScope hourglass(services_.busy);
    entered = services_.currentFolder.set(fullPath) && listCurrentFolder();
    if (!entered && !listedFolder_.empty()) {
      services_.currentFolder.set(listedFolder_);
    }
  }
  if (!entered) {
    warnNotAccessible(fullPath);
  }
  showObjectCount();
  showDriveSize();
}

void Navigator::openInFileManager() {
  const FileListEntry* first = list_.firstSelected();
  if (first == nullptr || !services_.files.folderExists(first->fullPath)) {
    return;
  }
  const BusyScope hourglass(services_.busy);
  services_.opener.open(first->fullPath, services_.currentFolder.get());
}

}  // namespace vorlent
