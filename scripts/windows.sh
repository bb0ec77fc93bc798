#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program, cross-built with mingw-w64 against the Qt of build-qt-windows.sh and run
# under Wine on a virtual display.
#
#   scripts/windows.sh build         builds build/windows/bin/vorlent.exe, vorlent-cli.exe and
#                                    the windows' tests
#   scripts/windows.sh package       and packs build/windows/vorlent-win64.zip
#   scripts/windows.sh screenshots   renders every window to build/windows/screenshots/
#   scripts/windows.sh test          builds, packs, runs the windows' tests under Wine and
#                                    starts the program from the unpacked package alone, once
#                                    to close it and once to start brMSX in DOSBox with F5
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/windows
action=${1:-build}

. scripts/wine-session.sh

step() { echo "windows: $*"; }

build_program() {
  local started=$SECONDS
  qt=$(scripts/build-qt-windows.sh | tail -n 1)
  wine_install_missing cmake ninja-build librsvg2-bin googletest
  cmake --preset windows -DCMAKE_PREFIX_PATH="$qt" >/dev/null
  cmake --build --preset windows
  step "built in $((SECONDS - started)) s"
}

# The programs of the build tree find Qt's DLLs and the toolchain's runtime through WINEPATH;
# Qt finds its plugins beside its own DLLs.
run_from_build_env() {
  wine_japanese_locale "$build/locale"
  wine_prefix "$build/wineprefix"
  wine_qt_env
  wine_path "$qt/bin" "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")" \
    /usr/x86_64-w64-mingw32/lib
}

package() {
  scripts/windows-package.sh "$qt" "$build"
}

screenshots() {
  run_from_build_env
  rm -rf "$build/screenshots"
  mkdir -p "$build/screenshots"
  wine_on_display timeout 600 wine "$build/bin/render_screenshots.exe" \
    "$(winepath -w "$build/screenshots")"
  step "screenshots in $build/screenshots"
}

# The window tests that drive the real windows, and those of pictures, messages and the list
# model. test_sound_module is not built for Windows: Windows plays the sound cues itself, with
# no sound module to test.
window_tests=(test_main_window test_main_window_road test_fmsx_dialog test_brmsx_dialog
  test_join_dialog test_file_operations test_monkey test_icons test_feedback
  test_filelistmodel test_rom_identify test_settings_failures test_what_is_shown
  test_control_wiring test_window_as_met)

# One lane runs its share of the window tests one after another, in a Wine prefix and from a
# display number of its own, so that two lanes run side by side; each failed test's name is
# written to the file given.
#   run_window_test_lane LANE PREFIX FAILURES TEST...
run_window_test_lane() {
  local lane=$1 failures=$3 name status
  export WINEPREFIX=$2 wine_display_from=$((100 + 100 * lane))
  shift 3
  for name in "$@"; do
    status=0
    wine_on_display timeout 600 wine "$build/bin/$name.exe" -silent \
      >"$build/$name.log" 2>&1 || status=$?
    if [ "$status" -eq 0 ]; then
      step "$name passed ($(grep -a '^Totals' "$build/$name.log" | cut -d, -f1-3))"
    else
      step "$name FAILED (exit status $status), log: $build/$name.log"
      grep -a -A3 '^FAIL' "$build/$name.log" | head -n 40
      echo "$name" >>"$failures"
    fi
  done
  # A lane that stopped early leaves no mark, and fails the whole run.
  echo "$lane" >>"$failures.lanes"
}

run_window_tests() {
  run_from_build_env
  # Fewer random commands than on Linux (20,000): every one is slower under Wine.
  export VORLENT_MONKEY_COMMANDS=${VORLENT_MONKEY_COMMANDS:-300}
  # Lane 0 runs in the build's prefix, lane 1 in a copy of it.
  local second_prefix=$build/wineprefix-lane1
  rm -rf "$second_prefix"
  cp -a "$WINEPREFIX" "$second_prefix"
  local failures=$build/window-tests-failed index=0 name first=() second=()
  : >"$failures"
  : >"$failures.lanes"
  # The tests are dealt out in turn, so each lane gets long and short ones alike.
  for name in "${window_tests[@]}"; do
    if [ $((index % 2)) -eq 0 ]; then first+=("$name"); else second+=("$name"); fi
    index=$((index + 1))
  done
  run_window_test_lane 0 "$WINEPREFIX" "$failures" "${first[@]}" &
  local first_lane=$!
  run_window_test_lane 1 "$second_prefix" "$failures" "${second[@]}" &
  wait "$first_lane" "$!"
  local failed
  failed=$(wc -l <"$failures")
  step "window tests: $((${#window_tests[@]} - failed)) passed, $failed failed"
  [ "$(sort "$failures.lanes" | tr -d '\n')" = 01 ] || { step "a lane of window tests stopped early"; return 1; }
  [ "$failed" -eq 0 ]
}

# The package, unpacked alone into a fresh prefix with nothing on WINEPATH: the main window
# appears, closes on Ctrl+Q and leaves its settings beside the program.
check_package() {
  local scratch
  scratch=$(mktemp -d)
  unzip -q "$build/vorlent-win64.zip" -d "$scratch"
  (
    wine_japanese_locale "$build/locale"
    wine_prefix "$scratch/prefix"
    unset WINEPATH
    wine_on_display scripts/windows-package-start.sh "$scratch/vorlent/vorlent.exe"
  )
  local status=$?
  rm -rf "$scratch"
  return "$status"
}

# The package, unpacked alone into a fresh prefix with an MS-DOS BRMSX.EXE, a ROM in slot 1 and
# a recording DOSBox where its installer puts it: F5 in the main window starts DOSBox with the
# exact command brMSX needs there. The screen after F5 is kept in build/windows/dosbox-f5.png.
check_package_dosbox() {
  (
    wine_japanese_locale "$build/locale"
    wine_on_display scripts/windows-dosbox-start.sh window "$build/vorlent-win64.zip" \
      "$build/bin/record_command_line.exe" "$build/dosbox-f5.png"
  )
}

case $action in
  build) build_program ;;
  package) build_program && package ;;
  screenshots) build_program && screenshots ;;
  test)
    started=$SECONDS
    build_program
    package
    status=0
    run_window_tests || status=1
    check_package || status=1
    check_package_dosbox || status=1
    step "test-windows took $((SECONDS - started)) s, exit status $status"
    exit "$status"
    ;;
  *)
    echo "usage: scripts/windows.sh build|package|screenshots|test" >&2
    exit 2
    ;;
esac
