// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TerminationSignals.h"

namespace vorlent {

// Windows ends a windowed program by closing its window, which the window handles itself.
int catchTerminationSignals() { return -1; }

void takeTerminationSignals(int) {}

}  // namespace vorlent
