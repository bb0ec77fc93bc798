#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, quietly, and only
# those that are missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  # The pinned formatter (checks.format), the fuzz targets' compiler with libFuzzer, make tidy.
  clang-format-14 clang-14 libclang-rt-14-dev clang-tidy-14
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins librsvg2-bin
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic
  xvfb xauth xdotool imagemagick
  dosbox nasm
  nettle-dev libexpat1-dev
  # The MSX software database that identifies ROM images (data only, no emulator).
  openmsx-data
)

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
if [ -z "$(ls -A /var/lib/apt/lists 2>/dev/null | grep -v -e '^lock$' -e '^partial$' || true)" ]; then
  "${sudo[@]}" apt-get update -qq
fi
if ! "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
