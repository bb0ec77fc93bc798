#!/usr/bin/env bash
# The Windows program, cross-built with mingw-w64 against the Qt of build-qt-windows.sh and run
# under Wine on a virtual display.
#
#   scripts/windows.sh build         builds build/windows/bin/vorlent.exe, vorlent-cli.exe and
#                                    the windows' tests
#   scripts/windows.sh package       and packs build/windows/vorlent-win64.zip
#   scripts/windows.sh screenshots   renders every window to build/windows/screenshots/
#   scripts/windows.sh test          builds, packs, runs the windows' tests under Wine and
#                                    starts the program from the unpacked package alone
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

# The window tests that drive the real windows. test_icons and test_feedback check pictures
# and messages the same way on every system and run too.
window_tests=(test_main_window test_main_window_road test_fmsx_dialog test_brmsx_dialog
  test_join_dialog test_file_operations test_monkey test_icons test_feedback
  test_filelistmodel test_rom_identify)

run_window_tests() {
  run_from_build_env
  local failed=() name status
  for name in "${window_tests[@]}"; do
    status=0
    wine_on_display timeout 600 wine "$build/bin/$name.exe" -silent >"$build/$name.log" 2>&1 ||
      status=$?
    if [ "$status" -eq 0 ]; then
      step "$name passed"
    else
      step "$name FAILED (exit status $status), log: $build/$name.log"
      tail -n 30 "$build/$name.log"
      failed+=("$name")
    fi
  done
  step "window tests: $((${#window_tests[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
  [ ${#failed[@]} -eq 0 ]
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
    step "test-windows took $((SECONDS - started)) s, exit status $status"
    exit "$status"
    ;;
  *)
    echo "usage: scripts/windows.sh build|package|screenshots|test" >&2
    exit 2
    ;;
esac
