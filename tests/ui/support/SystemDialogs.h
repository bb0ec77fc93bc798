// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Windows' own dialogs (the file dialogs, the folder chooser and their questions) as a test
// finds, reads and answers them while their modal loop runs.

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <QString>
#include <functional>

namespace vorlent::testing {

QString windowText(HWND window);

// The thread's shown dialog of the system's own class other than `besides`.
HWND shownSystemDialog(HWND besides);

void pressDialogButton(HWND dialog, int button);

// Acts on the next system dialog other than `besides` while its modal loop runs: Qt's timers
// fire in the system's modal loops too.
void whenSystemDialogShown(HWND besides, std::function<void(HWND)> act);

// Types `name` into a file dialog's name field, whichever of its two forms the dialog shows.
bool typeFileName(HWND dialog, const QString& name);

}  // namespace vorlent::testing

#endif
