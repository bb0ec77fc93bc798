#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages one of the project's tasks needs, quietly, and only those that are
# missing:
#   scripts/install-deps.sh run    building and running the program (make run)
#   scripts/install-deps.sh test   the above and what the tests, tools and benchmarks need
#   scripts/install-deps.sh deb    the above for run and Debian's packaging tools (make deb)
# Without an argument it installs the test set.
set -euo pipefail

run_packages=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins librsvg2-bin
  nettle-dev libexpat1-dev
  fonts-ipafont-gothic
  # Qt's own texts (standard buttons, dialogs) in Japanese, loaded at start.
  qt6-translations-l10n
  # The MS-DOS emulators run inside DOSBox.
  dosbox
  # The MSX software database that identifies ROM images (data only, no emulator).
  openmsx-data
)
# Without a display, make run starts the program on a virtual one and takes a screenshot.
headless_packages=(xvfb xauth xdotool imagemagick)
test_packages=(
  # The pinned formatter (checks.format), the fuzz targets' compiler with libFuzzer, make tidy.
  clang-format-14 clang-14 libclang-rt-14-dev clang-tidy-14
  libgtest-dev libgmock-dev libbenchmark-dev
  # The DOS test programs that stand in for the emulators.
  nasm
  # checks.shellcheck over scripts/ and .ci/.
  shellcheck
)
deb_packages=(debhelper dpkg-dev fakeroot lintian appstream)

packages=("${run_packages[@]}")
case "${1:-test}" in
  run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      packages+=("${headless_packages[@]}")
    fi
    ;;
  test) packages+=("${headless_packages[@]}" "${test_packages[@]}") ;;
  deb) packages+=("${deb_packages[@]}") ;;
  *)
    echo "usage: $0 [run|test|deb]" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: run as root to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# A new machine has empty package lists; refresh them when they are empty or an install fails.
if [ -z "$(find /var/lib/apt/lists -mindepth 1 -maxdepth 1 ! -name lock ! -name partial -print -quit 2>/dev/null)" ]; then
  "${sudo[@]}" apt-get update -qq
fi
if ! "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
