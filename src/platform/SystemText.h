#pragma once

#include <string>
#include <string_view>

namespace vorlent {

// The system's code page (see SystemTextCodec.h). Defined by the native library alone: the core
// is handed a SystemTextCodec instead.
std::string toSystemText(std::string_view utf8);
std::string fromSystemText(std::string_view systemBytes);

// True where the system text is UTF-8, so that no text needs converting.
bool systemTextIsUtf8();

}  // namespace vorlent
