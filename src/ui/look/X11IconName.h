// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vorlent {

// Keeps the window's icon text also in WM_ICON_NAME, by which window managers that read no
// _NET_WM_ICON_NAME (the one Qt sets) name the minimised window. Does nothing off X11.
void keepX11IconName(QWidget& window);

}  // namespace vorlent
