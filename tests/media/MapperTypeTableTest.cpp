// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "media/MapperTypeTable.h"
#include "media/RomIdentityTexts.h"

namespace vorlent {
namespace {

// What each database type must give, by the captions the user sees in the slot menus: ""
// where the emulator has no item. Every row of the table is here, and nothing else.
struct Expected {
  const char* type;
  RomTypeKind kind;
  const char* brmsx;
  const char* fmsx;
};

constexpr RomTypeKind kPlain = RomTypeKind::Plain;
constexpr RomTypeKind kMapped = RomTypeKind::Mapped;

const Expected kEveryRow[] = {
    {"Normal", kPlain, "", ""},
    {"Page", kPlain, "", ""},
    {"Mirrored", kPlain, "", ""},
    {"16kB", kPlain, "", ""},
    {"KonamiSCC", kMapped, "Konami with SCC", "Konami5 8kB"},
    {"Konami", kMapped, "Konami without SCC", "Konami4 8kB"},
    {"GenericKonami", kMapped, "Generic MegaROM with SCC", "Konami 8kB"},
    {"ASCII8", kMapped, "ASCII 8kB", "ASCII 8kB"},
    {"ASCII8SRAM8", kMapped, "ASCII 8kB with 8kB SRAM", "ASCII 8kB"},
    {"ASCII8SRAM2", kMapped, "", "ASCII 8kB"},
    {"ASCII16", kMapped, "ASCII 16kB", "ASCII 16kB"},
    {"ASCII16SRAM2", kMapped, "ASCII 16kB with 2kB SRAM", "ASCII 16kB"},
    {"ASCII16SRAM8", kMapped, "", "ASCII 16kB"},
    {"MSXDOS2", kMapped, "MSX-DOS 2", ""},
    {"FMPAC", kMapped, "Panasonic FM-PAC with 8kb SRAM", ""},
    {"Synthesizer", kMapped, "Konami with 8-bit DAC", ""},
    {"Majutsushi", kMapped, "Konami with 8-bit DAC", "Konami4 8kB"},
    {"KoeiSRAM32", kMapped, "", ""},
    {"R-Type", kMapped, "", ""},
};

std::string captionOf(const std::optional<int>& code, EmulatorKind emulator) {
  return code ? std::string(mapperItemCaption(emulator, *code)) : std::string();
}

TEST(MapperTypeTableTest, EveryRowGivesTheItemsTheUserExpectsInAnyLetterCase) {
  std::set<std::string> listed;
  for (const Expected& row : kEveryRow) {
    listed.insert(row.type);
    std::string upper = row.type;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const std::string& spelling : {std::string(row.type), upper}) {
      SCOPED_TRACE(spelling);
      const MapperAdvice advice = mapperAdvice(spelling);
      EXPECT_EQ(advice.kind, row.kind);
      EXPECT_EQ(captionOf(advice.brmsxCode, EmulatorKind::Brmsx), row.brmsx);
      EXPECT_EQ(captionOf(advice.fmsxCode, EmulatorKind::Fmsx), row.fmsx);
      // A plain ROM never chooses an item.
      if (row.kind == kPlain) {
        EXPECT_FALSE(advice.brmsxCode || advice.fmsxCode);
      }
    }
  }
  for (const MapperTypeRow& row : mapperTypeTable()) {
    EXPECT_EQ(listed.count(std::string(row.databaseType)), 1u) << row.databaseType;
    EXPECT_FALSE(row.reason.empty()) << row.databaseType;
    for (const std::optional<int>& code : {row.brmsxCode, row.fmsxCode}) {
      if (code) {
        EXPECT_TRUE(*code >= 7 && *code <= 16) << row.databaseType;  // never "Auto Detect"
      }
    }
  }
  EXPECT_EQ(mapperTypeTable().size(), std::size(kEveryRow));
}

TEST(MapperTypeTableTest, NamesOfTheDatabaseMatchRowsOnlyWhenWholeOrFollowedByHexDigits) {
  const struct {
    const char* type;
    RomTypeKind kind;
    std::optional<int> brmsx;
  } cases[] = {
      {"", kPlain, std::nullopt},
      {"page23", kPlain, std::nullopt},
      {"Page12", kPlain, std::nullopt},
      {"Mirrored4000", kPlain, std::nullopt},
      {"Normal0000", kPlain, std::nullopt},
      {"16kb", kPlain, std::nullopt},
      {"Pages", kMapped, std::nullopt},
      {"KonamiSCCX", kMapped, std::nullopt},
      {"Konami ", kMapped, std::nullopt},
      {"ColecoMegaCart", kMapped, std::nullopt},
      {"konamiscc", kMapped, 9},
      {"ascii16sram2", kMapped, 14},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    const MapperAdvice advice = mapperAdvice(c.type);
    EXPECT_EQ(advice.kind, c.kind);
    EXPECT_EQ(advice.brmsxCode, c.brmsx);
  }
}

}  // namespace
}  // namespace vorlent
