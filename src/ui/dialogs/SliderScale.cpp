// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/SliderScale.h"

#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

#include "ui/look/QtText.h"

namespace vorlent {

SliderScale::SliderScale(const QSlider& slider, const std::vector<SliderLabel>& labels,
                         QWidget* parent)
    : QWidget(parent), slider_(slider) {
  for (const SliderLabel& label : labels) {
    auto* text = new QLabel(toQt(label.text), this);
    if (label.marksDefault) {
      QPalette palette = text->palette();
      palette.setColor(QPalette::WindowText, Qt::red);
      text->setPalette(palette);
    }
    text->adjustSize();
    labels_.emplace_back(text, label.position);
  }
}

QSize SliderScale::sizeHint() const {
  int height = 0;
  for (const auto& [label, position] : labels_) {
    height = std::max(height, label->sizeHint().height());
  }
  return {slider_.sizeHint().width(), height};
}

void SliderScale::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeLabels();
}

// The scale lies directly under the slider with the same width, so the handle's centre for a
// value is also the label's centre.
void SliderScale::placeLabels() {
  QStyleOptionSlider option;
  option.initFrom(&slider_);
  option.orientation = slider_.orientation();
  const int handle = slider_.style()->pixelMetric(QStyle::PM_SliderLength, &option, &slider_);
  const int span = std::max(0, slider_.width() - handle);
  for (const auto& [label, position] : labels_) {
    const int centre =
        QStyle::sliderPositionFromValue(slider_.minimum(), slider_.maximum(), position, span) +
        handle / 2;
    const int left =
        std::clamp(centre - label->width() / 2, 0, std::max(0, width() - label->width()));
    label->move(left, 0);
  }
}

}  // namespace vorlent
