// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent {

// The options of brMSX, one integer per option, each named after the dialog control that edits
// it. An on/off option is a choice of "OFF" (0) and "ON" (1). Fields are in the order in which
// their tokens are written.
struct BrmsxOptions {
  int ifreq = 0;
  int cpu = 0;
  int ram = 0;
  int Korean = 0;
  int megaram = 1;
  int mapper = 1;
  int vsync = 0;
  int green = 0;
  int frame = 1;
  int allspr = 0;
  int vdptiming = 0;
  int nocache = 0;
  int cpug = 0;
  int psgg = 0;
  int nosound = 0;
  int scc = 0;
  int fmpac = 0;
  int speaker = 0;
  int sr = 45455;
  int joy = 0;
  int joysens = 3;
  int fakejoy = 0;
  int snespad = 0;
  int autofire = 0;
  int autorun = 0;
  int autospeed = 5;
  int nommx = 0;
  int nomouse = 0;
  int novesa = 0;
  int noled = 0;
  int nopentium = 0;
  int help = 0;
  int noenter = 0;
  int sq = 1;
  int multi = 0;
  int com = 0;
  int trtimer = 0;
  int dos2 = 0;
  int advram = 0;
  int diskhl = 0;

  bool operator==(const BrmsxOptions&) const = default;
};

}  // namespace vorlent
