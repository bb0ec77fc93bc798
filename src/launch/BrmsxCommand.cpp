// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/BrmsxCommand.h"

#include <array>

#include "launch/SharedTokens.h"
#include "platform/PathParts.h"

namespace vorlent {

namespace {

std::string flag(int value, std::string_view token) {
  return value != 0 ? std::string(token) : std::string();
}

std::string unlessAt(int value, int silent, std::string_view option) {
  return value == silent ? std::string() : std::string(option) + std::to_string(value);
}

// A three-way choice: item 0 writes nothing, items 1 and 2 their tokens; a value that names no
// item writes nothing.
std::string choice(int value, std::string_view first, std::string_view second) {
  switch (value) {
    case 1:
      return std::string(first);
    case 2:
      return std::string(second);
    default:
      return {};
  }
}

std::string cpuToken(int cpu) {
  switch (cpu) {
    case 0:
      return {};
    case 1:
      return " -ciel";
    case 2:
      return " -fast";
    default:
      return " -turbo";
  }
}

std::string slotToken(std::string_view option, std::string_view path, int mapperCode) {
  if (mapperCode == kAutoDetectMapperCode) {
    return " " + std::string(path);
  }
  const int number = brmsxMapperNumber(mapperCode);
  if (number < 0) {
    return {};
  }
  return std::string(option) + std::to_string(number) + " " + std::string(path);
}

}  // namespace

std::string brmsxOptionText(const BrmsxOptions& o) {
  std::string text;
  text += flag(o.ifreq, " -ifreq 60");
  text += cpuToken(o.cpu);
  text += flag(o.ram, " -ramslot 3");
  text += flag(o.Korean, " -korean");
  text += unlessAt(o.megaram, 1, " -megaram ");
  text += unlessAt(o.mapper, 1, " -mapper ");
  text += choice(o.vsync, " -vsync", " -truevsync");
  text += flag(o.green, " -green");
  text += unlessAt(o.frame, 1, " -frame ");
  text += choice(o.allspr, " -allspr", " -nosprcol");
  text += choice(o.vdptiming, " -vdptiming", " -novdptiming");
  text += flag(o.nocache, " -nocache");
  text += flag(o.cpug, " -cpugraph");
  text += flag(o.psgg, " -psggraph");
  text += flag(o.nosound, " -nosound");
  text += flag(o.scc, " -scc");
  text += flag(o.fmpac, " -fmpac");
  text += flag(o.speaker, " -speaker");
  text += unlessAt(o.sr, 45455, " -sr ");
  text += flag(o.joy, " -joy");
  text += unlessAt(o.joysens, 3, " -joysens ");
  text += flag(o.fakejoy, " -fakejoy");
  text += flag(o.snespad, " -snespad");
  text += flag(o.autofire, " -autofire");
  text += flag(o.autorun, " -autorun");
  text += unlessAt(o.autospeed, 5, " -autospeed ");
  text += flag(o.nommx, " -nommx");
  text += flag(o.nomouse, " -nomouse");
  text += flag(o.novesa, " -novesa");
  text += flag(o.noled, " -noled");
  text += flag(o.nopentium, " -nopentium");
  text += flag(o.help, " -help");
  text += flag(o.noenter, " -noenter");
  if (o.speaker != 0) {
    text += unlessAt(o.sq, 1, " -speaq ");
  }
  text += choice(o.multi, " -server", " -client");
  if (o.multi != 0) {
    text += unlessAt(o.com, 0, " -com ");
  }
  text += flag(o.trtimer, " -trtimer");
  text += flag(o.dos2, " -dos2");
  text += flag(o.advram, " -advram");
  text += choice(o.diskhl, " -disklow", " -diskhigh");
  return text;
}

std::string brmsxModelToken(int brmsxModel) { return choice(brmsxModel, " -msx2", " -msx2+"); }

std::string brmsxResolutionToken(int brmsxResolution) {
  // The -res mode of each item of the resolution menu.
  static constexpr std::array<int, kBrmsxResolutionItemCount> kModes = {
      0, 1, 2, 3, 6, 7, 8, 9, 11, 12,
  };
  if (brmsxResolution < 0 || brmsxResolution >= static_cast<int>(kModes.size())) {
    return {};
  }
  return " -res " + std::to_string(kModes[static_cast<std::size_t>(brmsxResolution)]);
}

int brmsxMapperNumber(int mapperCode) {
  static constexpr std::array<int, 10> kNumbers = {0, 1, 2, 3, 4, 6, 5, 7, 8, 9};
  if (!isMapperCode(mapperCode) || mapperCode == kAutoDetectMapperCode) {
    return -1;
  }
  return kNumbers[static_cast<std::size_t>(mapperCode - kFirstMapperCode)];
}

std::string brmsxCartridgeTokens(const Cartridges& slots) {
  static constexpr std::array<std::string_view, kSlotCount> kOptions = {" -roma ", " -romb "};
  std::string tokens;
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    tokens += slotToken(kOptions[i], slots[i].path, slots[i].mapper);
  }
  return tokens;
}

std::string brmsxDiskToken(std::string_view drive1Path) {
  return drive1Path == kPcDriveMarker ? " -mount a:" : pathToken(" -diska ", drive1Path);
}

std::string composeBrmsxCommand(const LauncherState& state, PathStyle style) {
  std::string command = fileNamePart(state.brmsxExePath, style);
  command += brmsxModelToken(state.brmsxModel);
  command += brmsxResolutionToken(state.brmsxResolution);
  command += brmsxCartridgeTokens(state.slots);
  // brMSX has one drive.
  command += brmsxDiskToken(state.drives[indexOf(DiskDrive::Drive1)].path);
  command += tapeToken(state.tapePath);
  command += brmsxOptionText(state.brmsxOptions);
  return command;
}

std::string brmsxCommandCheckText(const LauncherState& state, PathStyle style,
                                  const SystemTextCodec& systemText) {
  const std::string command = composeBrmsxCommand(state, style);
  // The length is counted in the system code page's bytes, as the emulator receives them.
  return command + "(" + std::to_string(systemText.toSystemText(command).size()) + ")";
}

std::string buildBrmsxCommand(const LauncherState& state, const LaunchServices& services,
                              const StartCommand& start) {
  const CurrentFolderScope emulatorFolder(services.currentFolder,
                                          folderPart(state.brmsxExePath, services.pathStyle));
  std::string command = composeBrmsxCommand(state, services.pathStyle);
  if (start) {
    start(command);
  }
  return command;
}

}  // namespace vorlent
