// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "launch/BrmsxCommand.h"
#include "launch/BrmsxOptionDialogTable.h"
#include "launch/FmsxCommand.h"
#include "launch/FmsxOptionDialogTable.h"

namespace vorlent {
namespace {

// One integer field of the launcher state, with the values its controls can set.
struct IntegerField {
  std::string name;
  std::function<int&(LauncherState&)> field;
  int lowest = 0;
  int highest = 0;
};

// A composer's whole output for a state.
using Composer = std::function<std::string(const LauncherState&)>;

std::string fmsxOutput(const LauncherState& state) {
  return fmsxOptionText(state.fmsxOptions) + "|" + fmsxModelToken(state.fmsxModel) +
         fmsxResolutionToken(state.fmsxResolution) + fmsxCartridgeTokens(state.slots);
}

std::string brmsxOutput(const LauncherState& state) {
  return composeBrmsxCommand(state, PathStyle::Posix);
}

template <class Options>
void addOptionFields(std::vector<IntegerField>& fields, const OptionDialogTable<Options>& table,
                     Options LauncherState::*options) {
  for (const auto& row : table.controls) {
    const bool choice = row.control.kind == OptionControlKind::Choice;
    fields.push_back(
        {std::string(row.control.name),
         [options, member = row.field](LauncherState& state) -> int& {
           return state.*options.*member;
         },
         choice ? 0 : row.control.slider.minimum,
         choice ? static_cast<int>(row.control.items.size()) - 1 : row.control.slider.maximum});
  }
}

std::vector<IntegerField> fieldsOfBothComposers() {
  std::vector<IntegerField> fields;
  addOptionFields(fields, fmsxOptionDialogTable(), &LauncherState::fmsxOptions);
  addOptionFields(fields, brmsxOptionDialogTable(), &LauncherState::brmsxOptions);
  fields.push_back({"fmsxModel", [](LauncherState& s) -> int& { return s.fmsxModel; }, 0, 2});
  fields.push_back({"brmsxModel", [](LauncherState& s) -> int& { return s.brmsxModel; }, 0, 2});
  fields.push_back(
      {"fmsxResolution", [](LauncherState& s) -> int& { return s.fmsxResolution; }, 0, 3});
  fields.push_back(
      {"brmsxResolution", [](LauncherState& s) -> int& { return s.brmsxResolution; }, 0, 9});
  fields.push_back({"slot1Mapper", [](LauncherState& s) -> int& { return s.slots[0].mapper; },
                    kNoCartridge, kLastMapperCode});
  fields.push_back({"slot2Mapper", [](LauncherState& s) -> int& { return s.slots[1].mapper; },
                    kNoCartridge, kLastMapperCode});
  return fields;
}

// Both ends of the int range, a window around the controls' range, and an even walk across the
// whole range.
std::vector<int> valuesFor(const IntegerField& field) {
  std::set<int> values = {INT_MIN, INT_MIN + 1, INT_MAX - 1, INT_MAX, -1, 0, 1};
  for (long long value = static_cast<long long>(field.lowest) - 64;
       value <= static_cast<long long>(field.highest) + 64; ++value) {
    values.insert(static_cast<int>(value));
  }
  constexpr long long kStep = 1'048'573;  // odd, so the walk meets odd and even values
  for (long long value = INT_MIN; value <= INT_MAX; value += kStep) {
    values.insert(static_cast<int>(value));
  }
  return {values.begin(), values.end()};
}

// How an in-range value of a field shows in a composer's output: as a number that is the value
// plus a fixed offset, or only through a fixed set of texts.
struct WrittenForm {
  std::set<std::string> inRangeTexts;
  bool writesValue = true;
  long long offset = 0;
  int referenceValue = 0;
};

std::string decimal(long long value) { return std::to_string(value); }

WrittenForm learn(const IntegerField& field, const Composer& compose) {
  WrittenForm form;
  bool offsetKnown = false;
  LauncherState state;
  state.slots[0].path = "/r/A.ROM";
  state.slots[1].path = "/r/B.ROM";
  const std::string silent = compose(state);
  for (int value = field.lowest; value <= field.highest; ++value) {
    LauncherState changed = state;
    field.field(changed) = value;
    const std::string text = compose(changed);
    form.inRangeTexts.insert(text);
    if (text == silent) {
      continue;
    }
    bool found = false;
    for (long long offset : {0LL, 1LL}) {
      if ((offsetKnown && offset != form.offset) ||
          text.find(decimal(value + offset)) == std::string::npos) {
        continue;
      }
      if (!offsetKnown) {
        form.offset = offset;
        form.referenceValue = value;
        offsetKnown = true;
      }
      found = true;
      break;
    }
    form.writesValue = form.writesValue && found;
  }
  form.writesValue = form.writesValue && offsetKnown;
  return form;
}

// Whether the text is an in-range text with one piece, the field's token, left out.
bool leavesOutTheToken(const std::string& text, const std::set<std::string>& inRangeTexts) {
  for (const std::string& full : inRangeTexts) {
    if (full.size() <= text.size()) {
      continue;
    }
    std::size_t prefix = 0;
    while (prefix < text.size() && text[prefix] == full[prefix]) {
      ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < text.size() &&
           text[text.size() - 1 - suffix] == full[full.size() - 1 - suffix]) {
      ++suffix;
    }
    if (prefix + suffix >= text.size()) {
      return true;
    }
  }
  return false;
}

std::string replacedOnce(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.rfind(from);
  if (at != std::string::npos) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// Every value of the int range composes without overflow: a value the composer writes as a
// number is written as that value (plus the field's offset), exactly, and any other value shows
// as one of the texts of the controls' own range or leaves the field's token out. In the
// sanitizer build an overflow aborts.
TEST(ComposerRangeTest, EveryIntValueOfEveryFieldComposesWithoutOverflow) {
  const std::vector<std::pair<std::string, Composer>> composers = {{"fMSX", fmsxOutput},
                                                                   {"brMSX", brmsxOutput}};
  for (const auto& [composerName, compose] : composers) {
    for (const IntegerField& field : fieldsOfBothComposers()) {
      const WrittenForm form = learn(field, compose);
      LauncherState state;
      state.slots[0].path = "/r/A.ROM";
      state.slots[1].path = "/r/B.ROM";
      LauncherState reference = state;
      field.field(reference) = form.referenceValue;
      const std::string referenceText = compose(reference);
      for (const int value : valuesFor(field)) {
        LauncherState changed = state;
        field.field(changed) = value;
        const std::string text = compose(changed);
        if (form.inRangeTexts.count(text) != 0 ||
            (!form.writesValue && leavesOutTheToken(text, form.inRangeTexts))) {
          continue;
        }
        SCOPED_TRACE(composerName + " " + field.name + " = " + decimal(value) + ": " + text);
        ASSERT_TRUE(form.writesValue) << "a value outside the range shows a text of its own";
        const std::string written = decimal(static_cast<long long>(value) + form.offset);
        const std::string referenceWritten = decimal(form.referenceValue + form.offset);
        EXPECT_EQ(replacedOnce(text, written, referenceWritten), referenceText);
      }
    }
  }
}

}  // namespace
}  // namespace vorlent
