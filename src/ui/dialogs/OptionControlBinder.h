// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launch/OptionControl.h"

class QButtonGroup;
class QGroupBox;
class QSlider;
class QWidget;

namespace vorlent {

// One option's control and the field it edits. The control is a working copy: fill shows the
// field, limited to what the control can show; store takes the control's value into the field;
// reset shows the reset value without touching the field.
class OptionControlBinder {
 public:
  // The control is built inside parent; control and field must outlive the binder.
  OptionControlBinder(const OptionControl& control, int& field, QWidget* parent);

  QWidget* widget() const;
  int page() const { return control_.page; }

  void fill() { show(field_); }
  void store() { field_ = shownValue(); }
  void reset() { show(control_.reset); }

  void show(int value);

  // The chosen item's index (-1 for none) or the slider's position.
  int shownValue() const;

 private:
  void buildChoice(QWidget* parent);
  void buildLevel(QWidget* parent);

  const OptionControl& control_;
  int& field_;
  QGroupBox* frame_ = nullptr;
  QButtonGroup* buttons_ = nullptr;
  QSlider* slider_ = nullptr;
};

}  // namespace vorlent
