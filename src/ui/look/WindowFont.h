// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace vorlent {

// The font of every window: the Japanese UI face at 12 pixels, with the Japanese faces a Linux
// desktop has as fallbacks so that no text shows as boxes.
QFont windowFont(int pixelSize = 12);

}  // namespace vorlent
