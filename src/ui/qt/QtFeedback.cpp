// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/QtFeedback.h"

#include <QLabel>
#include <QLineEdit>

#include "ui/look/QtText.h"
#include "ui/look/ShownText.h"
#include "ui/qt/MessageBoxes.h"
#include "ui/qt/SoundCuePlayer.h"

namespace vorlent {

QtFeedback::QtFeedback(QWidget* window, QLineEdit* statusLine, std::array<QLabel*, 3> panels,
                       SoundCuePlayer& sounds, ModalPresenter& boxes)
    : window_(window), statusLine_(statusLine), panels_(panels), sounds_(sounds), boxes_(boxes) {}

// A text longer than the line shows its start, which names what was done; the whole of it is the
// line's tooltip.
void QtFeedback::showStatus(std::string_view text) {
  statusLine_->setText(toQt(text));
  statusLine_->setCursorPosition(0);
  statusLine_->setToolTip(plainToolTip(statusLine_->text()));
}

void QtFeedback::setStatusPanel(StatusPanel panel, std::string_view text) {
  panels_[static_cast<std::size_t>(panel)]->setText(toQt(text));
}

void QtFeedback::playSoundCue(SoundCue cue) { sounds_.play(soundCueFileName(cue)); }

void QtFeedback::showMessageBox(MessageKind kind, std::string_view text) {
  vorlent::showMessageBox(boxes_, window_, kind, wrappableText(toQt(text)));
}

void QtFeedback::reportError(std::string_view failureText) {
  showErrorReport(boxes_, window_, failureText);
}

}  // namespace vorlent
