// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Failure.h"
#include "platform/PathParts.h"
#include "settings/ConfigInteger.h"
#include "settings/ConfigLayout.h"
#include "settings/ConfigText.h"

namespace vorlent {

namespace {

// Hands out the lines one by one; a line ends at LF, and a CR just before it is dropped.
// Past the end every line is empty.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}

  std::string_view next() {
    const auto end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    return line;
  }

  void skip() { next(); }

  int integer() {
    const std::string_view line = next();
    const std::optional<int> value = parseConfigInteger(line);
    if (!value) {
      throw Failure(notAnIntegerText(line));
    }
    return *value;
  }

  // An item position of a menu with count items.
  int menuItem(int count) {
    const int value = integer();
    if (value < 0 || value >= count) {
      throw Failure(indexOutOfRangeText(value));
    }
    return value;
  }

 private:
  std::string_view rest_;
};

class ConfigLoader {
 public:
  ConfigLoader(std::string_view text, LauncherState& state, MediaPanelState& panel,
               const ConfigLoadServices& services)
      : lines_(text), state_(state), panel_(panel), services_(services) {}

  void run() {
    // A folder that is gone or an empty line keeps the current folder, silently.
    services_.currentFolder.set(lines_.next());
    lines_.skip();
    executable(state_.fmsxExePath);
    lines_.skip();
    executable(state_.brmsxExePath);
    lines_.skip();
    executable(state_.palamsxExePath);
    lines_.skip();
    // slot1Path, slot1Mapper, slot2Path, slot2Mapper
    for (const CartridgeSlot which : kCartridgeSlots) slot(which);
    // drive1Path, drive2Path
    for (const DiskDrive which : kDiskDrives)
      medium(state_.drives[indexOf(which)].path, panel_.drives[indexOf(which)].name);
    medium(state_.tapePath, panel_.tapeName);
    // drive1List, drive2List
    for (FloppyDrive& drive : state_.drives) diskList(drive.list);
    lines_.skip();
    state_.fmsxModel = lines_.menuItem(kModelItemCount);
    state_.fmsxResolution = lines_.menuItem(kFmsxResolutionItemCount);
    for (const auto field : kFmsxOptionLines) state_.fmsxOptions.*field = lines_.integer();
    lines_.skip();
    state_.brmsxModel = lines_.menuItem(kModelItemCount);
    state_.brmsxResolution = lines_.menuItem(kBrmsxResolutionItemCount);
    for (const auto field : kBrmsxOptionLines) state_.brmsxOptions.*field = lines_.integer();
  }

 private:
  bool isFile(std::string_view path) const { return services_.files.fileExists(path); }

  void executable(std::string& field) {
    const std::string_view line = lines_.next();
    field = isFile(line) ? std::string(line) : std::string();
  }

  // The mapper line is converted even when the slot stays empty, so that it can fail.
  void slot(CartridgeSlot which) {
    Cartridge& cartridge = state_.slots[indexOf(which)];
    const std::string_view line = lines_.next();
    if (isFile(line)) {
      cartridge.path = line;
      panel_.slots[indexOf(which)].name = fileNamePart(line, services_.pathStyle);
    }
    const int code = lines_.integer();
    if (code >= kFirstMapperCode && !cartridge.path.empty()) {
      cartridge.mapper = code;
    }
  }

  // The PC drive marker names no file and is never restored, even where a file of that name
  // could exist.
  void medium(std::string& path, std::string& name) {
    const std::string_view line = lines_.next();
    if (line != kPcDriveMarker && isFile(line)) {
      path = line;
      name = fileNamePart(line, services_.pathStyle);
    }
  }

  void diskList(DiskList& list) {
    for (std::string& entry : list) entry = lines_.next();
  }

  LineReader lines_;
  LauncherState& state_;
  MediaPanelState& panel_;
  const ConfigLoadServices& services_;
};

}  // namespace

void applyConfigText(std::string_view text, LauncherState& state, MediaPanelState& panel,
                     const ConfigLoadServices& services) {
  ConfigLoader(text, state, panel, services).run();
}

}  // namespace vorlent
