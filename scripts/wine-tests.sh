#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the platform layer, the core, vorlent-cli and the Windows tests with mingw-w64
# into build/mingw and runs the tests under Wine, headless. Installs the toolchain, Wine and the
# Japanese locale data when they are missing. Exits 0 with "skipped: ..." only when they cannot
# be installed, and not even then when VORLENT_REQUIRE_WINE=1 (as in CI); any build or test
# failure exits non-zero.
set -euo pipefail

cd "$(dirname "$0")/.."
build=build/mingw
packages=(g++-mingw-w64-x86-64-posix wine wine64 locales cmake ninja-build)

skip() {
  if [ "${VORLENT_REQUIRE_WINE:-0}" = 1 ]; then
    echo "wine-tests: failed: $*" >&2
    exit 1
  fi
  echo "wine-tests: skipped: $*"
  exit 0
}

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || skip "not root and no sudo to install ${missing[*]}"
    sudo=(sudo -n)
  fi
  echo "wine-tests: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null 2>&1; then
    "${sudo[@]}" apt-get update -qq >/dev/null 2>&1 || skip "apt-get update failed"
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null 2>&1 ||
      skip "apt-get could not install ${missing[*]}"
  fi
fi
command -v x86_64-w64-mingw32-g++-posix >/dev/null || skip "no x86_64-w64-mingw32-g++-posix"
command -v wine >/dev/null || skip "no wine"

# The Shift-JIS tests need Wine's system code page 932, which it takes from a Japanese locale.
# The locale is compiled into the build folder when the system has none, so nothing outside
# the build changes.
japanese=()
if locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
  japanese=(LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 VORLENT_REQUIRE_SHIFT_JIS=1)
else
  mkdir -p "$build/locale"
  if [ -d "$build/locale/ja_JP.UTF-8" ] ||
    localedef -i ja_JP -f UTF-8 "$build/locale/ja_JP.UTF-8" >/dev/null 2>&1; then
    japanese=(LOCPATH="$PWD/$build/locale" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
      VORLENT_REQUIRE_SHIFT_JIS=1)
  else
    [ "${VORLENT_REQUIRE_WINE:-0}" != 1 ] || skip "no Japanese locale for code page 932"
    echo "wine-tests: no Japanese locale; the tests that need code page 932 are skipped"
  fi
fi

started=$SECONDS
cmake --no-warn-unused-cli -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DVORLENT_BUILD_UI=OFF -DVORLENT_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target vorlent_platform vorlent_core vorlent-cli vorlent_win32_tests
echo "wine-tests: cross-built in $((SECONDS - started)) s"

export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || { echo "wine-tests: wineboot -i failed" >&2; exit 1; }
  timeout 60 wineserver -w || true
fi
# Wine's null display driver lets the tests create windows (the folder chooser) without a display.
if ! grep -q '^"Graphics"="null"' "$WINEPREFIX/user.reg"; then
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 ||
    { echo "wine-tests: could not select Wine's null display driver" >&2; exit 1; }
  timeout 60 wineserver -w || true
fi

run_tests() {
  local status=0
  env "${japanese[@]}" timeout 600 wine "$build/bin/vorlent_win32_tests.exe" --gtest_brief=1 ||
    status=$?
  # The started test programs are gone; let this prefix's server end before the next step.
  timeout 60 wineserver -w || true
  return "$status"
}

started=$SECONDS
status=0
run_tests || status=$?
# GoogleTest ends with 1 when a test fails; any other status is Wine itself giving way (seen
# once in many runs), which one more run tells apart from a fault of ours.
if [ "$status" -ne 0 ] && [ "$status" -ne 1 ]; then
  echo "wine-tests: Wine ended with status $status; running the tests once more" >&2
  status=0
  run_tests || status=$?
fi
echo "wine-tests: ran under Wine in $((SECONDS - started)) s, exit status $status"

# vorlent-cli.exe run brmsx in a fresh prefix, with a recording DOSBox where its installer puts
# it and the emulator in a Japanese folder: it needs code page 932.
if [ ${#japanese[@]} -gt 0 ]; then
  env "${japanese[@]}" scripts/windows-dosbox-start.sh cli "$build/bin/vorlent-cli.exe" \
    "$build/bin/record_command_line.exe" || status=1
fi
exit "$status"
