// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vorlent {

// The program's own manual (doc/manual.md, built into the program), in a window of its own
// that belongs to `owner`: made at the first request, shown and raised at every one.
void showManualWindow(QWidget& owner);

}  // namespace vorlent
