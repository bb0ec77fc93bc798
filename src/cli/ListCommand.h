// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/CliCommands.h"

namespace vorlent {

// "list FOLDER [--sort COLUMN]": the listing, one entry a line, its texts separated by tabs;
// a column 0 to 4 orders it as a click on that column header does.
CliResult runListCommand(std::string_view folder, const std::optional<std::string>& sortColumn);

}  // namespace vorlent
