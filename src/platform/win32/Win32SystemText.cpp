#include <windows.h>

#include "platform/SystemText.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

std::string toSystemText(std::string_view utf8) { return win32::ansi(utf8); }

std::string fromSystemText(std::string_view systemBytes) { return win32::fromAnsi(systemBytes); }

bool systemTextIsUtf8() { return ::GetACP() == CP_UTF8; }

}  // namespace vorlent
