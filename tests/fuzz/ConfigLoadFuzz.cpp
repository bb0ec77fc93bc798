// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "launch/LauncherState.h"
#include "launch/MediaPanelState.h"
#include "platform/Failure.h"
#include "settings/ConfigText.h"
#include "support/FakeFileSystem.h"

namespace {

using vorlent::PathStyle;

class ImaginedFolder final : public vorlent::CurrentFolder {
 public:
  std::string get() const override { return folder_; }
  bool set(std::string_view folder) override {
    if (folder.empty()) return false;
    folder_ = folder;
    return true;
  }

 private:
  std::string folder_ = "/";
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // A file exists for every path whose first byte is odd, so that both branches of each rule run
  // without touching the disk.
  vorlent::testing::FakeFileSystem files;
  files.unlisted = [](std::string_view path) {
    return !path.empty() && (static_cast<unsigned char>(path.front()) & 1U) != 0
               ? vorlent::FileKind::Regular
               : vorlent::FileKind::Missing;
  };
  ImaginedFolder folder;
  vorlent::LauncherState state;
  vorlent::MediaPanelState panel;
  const PathStyle style = size > 0 && (data[0] & 2U) != 0 ? PathStyle::Windows : PathStyle::Posix;
  try {
    vorlent::applyConfigText(text, state, panel, {files, folder, style});
  } catch (const vorlent::Failure& failure) {
    // A failing line is the loader's ordinary answer to a bad file.
    if (std::string_view(failure.what()).empty()) __builtin_trap();
  }
  // Whatever the input, a slot's code is only set together with its path.
  if (state.slots[0].path.empty() && state.slots[0].mapper != vorlent::kNoCartridge)
    __builtin_trap();
  if (state.slots[1].path.empty() && state.slots[1].mapper != vorlent::kNoCartridge)
    __builtin_trap();
  return 0;
}
