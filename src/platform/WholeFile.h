// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlent {

// The bytes of a regular file, read whole. A folder, a FIFO, a device or a file larger than
// sizeLimit is refused without blocking; every refusal and read error is thrown as Failure.
// Defined by the native library alone: the core reads through FileSystem::readRegularFile.
std::string readWholeRegularFile(std::string_view path, std::size_t sizeLimit);

}  // namespace vorlent
