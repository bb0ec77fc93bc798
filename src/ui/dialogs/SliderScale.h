// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "launch/OptionControl.h"

class QLabel;
class QSlider;

namespace vorlent {

// The fixed labels under a slider's track, each centred under the position it names. They
// never show the slider's current position.
class SliderScale : public QWidget {
  Q_OBJECT

 public:
  SliderScale(const QSlider& slider, const std::vector<SliderLabel>& labels, QWidget* parent);

  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeLabels();

  const QSlider& slider_;
  std::vector<std::pair<QLabel*, int>> labels_;
};

}  // namespace vorlent
