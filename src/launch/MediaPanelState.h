#pragma once

#include <string>

#include "launch/ExecutableMarks.h"

namespace vorlent {

inline constexpr int kMapperTypeCount = 11;
inline constexpr int kInitialMapperChoice = 10;

// What the media panel keeps beside the launcher state: never saved, and after a configuration
// load only the display names change. It sits below both the media panel and the configuration
// file so that the loader can set the names the buttons show.
struct MediaPanelState {
  // The mapper type (0 to 10) the next mount of each slot records; it survives ejects.
  int slot1MapperChoice = kInitialMapperChoice;
  int slot2MapperChoice = kInitialMapperChoice;

  // The names the buttons show as tooltips; empty while nothing is inserted.
  std::string slot1Name;
  std::string slot2Name;
  std::string drive1Name;
  std::string drive2Name;
  std::string tapeName;

  // Which executable buttons show the image of a found executable.
  ExecutableMarks executables;

  bool operator==(const MediaPanelState&) const = default;
};

}  // namespace vorlent
