// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/FmsxCommand.h"

#include <array>

#include "launch/SharedTokens.h"
#include "platform/PathParts.h"

namespace vorlent {

namespace {

std::string numbered(std::string_view option, long long value) {
  return std::string(option) + std::to_string(value) + " ";
}

// The option whose value writes nothing at `silent` and "<option><written> " otherwise; the
// written number is wide enough for any stored value plus one.
std::string unlessAt(int value, int silent, std::string_view option, long long written) {
  return value == silent ? std::string() : numbered(option, written);
}

std::string verboseToken(int verbose) {
  switch (verbose) {
    case 0:
      return " -verbose 0 ";
    case 2:
      return " -verbose 2 ";
    case 3:
      return " -verbose 4 ";
    case 4:
      return " -verbose 8 ";
    case 5:
      return " -verbose 16 ";
    default:
      return {};
  }
}

std::string chipsetToken(int chipset) {
  if (chipset == 2) {
    return {};
  }
  return chipset == 0 ? "-chipset 0 " : "-chipset 1 ";
}

}  // namespace

// Every option but verbose writes its token for any value other than the one that writes
// nothing; verbose writes nothing for a value that names no item.
std::string fmsxOptionText(const FmsxOptions& o) {
  std::string text;
  if (o.ifreq != 0) text += "-ifreq 60 ";
  text += unlessAt(o.speed, 100, "-cpuspeed ", o.speed);
  if (o.swapb != 0) text += "-swapbuttons 1 ";
  if (o.vram != 1) text += "-vram 4 ";
  if (o.ram != 1) text += "-ram 4 ";
  text += unlessAt(o.joystick, 1, "-joystick ", o.joystick);
  if (o.sync != 1) text += "-sync 0 ";
  text += unlessAt(o.adjust, 0, "-adjust ", o.adjust);
  if (o.sprite != 0) text += "-sprite 1 ";
  if (o.modeswitch != 0) text += "-modeswitch 1 ";
  text += chipsetToken(o.chipset);
  text += unlessAt(o.uperiod, 1, "-uperiod ", static_cast<long long>(o.uperiod) + 1);
  text += unlessAt(o.sound, 6, "-sound ", o.sound);
  text += unlessAt(o.vol, 10, "-volume ", o.vol);
  text += unlessAt(o.scc, 1, "-scc ", o.scc);
  text += unlessAt(o.fmpac, 0, "-fmpac ", o.fmpac);
  text += unlessAt(o.sq, 2, "-soundquality ", static_cast<long long>(o.sq) + 1);
  text += unlessAt(o.stereo, 0, "-stereo ", o.stereo);
  text += unlessAt(o.reveb, 7, "-reverb ", o.reveb);
  text += unlessAt(o.chorus, 0, "-chorus ", o.chorus);
  text += verboseToken(o.verbose);
  return text;
}

std::string fmsxModelToken(int fmsxModel) {
  switch (fmsxModel) {
    case 0:
      return " -msx1";
    case 2:
      return " -msx2+";
    default:
      return {};
  }
}

std::string fmsxResolutionToken(int fmsxResolution) {
  switch (fmsxResolution) {
    case 1:
      return " -video 1";
    case 2:
      return " -video 2";
    case 3:
      return "  -video 3";
    default:
      return {};
  }
}

int fmsxMapperNumber(int mapperCode) {
  static constexpr std::array<int, 11> kNumbers = {0, 1, 2, 3, 4, 4, 5, 5, 0, 0, 0};
  return isMapperCode(mapperCode) ? kNumbers[static_cast<std::size_t>(mapperCode - 7)] : -1;
}

std::string fmsxCartridgeTokens(const Cartridges& slots) {
  std::string numbers;
  std::string paths;
  for (const Cartridge& slot : slots) {
    const int number = fmsxMapperNumber(slot.mapper);
    if (number < 0) {
      continue;
    }
    numbers += (numbers.empty() ? "" : ",") + std::to_string(number);
    paths += " " + slot.path;
  }
  return numbers.empty() ? std::string() : " -rom " + numbers + paths;
}

// Only drive 1 can hold the PC drive marker.
std::string fmsxDiskTokens(std::string_view drive1Path, std::string_view drive2Path) {
  const std::string diska =
      drive1Path == kPcDriveMarker ? " -diska a:" : pathToken(" -diska ", drive1Path);
  return diska + pathToken(" -diskb ", drive2Path);
}

std::string fmsxResponseFilePath(std::string_view fmsxExePath, PathStyle style) {
  return folderPart(fmsxExePath, style) + "/" + std::string(kResponseFileName);
}

bool writeResponseFile(const LauncherState& state, FileSystem& files, PathStyle style,
                       const SystemTextCodec& systemText) {
  const std::string options = fmsxOptionText(state.fmsxOptions);
  if (options.empty() || !files.fileExists(state.fmsxExePath)) {
    return false;
  }
  files.writeRegularFile(fmsxResponseFilePath(state.fmsxExePath, style),
                         systemText.toSystemText(options + "\r\n"));
  return true;
}

std::string buildFmsxCommand(const LauncherState& state, const LaunchServices& services,
                             const StartCommand& start) {
  const PathStyle style = services.pathStyle;
  // The response file is settled before the emulator's folder becomes current, so that a
  // relative executable path names the same files as it does from the listed folder. Anything
  // of its name counts, so that a link, even one that leads nowhere, is refused by the write
  // and nothing starts.
  const bool usesResponseFile = !fmsxOptionText(state.fmsxOptions).empty() &&
                                services.files.entryKindOf(fmsxResponseFilePath(
                                    state.fmsxExePath, style)) != FileKind::Missing;
  if (usesResponseFile) {
    currentFolderOrFailure(services.currentFolder);
    writeResponseFile(state, services.files, style, services.systemText);
  }
  const CurrentFolderScope emulatorFolder(services.currentFolder,
                                          folderPart(state.fmsxExePath, style));
  std::string command = fileNamePart(state.fmsxExePath, style);
  if (usesResponseFile) {
    command += kResponseFileReference;
  }
  command += fmsxModelToken(state.fmsxModel);
  command += fmsxResolutionToken(state.fmsxResolution);
  command += fmsxCartridgeTokens(state.slots);
  command += fmsxDiskTokens(state.drives[indexOf(DiskDrive::Drive1)].path,
                            state.drives[indexOf(DiskDrive::Drive2)].path);
  command += tapeToken(state.tapePath);
  if (start) {
    start(command);
  }
  return command;
}

}  // namespace vorlent
