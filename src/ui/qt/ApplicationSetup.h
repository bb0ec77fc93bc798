// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent {

// What the program sets on the application before its main window is made: its name, the
// window font and its style, Qt's own texts in Japanese, and no settings file of Qt's.
void setUpApplication();

}  // namespace vorlent
