// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a configuration file with the program's own writer, for the scripts that start the
// program over one. Everything it is not given stays as a first start leaves it.
//
//   write_settings FILE LISTED_FOLDER BRMSX_EXE SLOT1_IMAGE SLOT1_MAPPER
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Failure.h"
#include "platform/ProgramArguments.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigInteger.h"

int main(int argc, char** argv) {
  using namespace vorlent;
  const std::vector<std::string> words = programArguments(argc, argv);
  const auto mapper = words.size() == 5 ? parseConfigInteger(words[4]) : std::nullopt;
  if (!mapper) {
    std::fputs("usage: write_settings FILE LISTED_FOLDER BRMSX_EXE SLOT1_IMAGE SLOT1_MAPPER\n",
               stderr);
    return 2;
  }
  LauncherState state;
  state.brmsxExePath = words[2];
  state.slots[0] = {words[3], *mapper};
  const auto files = makeFileSystem();
  const auto currentFolder = makeCurrentFolder();
  const auto atomicFiles = makeAtomicFiles();
  const auto systemText = makeSystemTextCodec();
  try {
    // The file's first line is the folder the program lists: the current folder of the save.
    if (!currentFolder->set(words[1])) throw Failure("no folder " + words[1]);
    ConfigFile(words[0], {*files, *currentFolder, *atomicFiles, nativePathStyle(), *systemText})
        .SaveConfig(state);
  } catch (const Failure& failure) {
    std::fprintf(stderr, "write_settings: %s\n", failure.what());
    return 1;
  }
  return 0;
}
