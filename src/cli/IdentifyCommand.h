// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommands.h"

namespace vorlent {

// "identify [--database FILE] [--] FILE...": one line per file, its fields separated by TAB: the
// file as given, its SHA-1, title, company, year, the database's type, the brMSX and the fMSX
// mapper code. Without --database the database is looked for as the program looks for it.
CliResult runIdentifyCommand(const std::vector<std::string>& files,
                             const std::optional<std::string>& databaseFile);

}  // namespace vorlent
