// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "browser/MediumKind.h"

namespace vorlent {
namespace {

TEST(MediumKindTest, TheExtensionAloneTellsTheMediumWithOnlyAsciiLettersFolded) {
  const struct {
    const char* path;
    PathStyle style;
    MediumKind kind;
  } cases[] = {
      {"/x/game.rom", PathStyle::Posix, MediumKind::Cartridge},
      {"/x/GAME.RoM", PathStyle::Posix, MediumKind::Cartridge},
      {"/x/-disk.DSK", PathStyle::Posix, MediumKind::Disk},
      {"/x/tape.Cas", PathStyle::Posix, MediumKind::Tape},
      {R"(C:\X.DSK\A.cas)", PathStyle::Windows, MediumKind::Tape},
      // Only the last extension counts, and only after the last delimiter.
      {"/x/game.rom.bak", PathStyle::Posix, MediumKind::None},
      {"/x.rom/game", PathStyle::Posix, MediumKind::None},
      {R"(C:\A.DSK\B)", PathStyle::Windows, MediumKind::None},
      {"/x/game.rom/", PathStyle::Posix, MediumKind::None},
      // The dot belongs to the extension.
      {"/x/rom", PathStyle::Posix, MediumKind::None},
      {"/x/game.roms", PathStyle::Posix, MediumKind::None},
      {"/x/game.ro", PathStyle::Posix, MediumKind::None},
      {"/x/.rom", PathStyle::Posix, MediumKind::Cartridge},
      {"", PathStyle::Posix, MediumKind::None},
      // Letters beyond ASCII are never folded: full-width letters, bad UTF-8.
      {"/x/game.\xEF\xBC\xB2OM", PathStyle::Posix, MediumKind::None},
      {"/x/game.rom\xFF", PathStyle::Posix, MediumKind::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(mediumKindOfPath(c.path, c.style), c.kind);
  }
  EXPECT_EQ(mediumKindOfExtension(".ROM"), MediumKind::Cartridge);
  EXPECT_EQ(mediumKindOfExtension(".dSk"), MediumKind::Disk);
  EXPECT_EQ(mediumKindOfExtension(".CAS"), MediumKind::Tape);
  EXPECT_EQ(mediumKindOfExtension("rom"), MediumKind::None);
  EXPECT_EQ(mediumKindOfExtension(std::string_view(".rom\0", 5)), MediumKind::None);
}

}  // namespace
}  // namespace vorlent
