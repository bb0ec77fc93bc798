// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "launch/OptionLimits.h"

namespace vorlent {
namespace {

TEST(OptionLimitsTest, ChoiceShowsTheNearestItemOrNone) {
  const struct {
    int value;
    int itemCount;
    int shown;
  } cases[] = {
      {0, 2, 0},   {1, 2, 1},   {2, 2, 1},          {3, 3, 2},         {7, 6, 5},  {9, 5, 4},
      {-1, 3, -1}, {-3, 3, -1}, {INT32_MIN, 3, -1}, {INT32_MAX, 7, 6}, {0, 0, -1},  // a choice
                                                                                    // without items
                                                                                    // shows nothing
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shownChoiceItem(c.value, c.itemCount), c.shown) << c.value << " of " << c.itemCount;
  }
}

TEST(OptionLimitsTest, SliderSitsAtTheNearerEnd) {
  const struct {
    int value;
    int minimum;
    int maximum;
    int shown;
  } cases[] = {
      {100, 50, 599, 100},  {20, 50, 599, 50},   {1000, 50, 599, 599}, {100, 455, 45455, 455},
      {0, 1, 10, 1},        {11, 1, 10, 10},     {-5, 0, 15, 0},       {INT32_MIN, 0, 3, 0},
      {INT32_MAX, 0, 3, 3}, {599, 50, 599, 599}, {50, 50, 599, 50},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shownSliderPosition(c.value, c.minimum, c.maximum), c.shown)
        << c.value << " in " << c.minimum << ".." << c.maximum;
  }
}

}  // namespace
}  // namespace vorlent
