// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;

namespace vorlent {

// Makes the dialog at least as wide as its caption needs in the title bar, beside the close
// button: a box or prompt is otherwise as narrow as its text, and a short text cuts the caption.
void leaveRoomForCaption(QDialog& dialog);

}  // namespace vorlent
