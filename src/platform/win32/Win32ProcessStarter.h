// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <windows.h>

#include "platform/ProcessStarter.h"

namespace vorlent::win32 {

// CreateProcessA with the launcher's start arguments: the application name (null for none) and
// the command line, both in the code page, and the one handle the process inherits (null for
// none).
using CreateProcessCall = std::function<StartResult(const char* applicationName,
                                                    std::string commandLine, HANDLE inherited)>;

// Where DOSBox is, when there is one.
using DosBoxLocator = std::function<std::optional<std::string>()>;

StartResult createProcess(const char* applicationName, std::string commandLine, HANDLE inherited);

// Whether the system starts MS-DOS programs itself: a 32-bit Windows does; a 64-bit one does
// not, nor does it for a 32-bit program.
bool systemStartsMsDosPrograms();

// An MS-DOS program, told by its header, runs in the DOSBox that `locateDosBox` finds where the
// system cannot start it itself (64-bit Windows): its folder as C:, the folders of the files its
// arguments name as further drives, and the files whose names MS-DOS cannot open, or whose
// folders DOSBox cannot mount, under names of the launcher's own in a staging folder that the
// DOSBox holds until it ends. Without DOSBox, with a command tail longer than
// the 126 bytes MS-DOS hands a program, or with a word DOSBox's shell would read, nothing starts
// and the result says which. Where the system starts MS-DOS programs itself, such a program
// whose tail is too long is not started either, rather than started with it cut.
std::unique_ptr<ProcessStarter> makeWin32ProcessStarter(
    CreateProcessCall create, DosBoxLocator locateDosBox,
    bool startsMsDosPrograms = systemStartsMsDosPrograms());

}  // namespace vorlent::win32
