// Composing both command lines from a fully populated state.
#include <benchmark/benchmark.h>

#include "launch/BrmsxCommand.h"
#include "launch/FmsxCommand.h"

namespace {

vorlent::LauncherState populatedState() {
  vorlent::LauncherState state;
  state.fmsxExePath = "/opt/emu/FMSX-DOS.EXE";
  state.brmsxExePath = "/opt/emu/BRMSX.EXE";
  state.slot1Path = "/home/user/roms/GAME1.ROM";
  state.slot1Mapper = 9;
  state.slot2Path = "/home/user/roms/GAME2.ROM";
  state.slot2Mapper = 13;
  state.drive1Path = "/home/user/disks/DISK1.DSK";
  state.drive2Path = "/home/user/disks/DISK2.DSK";
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
