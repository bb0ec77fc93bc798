#include "platform/SystemText.h"

namespace vorlent {

std::string toSystemText(std::string_view utf8) { return std::string(utf8); }

std::string fromSystemText(std::string_view systemBytes) { return std::string(systemBytes); }

bool systemTextIsUtf8() { return true; }

}  // namespace vorlent
