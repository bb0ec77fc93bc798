// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent {

// How paths of a platform are delimited: "\" and ":" on Windows, "/" on POSIX systems.
// The path helpers take the style as a value so that both rule sets run on every build.
enum class PathStyle { Windows, Posix };

// The style of the system the program is built for.
constexpr PathStyle nativePathStyle() {
#ifdef _WIN32
  return PathStyle::Windows;
#else
  return PathStyle::Posix;
#endif
}

}  // namespace vorlent
