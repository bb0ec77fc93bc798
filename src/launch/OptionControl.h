// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace vorlent {

enum class OptionControlKind {
  Choice,  // a framed group of radio buttons; the field holds the chosen item's index
  Level,   // a horizontal slider in a frame; the field holds its position
};

// A fixed text under a slider's track, centred under the position it names.
struct SliderLabel {
  std::string_view text;
  int position = 0;
  bool marksDefault = false;  // drawn in red
};

struct SliderSpec {
  int minimum = 0;
  int maximum = 0;
  int arrowStep = 1;
  int pageStep = 1;
  int tickInterval = 1;
  std::vector<SliderLabel> labels;
};

// How one option of an option dialog looks and what the reset button puts into it. The texts
// are the emulator's own documentation of the option and are shown exactly as they stand.
struct OptionControl {
  std::string_view name;  // also the name of the field it edits
  OptionControlKind kind = OptionControlKind::Choice;
  int page = 0;
  std::string_view caption;  // the group's caption, or for a slider its frame's caption
  std::vector<std::string_view> items;
  int columns = 1;
  std::string_view frame;  // the slider's frame
  SliderSpec slider;
  int reset = 0;
};

template <class Options>
struct OptionControlRow {
  int Options::*field = nullptr;
  OptionControl control;
};

// Everything an option dialog shows, as data: the window and its pages, then one row per
// option in the order the controls are laid out.
template <class Options>
struct OptionDialogTable {
  std::string_view caption;
  int clientWidth = 0;
  int clientHeight = 0;
  int pagesHeight = 0;
  std::vector<std::string_view> pages;
  std::vector<OptionControlRow<Options>> controls;
};

}  // namespace vorlent
