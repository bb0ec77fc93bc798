#pragma once

namespace vorlent {

// How paths of a platform are delimited: "\" and ":" on Windows, "/" on POSIX systems.
// The path helpers take the style as a value so that both rule sets run on every build.
enum class PathStyle { Windows, Posix };

PathStyle nativePathStyle();

}  // namespace vorlent
