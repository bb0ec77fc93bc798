// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "launch/OptionControl.h"

namespace vorlent {

// One builder per kind of control, so that an option dialog's table gives each control in one
// call naming only what sets it apart; every other field keeps OptionControl's default. The name
// is the name of the field the control edits. The reset button puts back the field's value in a
// default-constructed Options, so each default is written once, in the options struct.

// Two radio buttons "OFF" and "ON".
template <class Options>
OptionControlRow<Options> onOffRow(int Options::*field, std::string_view name, int page,
                                   std::string_view caption) {
  OptionControlRow<Options> row{field, {}};
  row.control.name = name;
  row.control.kind = OptionControlKind::Choice;
  row.control.page = page;
  row.control.caption = caption;
  row.control.items = {"OFF", "ON"};
  row.control.reset = Options{}.*field;
  return row;
}

// A group of radio buttons, one per item, in one column unless inColumns says otherwise.
template <class Options>
OptionControlRow<Options> choiceRow(int Options::*field, std::string_view name, int page,
                                    std::string_view caption, std::vector<std::string_view> items) {
  OptionControlRow<Options> row{field, {}};
  row.control.name = name;
  row.control.kind = OptionControlKind::Choice;
  row.control.page = page;
  row.control.caption = caption;
  row.control.items = std::move(items);
  row.control.reset = Options{}.*field;
  return row;
}

// A group whose radio buttons are laid out in the given number of columns.
template <class Options>
OptionControlRow<Options> inColumns(int columns, OptionControlRow<Options> row) {
  row.control.columns = columns;
  return row;
}

// A slider in the frame of the given name, captioned by caption.
template <class Options>
OptionControlRow<Options> levelRow(int Options::*field, std::string_view name, int page,
                                   std::string_view caption, std::string_view frame,
                                   SliderSpec slider) {
  OptionControlRow<Options> row{field, {}};
  row.control.name = name;
  row.control.kind = OptionControlKind::Level;
  row.control.page = page;
  row.control.caption = caption;
  row.control.frame = frame;
  row.control.slider = std::move(slider);
  row.control.reset = Options{}.*field;
  return row;
}

// A text under a slider's track at its position; defaultMark draws it in red.
inline SliderLabel mark(std::string_view text, int position) { return {text, position, false}; }
inline SliderLabel defaultMark(std::string_view text, int position) {
  return {text, position, true};
}

}  // namespace vorlent
