// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "launch/LauncherState.h"

namespace vorlent {

// How a ROM type of the software database is run by the two emulators.
enum class RomTypeKind {
  Plain,   // no bank switching: no mapper item is needed
  Mapped,  // a MegaROM; the codes say which item each emulator uses
};

// One database type and the slot menu items (mapper codes 7 to 17) that run it.
struct MapperTypeRow {
  // The database's name, compared without ASCII letter case. A prefix row also matches the
  // name followed by hexadecimal digits ("Page" matches "page23", "Mirrored" "Mirrored4000").
  std::string_view databaseType;
  bool prefix;
  RomTypeKind kind;
  // Nothing where the emulator has no item that runs the type.
  std::optional<int> brmsxCode;
  std::optional<int> fmsxCode;
  std::string_view reason;
};

std::span<const MapperTypeRow> mapperTypeTable();

// What a database type means for the emulators. An empty type is a plain ROM; a type the
// table does not name is a MegaROM that neither emulator runs.
struct MapperAdvice {
  RomTypeKind kind = RomTypeKind::Plain;
  std::optional<int> brmsxCode;
  std::optional<int> fmsxCode;

  std::optional<int> codeFor(EmulatorKind emulator) const {
    return emulator == EmulatorKind::Fmsx ? fmsxCode : brmsxCode;
  }
  bool operator==(const MapperAdvice&) const = default;
};

MapperAdvice mapperAdvice(std::string_view databaseType);

}  // namespace vorlent
