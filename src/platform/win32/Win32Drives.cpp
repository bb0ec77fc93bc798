// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <limits>
#include <string>

#include "platform/Drives.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

namespace {

std::int64_t byteCount(const ULARGE_INTEGER& count) {
  constexpr auto kMax = static_cast<ULONGLONG>(std::numeric_limits<std::int64_t>::max());
  return static_cast<std::int64_t>(count.QuadPart > kMax ? kMax : count.QuadPart);
}

class Win32Drives final : public Drives {
 public:
  // Every letter with the type GetDriveTypeA gives for its root ("C:\"); letters without a
  // drive come back as NoRootFolder, and the drive buttons leave them hidden.
  std::vector<Drive> list() override {
    std::vector<Drive> drives;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
      const std::string root = std::string(1, static_cast<char>(letter - 'a' + 'A')) + ":\\";
      const UINT type = ::GetDriveTypeA(root.c_str());
      drives.push_back({letter,
                        type <= DRIVE_RAMDISK ? static_cast<DriveType>(type) : DriveType::Unknown,
                        root});
    }
    return drives;
  }

  // The free bytes are those this user may fill, as quotas allow.
  DriveSpace space(std::string_view folder) override {
    ULARGE_INTEGER freeToCaller{};
    ULARGE_INTEGER total{};
    ULARGE_INTEGER totalFree{};
    if (folder.empty() || ::GetDiskFreeSpaceExA(win32::ansi(folder).c_str(), &freeToCaller, &total,
                                                &totalFree) == 0) {
      return {};
    }
    return {byteCount(total), byteCount(freeToCaller)};
  }
};

}  // namespace

std::unique_ptr<Drives> makeDrives() { return std::make_unique<Win32Drives>(); }

}  // namespace vorlent
