// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlent {

enum class ConsoleStream { Output, Error };

// Writes UTF-8 text to standard output or error as the reader there expects it: as it is on
// POSIX; on Windows to a console as wide text, and into a file or a pipe in the console's code
// page, as Windows' own tools write there. Nothing when the whole text was written, else why
// not, as the general error report words a file failure.
std::optional<std::string> writeConsoleText(ConsoleStream stream, std::string_view utf8);

}  // namespace vorlent
