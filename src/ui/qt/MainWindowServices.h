// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "feedback/Prompts.h"
#include "platform/AtomicFile.h"
#include "platform/CurrentFolder.h"
#include "platform/DesktopOpener.h"
#include "platform/Drives.h"
#include "platform/FileChanges.h"
#include "platform/FileNameMatcher.h"
#include "platform/FileSystem.h"
#include "platform/FolderEnumerator.h"
#include "platform/HelpViewer.h"
#include "platform/ProcessStarter.h"
#include "platform/ReadStreams.h"
#include "platform/Sha1Digester.h"
#include "platform/ShellFileOperation.h"
#include "platform/ShortPaths.h"
#include "platform/SystemTextCodec.h"
#include "platform/WavePlayer.h"
#include "platform/XmlReader.h"
#include "settings/SettingsLocation.h"
#include "ui/qt/ModalPresenter.h"

namespace vorlent {

// What the main window needs of the system, handed in whole so that tests can replace a part
// (the program's folder, the process starter, the desktop opener, the prompts, the modal boxes).
struct MainWindowServices {
  // The folder of Vorlent.ini, sound/ and the help file, ending in its delimiter.
  std::string programFolder;
  // The user's own folder for Vorlent.ini where the program's folder cannot keep it; nothing
  // keeps it beside the program in any case.
  UserSettingsFolder userSettingsFolder;
  std::unique_ptr<CurrentFolder> currentFolder;
  std::unique_ptr<FileSystem> files;
  // The system's code page: Vorlent.ini, the response file, the command length, the sorts.
  std::unique_ptr<SystemTextCodec> systemText;
  std::unique_ptr<ShortPaths> shortPaths;
  std::unique_ptr<FileNameMatcher> fileNames;
  std::unique_ptr<ProcessStarter> processes;
  std::unique_ptr<AtomicFiles> atomicFiles;
  std::unique_ptr<FolderEnumerator> folders;
  std::unique_ptr<Drives> drives;
  std::unique_ptr<DesktopOpener> opener;
  // Nothing: the system's help viewer, over `files` and `opener`.
  std::unique_ptr<HelpViewer> help;
  // The file operations: new folders and renames, the shell's copy, move and trash, and the
  // join's sources.
  std::unique_ptr<FileChanges> fileChanges;
  std::unique_ptr<ShellFileOperation> shell;
  std::unique_ptr<ReadStreams> readStreams;
  // Nothing: Qt's dialogs over the main window, run by `modals`.
  std::unique_ptr<Prompts> prompts;
  // Runs the window's message boxes, questions and modal dialogs. Nothing: Qt's modal loop.
  std::unique_ptr<ModalPresenter> modals;
  // Plays the sound cues.
  std::shared_ptr<WavePlayer> wavePlayer;
  // Nothing: the desktop's beep.
  std::function<void()> defaultSound;
  // What reads the MSX software database and digests the images looked up in it.
  std::unique_ptr<XmlReader> xml;
  std::unique_ptr<Sha1Digester> sha1;
  // Where the MSX software database is looked for, in order; none turns the lookup off.
  std::vector<std::string> softwareDatabases;
};

// The services of the running program on this platform.
MainWindowServices nativeMainWindowServices();

}  // namespace vorlent
