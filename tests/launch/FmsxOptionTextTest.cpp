// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "launch/FmsxCommand.h"

namespace vorlent {
namespace {

struct OptionCase {
  const char* field;
  int FmsxOptions::*member;
  int value;
  const char* text;
};

// Each field alone away from its initial value, and at the value that writes nothing.
const OptionCase kOptionCases[] = {
    {"ifreq", &FmsxOptions::ifreq, 1, "-ifreq 60 "},
    {"ifreq", &FmsxOptions::ifreq, 0, ""},
    {"speed", &FmsxOptions::speed, 150, "-cpuspeed 150 "},
    {"speed", &FmsxOptions::speed, 50, "-cpuspeed 50 "},
    {"speed", &FmsxOptions::speed, 599, "-cpuspeed 599 "},
    {"speed", &FmsxOptions::speed, 100, ""},
    {"swapb", &FmsxOptions::swapb, 1, "-swapbuttons 1 "},
    {"swapb", &FmsxOptions::swapb, 0, ""},
    {"vram", &FmsxOptions::vram, 0, "-vram 4 "},
    {"vram", &FmsxOptions::vram, 1, ""},
    {"ram", &FmsxOptions::ram, 0, "-ram 4 "},
    {"ram", &FmsxOptions::ram, 1, ""},
    {"joystick", &FmsxOptions::joystick, 0, "-joystick 0 "},
    {"joystick", &FmsxOptions::joystick, 2, "-joystick 2 "},
    {"joystick", &FmsxOptions::joystick, 1, ""},
    {"sync", &FmsxOptions::sync, 0, "-sync 0 "},
    {"sync", &FmsxOptions::sync, 1, ""},
    {"adjust", &FmsxOptions::adjust, 3, "-adjust 3 "},
    {"adjust", &FmsxOptions::adjust, 1, "-adjust 1 "},
    {"adjust", &FmsxOptions::adjust, 0, ""},
    {"sprite", &FmsxOptions::sprite, 1, "-sprite 1 "},
    {"sprite", &FmsxOptions::sprite, 0, ""},
    {"modeswitch", &FmsxOptions::modeswitch, 1, "-modeswitch 1 "},
    {"modeswitch", &FmsxOptions::modeswitch, 0, ""},
    {"chipset", &FmsxOptions::chipset, 0, "-chipset 0 "},
    {"chipset", &FmsxOptions::chipset, 1, "-chipset 1 "},
    {"chipset", &FmsxOptions::chipset, 3, "-chipset 1 "},
    {"chipset", &FmsxOptions::chipset, 2, ""},
    {"uperiod", &FmsxOptions::uperiod, 0, "-uperiod 1 "},
    {"uperiod", &FmsxOptions::uperiod, 8, "-uperiod 9 "},
    {"uperiod", &FmsxOptions::uperiod, 1, ""},
    {"sound", &FmsxOptions::sound, 0, "-sound 0 "},
    {"sound", &FmsxOptions::sound, 3, "-sound 3 "},
    {"sound", &FmsxOptions::sound, 6, ""},
    {"vol", &FmsxOptions::vol, 0, "-volume 0 "},
    {"vol", &FmsxOptions::vol, 15, "-volume 15 "},
    {"vol", &FmsxOptions::vol, 10, ""},
    {"scc", &FmsxOptions::scc, 0, "-scc 0 "},
    {"scc", &FmsxOptions::scc, 1, ""},
    {"fmpac", &FmsxOptions::fmpac, 3, "-fmpac 3 "},
    {"fmpac", &FmsxOptions::fmpac, 0, ""},
    {"sq", &FmsxOptions::sq, 4, "-soundquality 5 "},
    {"sq", &FmsxOptions::sq, 0, "-soundquality 1 "},
    {"sq", &FmsxOptions::sq, 2, ""},
    {"stereo", &FmsxOptions::stereo, 100, "-stereo 100 "},
    {"stereo", &FmsxOptions::stereo, 0, ""},
    {"reveb", &FmsxOptions::reveb, 0, "-reverb 0 "},
    {"reveb", &FmsxOptions::reveb, 7, ""},
    {"chorus", &FmsxOptions::chorus, 50, "-chorus 50 "},
    {"chorus", &FmsxOptions::chorus, 0, ""},
    {"verbose", &FmsxOptions::verbose, 0, " -verbose 0 "},
    {"verbose", &FmsxOptions::verbose, 2, " -verbose 2 "},
    {"verbose", &FmsxOptions::verbose, 3, " -verbose 4 "},
    {"verbose", &FmsxOptions::verbose, 4, " -verbose 8 "},
    {"verbose", &FmsxOptions::verbose, 5, " -verbose 16 "},
    {"verbose", &FmsxOptions::verbose, 1, ""},
    {"verbose", &FmsxOptions::verbose, 6, ""},
    {"verbose", &FmsxOptions::verbose, -1, ""},
};

TEST(FmsxOptionTextTest, EachFieldWritesItsTokenOrNothing) {
  for (const OptionCase& c : kOptionCases) {
    FmsxOptions options;
    options.*c.member = c.value;
    EXPECT_EQ(fmsxOptionText(options), c.text) << c.field << " = " << c.value;
  }
}

TEST(FmsxOptionTextTest, InitialValuesWriteNothing) {
  EXPECT_EQ(fmsxOptionText(FmsxOptions{}), "");
}

TEST(FmsxOptionTextTest, TokensFollowTheTableOrderWithTheirBlanks) {
  FmsxOptions options;
  options.chorus = 50;
  options.verbose = 0;
  EXPECT_EQ(fmsxOptionText(options), "-chorus 50  -verbose 0 ");

  FmsxOptions every;
  every.ifreq = 1;
  every.speed = 200;
  every.swapb = 1;
  every.vram = 0;
  every.ram = 0;
  every.joystick = 2;
  every.sync = 0;
  every.adjust = 2;
  every.sprite = 1;
  every.modeswitch = 1;
  every.chipset = 0;
  every.uperiod = 3;
  every.sound = 2;
  every.vol = 5;
  every.scc = 0;
  every.fmpac = 1;
  every.sq = 3;
  every.stereo = 30;
  every.reveb = 20;
  every.chorus = 10;
  every.verbose = 5;
  EXPECT_EQ(fmsxOptionText(every),
            "-ifreq 60 -cpuspeed 200 -swapbuttons 1 -vram 4 -ram 4 -joystick 2 -sync 0 "
            "-adjust 2 -sprite 1 -modeswitch 1 -chipset 0 -uperiod 4 -sound 2 -volume 5 "
            "-scc 0 -fmpac 1 -soundquality 4 -stereo 30 -reverb 20 -chorus 10  -verbose 16 ");
}

}  // namespace
}  // namespace vorlent
