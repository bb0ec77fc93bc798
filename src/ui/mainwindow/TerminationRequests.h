// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent {

class TForm1;

// Closes the main window when the system asks the program to end (SIGTERM, SIGINT, SIGHUP),
// through the event loop: between two events, so never inside a save, and as a close that saves
// the configuration and asks nothing.
void closeOnTerminationRequests(TForm1& window);

}  // namespace vorlent
