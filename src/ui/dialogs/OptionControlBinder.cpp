// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/OptionControlBinder.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "launch/OptionLimits.h"
#include "ui/dialogs/SliderScale.h"
#include "ui/look/QtText.h"
#include "ui/look/ShownText.h"

namespace vorlent {

OptionControlBinder::OptionControlBinder(const OptionControl& control, int& field, QWidget* parent)
    : control_(control), field_(field) {
  if (control.kind == OptionControlKind::Level) {
    buildLevel(parent);
  } else {
    buildChoice(parent);
  }
}

QWidget* OptionControlBinder::widget() const { return frame_; }

// The items run down the first column, then down the next, as many to a column as the item
// count divided by the columns, rounded up; the columns share the width equally.
void OptionControlBinder::buildChoice(QWidget* parent) {
  frame_ = new QGroupBox(literalCaption(control_.caption), parent);
  frame_->setObjectName(toQt(control_.name));
  buttons_ = new QButtonGroup(frame_);
  // The items stand close, as a radio group's items do, so that the longest lists of the
  // fMSX dialog fit its page beside the other controls.
  auto* layout = new QGridLayout(frame_);
  layout->setContentsMargins(8, 0, 8, 2);
  layout->setVerticalSpacing(0);
  const int count = static_cast<int>(control_.items.size());
  const int columns = std::max(1, control_.columns);
  const int perColumn = std::max(1, (count + columns - 1) / columns);
  for (int index = 0; index < count; ++index) {
    auto* button =
        new QRadioButton(literalCaption(control_.items[static_cast<std::size_t>(index)]), frame_);
    button->setObjectName(toQt(control_.name) + QString::number(index));
    buttons_->addButton(button, index);
    layout->addWidget(button, index % perColumn, index / perColumn);
  }
  // Every column takes its share of the width, also one that no item fills.
  for (int column = 0; column < columns; ++column) {
    layout->setColumnStretch(column, 1);
  }
}

void OptionControlBinder::buildLevel(QWidget* parent) {
  frame_ = new QGroupBox(literalCaption(control_.caption), parent);
  frame_->setObjectName(toQt(control_.frame));
  slider_ = new QSlider(Qt::Horizontal, frame_);
  slider_->setObjectName(toQt(control_.name));
  const SliderSpec& s = control_.slider;
  slider_->setRange(s.minimum, s.maximum);
  slider_->setSingleStep(s.arrowStep);
  slider_->setPageStep(s.pageStep);
  slider_->setTickInterval(s.tickInterval);
  slider_->setTickPosition(QSlider::TicksBelow);
  auto* scale = new SliderScale(*slider_, s.labels, frame_);
  scale->setObjectName(toQt(control_.name) + QStringLiteral("Scale"));
  auto* layout = new QVBoxLayout(frame_);
  layout->setContentsMargins(8, 2, 8, 4);
  layout->setSpacing(0);
  layout->addWidget(slider_);
  layout->addWidget(scale);
}

void OptionControlBinder::show(int value) {
  if (slider_ != nullptr) {
    slider_->setValue(shownSliderPosition(value, slider_->minimum(), slider_->maximum()));
    return;
  }
  const int item = shownChoiceItem(value, static_cast<int>(buttons_->buttons().size()));
  if (item == kNoItemShown) {
    // An exclusive group keeps one button checked; it must let go to show none.
    buttons_->setExclusive(false);
    for (QAbstractButton* button : buttons_->buttons()) {
      button->setChecked(false);
    }
    buttons_->setExclusive(true);
  } else {
    buttons_->button(item)->setChecked(true);
  }
}

int OptionControlBinder::shownValue() const {
  if (slider_ != nullptr) {
    return slider_->value();
  }
  return buttons_->checkedId();
}

}  // namespace vorlent
