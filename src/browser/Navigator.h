// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "browser/DriveButtons.h"
#include "browser/FileList.h"
#include "feedback/BusyIndicator.h"
#include "feedback/Feedback.h"
#include "feedback/Prompts.h"
#include "platform/CurrentFolder.h"
#include "platform/DesktopOpener.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/FolderEnumerator.h"

namespace vorlent {

// What navigation reaches outside the list; everything must outlive the navigator.
struct NavigatorServices {
  CurrentFolder& currentFolder;
  FolderEnumerator& folders;
  Drives& drives;
  FileSystem& files;
  DesktopOpener& opener;
  Feedback& feedback;
  Prompts& prompts;
  BusyIndicator& busy;
};

// Decides which folder the file list shows and keeps the facts around it current: the drive
// buttons, the object count and the drive size. The listed folder is the process's current
// folder after every command here, also after one that fails: a folder that cannot be entered or
// read leaves the current folder, the listed folder and the list as they were, and the user is
// told.
class Navigator {
 public:
  Navigator(FileList& list, NavigatorServices services);

  // The folder the list shows, as a full path; the main window's caption. Empty before the
  // first listing.
  const std::string& listedFolder() const { return listedFolder_; }

  // Called with the listed folder after every listing, to set the window caption.
  void setListedFolderHook(std::function<void(std::string_view)> hook) {
    listedFolderHook_ = std::move(hook);
  }

  const DriveButtons& driveButtons() const { return driveButtons_; }

  // Lists the current folder; false when it cannot be read (the user has been told).
  bool showCurrentFolder();
  // The refresh: listing, drive buttons, object count, drive size.
  void refresh();
  void readDrives();
  // A drive button: lists the root of the button's drive, or says that it is not accessible.
  void openDrive(char letter);
  bool driveIsReady(char letter);
  void showObjectCount();
  void showDriveSize();
  // The "Dir" button: the folder chooser, then the refresh.
  void chooseFolder();
  // Opens a folder entry of the list by its full path ("/x/.." goes up).
  void enterFolder(std::string_view fullPath);
  // Shows the first selected entry, if it is a folder, in the desktop's file manager.
  void openInFileManager();

 private:
  const DriveButton* buttonOf(char letter) const;
  bool listCurrentFolder();
  void warnNotAccessible(std::string_view folder);

  FileList& list_;
  NavigatorServices services_;
  std::string listedFolder_;
  std::function<void(std::string_view)> listedFolderHook_;
  DriveButtons driveButtons_ = hiddenDriveButtons();
};

}  // namespace vorlent
