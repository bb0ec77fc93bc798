#pragma once

class QMessageBox;

namespace vorlent {

// Makes the box at least as wide as its caption needs in the title bar, beside the close
// button: a box is otherwise as narrow as its text, and a short text cuts the caption.
void leaveRoomForCaption(QMessageBox& box);

}  // namespace vorlent
