// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent {

// The requests of the system to end the program (SIGTERM, SIGINT, SIGHUP on POSIX), turned into
// a descriptor that the event loop can wait on, so that the program ends as a close of its
// window would, between two events and never inside a save.

// Catches the requests from now on; each one makes the returned descriptor readable. -1 where
// the system sends no such requests or they cannot be caught.
int catchTerminationSignals();

// Reads away what the requests caught so far made readable.
void takeTerminationSignals(int handle);

}  // namespace vorlent
