#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the Windows build into build/windows/vorlent-win64.zip: one folder with the two
# programs, the Qt and runtime DLLs and plugins the program loads, the sound cues, a short
# README, the program's licence and the licences of everything bundled, binaries stripped. The DLLs are listed here and nowhere else; the list is checked
# against what the binaries import, and `scripts/windows.sh test` starts the program from the
# unpacked folder alone.
# Usage: scripts/windows-package.sh QT_PREFIX [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
qt=$1
build=$(realpath -m "${2:-build/windows}")
host=x86_64-w64-mingw32
mingw_runtime=$(dirname "$($host-g++-posix -print-file-name=libstdc++-6.dll)")

# Folder in the package <- file it is copied from.
files=(
  ".=$build/bin/vorlent.exe"
  ".=$build/bin/vorlent-cli.exe"
  ".=$qt/bin/Qt6Core.dll"
  ".=$qt/bin/Qt6Gui.dll"
  ".=$qt/bin/Qt6Widgets.dll"
  # Qt's DLLs are built against the toolchain's shared C++ runtime; the programs carry their own.
  ".=$mingw_runtime/libstdc++-6.dll"
  ".=$mingw_runtime/libgcc_s_seh-1.dll"
  ".=/usr/$host/lib/libwinpthread-1.dll"
  # Plugins, loaded by name at run time from these folders beside the program.
  "platforms=$qt/plugins/platforms/qwindows.dll"
  "styles=$qt/plugins/styles/qwindowsvistastyle.dll"
)

package_root=$build/package
folder=$package_root/vorlent
zip=$build/vorlent-win64.zip
rm -rf "$package_root" "$zip"
mkdir -p "$folder/sound"

for entry in "${files[@]}"; do
  target=$folder/${entry%%=*}
  source=${entry#*=}
  [ -f "$source" ] || { echo "windows-package: missing $source" >&2; exit 1; }
  mkdir -p "$target"
  $host-strip --strip-unneeded -o "$target/$(basename "$source")" "$source"
done
cp "$build"/bin/sound/*.wav "$folder/sound/"
# Qt's own texts in Japanese (its file dialogs and standard buttons), the host's translation of
# the same Qt version; the program loads it from this folder beside it.
qt_translation=/usr/share/qt6/translations/qtbase_ja.qm
[ -f "$qt_translation" ] || { echo "windows-package: missing $qt_translation" >&2; exit 1; }
mkdir -p "$folder/translations"
cp "$qt_translation" "$folder/translations/"
sed 's/$/\r/' resources/windows/README-Windows.txt >"$folder/README-Windows.txt"
# The manual the program shows from its help menu, also as a file to read beside it.
sed 's/$/\r/' doc/manual.md >"$folder/manual.md"

# The program's licence beside it, and in licenses/ those of what the zip bundles: Qt (LGPL-3,
# the copyright file of the Debian source it is built from, and where that exact source and its
# configure line are found) and the MinGW runtime (GCC's runtime exception, winpthreads).
cp COPYING "$folder/COPYING.txt"
licenses=$folder/licenses
mkdir -p "$licenses"
for entry in "Qt-LGPL-3.txt=/usr/share/common-licenses/LGPL-3" \
  "Qt-copyright.txt=/usr/share/doc/libqt6core6/copyright" \
  "GCC-runtime-copyright.txt=/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright" \
  "mingw-w64-winpthreads-copyright.txt=/usr/share/doc/mingw-w64-x86-64-dev/copyright"; do
  source=${entry#*=}
  [ -f "$source" ] || { echo "windows-package: missing $source" >&2; exit 1; }
  sed 's/$/\r/' "$source" >"$licenses/${entry%%=*}"
done
qt_stamp=$qt/../stamp
[ -f "$qt_stamp" ] || { echo "windows-package: missing $qt_stamp" >&2; exit 1; }
qt_source_version=$(sed -n 's/^qt6-base //p' "$qt_stamp")
{
  echo "Qt's DLLs and plugins in this folder are Qt $qt_source_version's base modules, built for"
  echo "64-bit Windows with mingw-w64 from Debian's source package qt6-base, version"
  echo "$qt_source_version. That exact source is at"
  echo "https://snapshot.debian.org/package/qt6-base/$qt_source_version/ (or: apt-get source"
  echo "qt6-base=$qt_source_version on Debian 12). It was configured with CMake, with these options:"
  echo
  sed -n 's/^configure //p' "$qt_stamp" | tr ' ' '\n'
  echo
  echo "The build script is scripts/build-qt-windows.sh in the program's source. Qt is licensed"
  echo "under the GNU Lesser General Public License version 3 (Qt-LGPL-3.txt, which builds on the"
  echo "GNU General Public License version 3 in ../COPYING.txt); Qt-copyright.txt lists the"
  echo "licences of the source's every part."
} | sed 's/$/\r/' >"$licenses/Qt-source.txt"

# Every DLL a packaged binary imports is either packaged or part of Windows, and every packaged
# DLL outside the plugin folders is imported by something.
packaged=$(find "$folder" -maxdepth 1 -iname '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z' | sort)
imported=$(find "$folder" -iname '*.exe' -o -iname '*.dll' | while read -r binary; do
  $host-objdump -p "$binary" | sed -n 's/^[[:space:]]*DLL Name: //p'
done | tr 'A-Z' 'a-z' | sort -u)
status=0
for dll in $imported; do
  if ! grep -qx "$dll" <<<"$packaged" && [ ! -f "/usr/$host/lib/lib${dll%.dll}.a" ] &&
    [[ $dll != api-ms-win-* ]]; then
    echo "windows-package: $dll is imported but neither packaged nor part of Windows" >&2
    status=1
  fi
done
for dll in $packaged; do
  grep -qx "$dll" <<<"$imported" || { echo "windows-package: $dll is packaged but unused" >&2; status=1; }
done
# The program file carries its icon for Explorer: an icon group resource (type 14).
if ! $host-objdump -p "$folder/vorlent.exe" | sed -n '/The .rsrc Resource Directory/,/^$/p' |
  grep -qE '^[0-9a-f]+   Entry: ID: 0x00000e,'; then
  echo "windows-package: vorlent.exe holds no icon" >&2
  status=1
fi
[ "$status" -eq 0 ] || exit 1

(cd "$package_root" && zip -q -r -9 "$zip" vorlent)
echo "windows-package: $zip, $(du -k "$zip" | cut -f1) KiB"
