// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ConfigText.h"

#include "settings/ConfigLayout.h"
#include "settings/ConfigLine.h"

namespace vorlent {

namespace {

class ConfigWriter {
 public:
  void text(std::string_view value) {
    if (fitsOnConfigLine(value)) {
      bytes_ += value;
    }
    bytes_ += "\r\n";
  }
  void number(int value) { text(std::to_string(value)); }
  void list(const DiskList& entries) {
    for (const std::string& entry : entries) text(entry);
  }

  std::string take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

}  // namespace

std::string configFileText(const LauncherState& state, std::string_view currentFolder) {
  ConfigWriter out;
  out.text(currentFolder);
  out.text(kFmsxExeMarker);
  out.text(state.fmsxExePath);
  out.text(kBrmsxExeMarker);
  out.text(state.brmsxExePath);
  out.text(kPalamsxExeMarker);
  out.text(state.palamsxExePath);
  out.text(kImageFilesMarker);
  // slot1Path, slot1Mapper, slot2Path, slot2Mapper
  for (const Cartridge& slot : state.slots) {
    out.text(slot.path);
    out.number(slot.mapper);
  }
  // drive1Path, drive2Path
  for (const FloppyDrive& drive : state.drives) out.text(drive.path);
  out.text(state.tapePath);
  // drive1List, drive2List
  for (const FloppyDrive& drive : state.drives) out.list(drive.list);
  out.text(kFmsxParameterMarker);
  out.number(state.fmsxModel);
  out.number(state.fmsxResolution);
  for (const auto field : kFmsxOptionLines) out.number(state.fmsxOptions.*field);
  out.text(kBrmsxParameterMarker);
  out.number(state.brmsxModel);
  out.number(state.brmsxResolution);
  for (const auto field : kBrmsxOptionLines) out.number(state.brmsxOptions.*field);
  return out.take();
}

}  // namespace vorlent
