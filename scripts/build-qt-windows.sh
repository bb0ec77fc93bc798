#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt's base modules for 64-bit Windows (mingw-w64, posix threads) from Debian's own
# qt6-base source, the same version as the host's Qt tools, into a cache folder outside the
# repository. A cache whose stamp (Qt version, toolchain version, configure line) matches is
# reused; any other is rebuilt. Prints the installed prefix on its last line.
#
#   scripts/build-qt-windows.sh            builds when the cache does not match, prints the prefix
#   scripts/build-qt-windows.sh --prepare  only installs the packages and fetches the source the
#                                          build needs (all of its use of apt), so that the build
#                                          itself can run beside other work that uses apt
#
#   VORLENT_QT_WINDOWS_CACHE  the cache folder (default /var/cache/vorlent/qt6-mingw-6.4.2)
#   VORLENT_QT_WINDOWS_LOG    the build's log (default /tmp/vorlent-qt-windows-build.log)
set -euo pipefail

prepare_only=0
[ "${1:-}" != --prepare ] || prepare_only=1
qt_version=6.4.2
cache=${VORLENT_QT_WINDOWS_CACHE:-/var/cache/vorlent/qt6-mingw-$qt_version}
log=${VORLENT_QT_WINDOWS_LOG:-/tmp/vorlent-qt-windows-build.log}
prefix=$cache/qt6-win64
host=x86_64-w64-mingw32

packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 qt6-base-dev-tools qt6-base-dev
  cmake ninja-build dpkg-dev perl python3)

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "build-qt-windows: run as root" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "build-qt-windows: installing ${missing[*]}"
  if ! "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi

# The Windows Qt must match the host tools (moc, uic, rcc) it is built with.
source_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
case $source_version in
  "$qt_version"+*) ;;
  *)
    echo "build-qt-windows: host Qt tools are $source_version, not $qt_version" >&2
    exit 1
    ;;
esac
toolchain_version="$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix) \
$($host-g++-posix -dumpfullversion)"

configure=(
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DINPUT_opengl=no
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_freetype=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_zstd=OFF
)
stamp="qt6-base $source_version
toolchain $toolchain_version
configure ${configure[*]}"

if [ -f "$cache/stamp" ] && [ "$(cat "$cache/stamp")" = "$stamp" ] &&
  [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; then
  echo "build-qt-windows: cached Qt $source_version for Windows"
  [ "$prepare_only" -eq 1 ] || echo "$prefix"
  exit 0
fi

"${sudo[@]}" mkdir -p "$cache"
[ ${#sudo[@]} -eq 0 ] || "${sudo[@]}" chown "$(id -u):$(id -g)" "$cache"

# The source, fetched once: a source folder marked with its version is kept until the build.
fetch_source() {
  [ "$(cat "$cache/source/fetched" 2>/dev/null)" != "$source_version" ] || return 0
  rm -rf "$cache/source"
  mkdir -p "$cache/source"
  # apt-get source needs a deb-src entry; it is added beside apt's own Debian entry, same archive.
  if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $source_version\$"; then
    local archive codename
    archive=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\/debian\)\/\?$/\1/p' \
      /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1)
    if [ -z "$archive" ]; then
      archive=$(sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]*\/debian\)\/\?[[:space:]].*/\2/p' \
        /etc/apt/sources.list 2>/dev/null | head -n1)
    fi
    [ -n "$archive" ] || { echo "build-qt-windows: no Debian archive in apt's sources" >&2; exit 1; }
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: %s\n' \
      "$archive" "$codename" /usr/share/keyrings/debian-archive-keyring.gpg |
      "${sudo[@]}" tee /etc/apt/sources.list.d/vorlent-source.sources >/dev/null
    "${sudo[@]}" apt-get update -qq
  fi
  (cd "$cache/source" && apt-get source -qq --only-source "qt6-base=$source_version" >"$log" 2>&1) ||
    { echo "build-qt-windows: apt-get source qt6-base=$source_version failed (see $log)" >&2; exit 1; }
  echo "$source_version" >"$cache/source/fetched"
}
fetch_source
[ "$prepare_only" -eq 0 ] || { echo "build-qt-windows: the source of Qt $source_version is fetched"; exit 0; }

echo "build-qt-windows: building Qt $source_version for Windows into $cache (log: $log)"
started=$SECONDS
rm -rf "$cache/stamp" "$prefix" "$cache/build"
mkdir -p "$cache/build"
source_dir=$(find "$cache/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)

# Qt's own toolchain file: the posix-thread compilers and their LTO-aware archivers, and only the
# toolchain's CMake packages, never the host's.
cat >"$cache/toolchain.cmake" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $host-gcc-posix)
set(CMAKE_CXX_COMPILER $host-g++-posix)
set(CMAKE_RC_COMPILER $host-windres)
set(CMAKE_AR /usr/bin/$host-gcc-ar-posix)
set(CMAKE_RANLIB /usr/bin/$host-gcc-ranlib-posix)
set(CMAKE_FIND_ROOT_PATH /usr/$host)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

{
  cmake -G Ninja -S "$source_dir" -B "$cache/build" -DCMAKE_TOOLCHAIN_FILE="$cache/toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${configure[@]}"
  cmake --build "$cache/build" -j "$(nproc)"
  cmake --install "$cache/build"
} >>"$log" 2>&1 || { echo "build-qt-windows: the build failed (see $log)" >&2; exit 1; }

# The build and source trees are large and not needed once installed.
rm -rf "$cache/build" "$cache/source"
printf '%s\n' "$stamp" >"$cache/stamp"
echo "build-qt-windows: built in $((SECONDS - started)) s"
echo "$prefix"
