#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/ProcessStarter.h"

namespace vorlent::win32 {

// CreateProcessA with the launcher's start arguments: the application name (null for none) and
// the command line, both in the code page.
using CreateProcessCall =
    std::function<StartResult(const char* applicationName, std::string commandLine)>;

// Where DOSBox is, when there is one.
using DosBoxLocator = std::function<std::optional<std::string>()>;

StartResult createProcess(const char* applicationName, std::string commandLine);

// Whether the system starts MS-DOS programs itself: a 32-bit Windows does; a 64-bit one does
// not, nor does it for a 32-bit program.
bool systemStartsMsDosPrograms();

// A 64-bit Windows cannot start MS-DOS programs (ERROR_BAD_EXE_FORMAT); those then run in the
// DOSBox that `locateDosBox` finds. Without DOSBox the failure stays as it was. Where the system
// starts them itself, an MS-DOS program whose arguments are longer than MS-DOS hands a program
// is not started (ERROR_FILENAME_EXCED_RANGE), as in DOSBox, rather than started with them cut.
std::unique_ptr<ProcessStarter> makeWin32ProcessStarter(
    CreateProcessCall create, DosBoxLocator locateDosBox,
    bool startsMsDosPrograms = systemStartsMsDosPrograms());

}  // namespace vorlent::win32
