// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MapperTypeTable.h"

#include <array>

#include "platform/PathParts.h"

namespace vorlent {

namespace {

constexpr RomTypeKind kPlain = RomTypeKind::Plain;
constexpr RomTypeKind kMapped = RomTypeKind::Mapped;
constexpr std::optional<int> kNone;

// The codes are those of the slot menus: 7 + the item's type (see kBrmsxMapperNames and
// kFmsxMapperNames). fMSX gives codes 11 and 12 one mapper (ASCII 8kB), and 13 and 14 another
// (ASCII 16kB); for an SRAM type it takes the SRAM item, so that the slot keeps the right type
// when the user switches to brMSX.
constexpr std::array kRows = {
    MapperTypeRow{"Normal", true, kPlain, kNone, kNone,
                  "A ROM of at most 64 kB in fixed pages, started where its header says; the "
                  "emulators load it without a mapper."},
    MapperTypeRow{"Page", true, kPlain, kNone, kNone,
                  "A ROM placed in the named fixed pages (page23, Page12, ...); nothing is "
                  "switched."},
    MapperTypeRow{"Mirrored", true, kPlain, kNone, kNone,
                  "A small ROM repeated over the pages; no bank switching."},
    MapperTypeRow{"16kB", false, kPlain, kNone, kNone,
                  "A 16 kB ROM in one page; no bank switching."},
    MapperTypeRow{"KonamiSCC", false, kMapped, 9, 9,
                  "Konami's MegaROM with the SCC sound chip: brMSX's \"Konami with SCC\", "
                  "fMSX's \"Konami5 8kB\"."},
    MapperTypeRow{"Konami", false, kMapped, 10, 10,
                  "Konami's MegaROM without SCC, four 8 kB banks with the first fixed: brMSX's "
                  "\"Konami without SCC\", fMSX's \"Konami4 8kB\"."},
    MapperTypeRow{"GenericKonami", false, kMapped, 7, 7,
                  "Four 8 kB banks, each switched by a write to its own area: brMSX's generic "
                  "MegaROM item (the SCC stays unused) and fMSX's plain 8 kB mapper."},
    MapperTypeRow{"ASCII8", false, kMapped, 11, 11,
                  "ASCII's 8 kB MegaROM without backup memory: \"ASCII 8kB\" on both."},
    MapperTypeRow{"ASCII8SRAM8", false, kMapped, 12, 12,
                  "ASCII 8 kB with 8 kB of battery-backed SRAM: brMSX's SRAM item; fMSX runs "
                  "it with its one ASCII 8 kB mapper."},
    MapperTypeRow{"ASCII8SRAM2", false, kMapped, kNone, 11,
                  "ASCII 8 kB with 2 kB SRAM: brMSX's SRAM item has 8 kB, seen at other "
                  "addresses, so brMSX has no item; fMSX's ASCII 8 kB mapper runs it."},
    MapperTypeRow{"ASCII16", false, kMapped, 13, 13,
                  "ASCII's 16 kB MegaROM without backup memory: \"ASCII 16kB\" on both."},
    MapperTypeRow{"ASCII16SRAM2", false, kMapped, 14, 14,
                  "ASCII 16 kB with 2 kB of battery-backed SRAM: brMSX's SRAM item; fMSX runs "
                  "it with its one ASCII 16 kB mapper."},
    MapperTypeRow{"ASCII16SRAM8", false, kMapped, kNone, 13,
                  "ASCII 16 kB with 8 kB SRAM: brMSX's SRAM item holds only 2 kB, so brMSX has "
                  "no item; fMSX's ASCII 16 kB mapper runs it."},
    MapperTypeRow{"MSXDOS2", false, kMapped, 8, kNone,
                  "The MSX-DOS 2 cartridge: brMSX has an item of its own, fMSX none."},
    MapperTypeRow{"FMPAC", false, kMapped, 15, kNone,
                  "Panasonic's FM-PAC with 8 kB SRAM: brMSX's FM-PAC item; fMSX's item at "
                  "that place is marked as not used."},
    MapperTypeRow{"Synthesizer", false, kMapped, 16, kNone,
                  "Konami's Synthesizer, the cartridge with an 8-bit DAC: brMSX's DAC item; "
                  "fMSX has no DAC."},
    MapperTypeRow{"Majutsushi", false, kMapped, 16, 10,
                  "Konami's four-bank MegaROM with an 8-bit DAC for speech: brMSX's DAC item; "
                  "fMSX runs the game with its Konami4 mapper, without the speech."},
    MapperTypeRow{"KoeiSRAM32", false, kMapped, kNone, kNone,
                  "Koei's ASCII 8 kB variant with 32 kB of SRAM in banks: neither emulator has "
                  "it, and the ASCII items would lose the saved games."},
    MapperTypeRow{"R-Type", false, kMapped, kNone, kNone,
                  "Irem's own 16 kB scheme for R-Type: neither emulator has it."},
};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (asciiLower(a[i]) != asciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

bool allHexDigits(std::string_view text) {
  for (const char c : text) {
    const char lower = asciiLower(c);
    if (!((lower >= '0' && lower <= '9') || (lower >= 'a' && lower <= 'f'))) {
      return false;
    }
  }
  return true;
}

bool matches(const MapperTypeRow& row, std::string_view type) {
  if (!row.prefix) {
    return equalsIgnoringCase(row.databaseType, type);
  }
  return type.size() >= row.databaseType.size() &&
         equalsIgnoringCase(row.databaseType, type.substr(0, row.databaseType.size())) &&
         allHexDigits(type.substr(row.databaseType.size()));
}

}  // namespace

std::span<const MapperTypeRow> mapperTypeTable() { return kRows; }

MapperAdvice mapperAdvice(std::string_view databaseType) {
  if (databaseType.empty()) {
    return {RomTypeKind::Plain, std::nullopt, std::nullopt};
  }
  for (const MapperTypeRow& row : kRows) {
    if (matches(row, databaseType)) {
      return {row.kind, row.brmsxCode, row.fmsxCode};
    }
  }
  return {RomTypeKind::Mapped, std::nullopt, std::nullopt};
}

}  // namespace vorlent
