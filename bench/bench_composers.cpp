// SPDX-License-Identifier: GPL-3.0-or-later
// Composing both command lines from a fully populated state.
#include <benchmark/benchmark.h>

#include "launch/BrmsxCommand.h"
#include "launch/FmsxCommand.h"

namespace {

vorlent::LauncherState populatedState() {
  vorlent::LauncherState state;
  state.fmsxExePath = "/opt/emu/FMSX-DOS.EXE";
  state.brmsxExePath = "/opt/emu/BRMSX.EXE";
  state.slots[0].path = "/home/user/roms/GAME1.ROM";
  state.slots[0].mapper = 9;
  state.slots[1].path = "/home/user/roms/GAME2.ROM";
  state.slots[1].mapper = 13;
  state.drives[0].path = "/home/user/disks/DISK1.DSK";
  state.drives[1].path = "/home/user/disks/DISK2.DSK";
  state.tapePath = "/home/user/tapes/TAPE.CAS";
  state.fmsxOptions.sound = 3;
  state.fmsxOptions.verbose = 0;
  state.brmsxOptions.scc = 1;
  state.brmsxOptions.speaker = 1;
  state.brmsxOptions.sq = 5;
  return state;
}

void BM_FmsxOptionText(benchmark::State& run) {
  const auto state = populatedState();
  for (auto _ : run) {
    benchmark::DoNotOptimize(vorlent::fmsxOptionText(state.fmsxOptions));
  }
}
BENCHMARK(BM_FmsxOptionText);

void BM_ComposeBrmsxCommand(benchmark::State& run) {
  const auto state = populatedState();
  for (auto _ : run) {
    benchmark::DoNotOptimize(vorlent::composeBrmsxCommand(state, vorlent::PathStyle::Posix));
  }
}
BENCHMARK(BM_ComposeBrmsxCommand);

}  // namespace
