// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/MainWindowServices.h"

#include "media/SoftwareDatabaseSource.h"
#include "platform/ProgramFolder.h"
#include "platform/UserConfigFolder.h"
#include "platform/UserHome.h"

#ifdef _WIN32
#include "platform/win32/Win32WavePlayer.h"
#else
#include "ui/qt/SoundModulePlayer.h"
#endif

namespace vorlent {

MainWindowServices nativeMainWindowServices() {
  MainWindowServices services;
  services.programFolder = programFolder();
  services.userSettingsFolder = &userConfigFolder;
  services.currentFolder = makeCurrentFolder();
  services.files = makeFileSystem();
  services.systemText = makeSystemTextCodec();
  services.shortPaths = makeShortPaths();
  services.fileNames = makeFileNameMatcher();
  services.processes = makeProcessStarter();
  services.atomicFiles = makeAtomicFiles();
  services.folders = makeFolderEnumerator();
  services.drives = makeDrives();
  services.opener = makeDesktopOpener();
  services.fileChanges = makeFileChanges();
  services.shell = makeShellFileOperation();
  services.readStreams = makeReadStreams();
#ifdef _WIN32
  services.wavePlayer = win32::makeSystemWavePlayer();
#else
  services.wavePlayer = makeSoundModulePlayer(services.programFolder);
#endif
  services.xml = makeXmlReader();
  services.sha1 = makeSha1Digester();
  services.softwareDatabases =
      softwareDatabaseCandidates(services.programFolder, userHomeFolder(), nativePathStyle());
  return services;
}

}  // namespace vorlent
