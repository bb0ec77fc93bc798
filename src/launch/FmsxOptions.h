// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent {

// The options of fMSX MS-DOS, one integer per option, each named after the dialog control that
// edits it. A choice holds the chosen item's index, a level the slider position. The values are
// not range-checked here; the composer decides what an unusual value writes.
struct FmsxOptions {
  int ifreq = 0;
  int speed = 100;
  int swapb = 0;
  int vram = 1;
  int ram = 1;
  int joystick = 1;
  int sync = 1;
  int adjust = 0;
  int sprite = 0;
  int modeswitch = 0;
  int chipset = 2;
  int uperiod = 1;
  int sound = 6;
  int vol = 10;
  int scc = 1;
  int fmpac = 0;
  int sq = 2;
  int stereo = 0;
  int reveb = 7;
  int chorus = 0;
  int verbose = 1;

  bool operator==(const FmsxOptions&) const = default;
};

}  // namespace vorlent
