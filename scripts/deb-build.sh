#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make deb: builds the Debian package with Debian's own tools (dpkg-buildpackage and debhelper)
# and leaves it in build/deb/ with its .buildinfo and .changes. dpkg-buildpackage writes its
# results beside the source folder, so it builds a copy of the sources in build/deb-source/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh deb
# The package's own Build-Depends, as debian/control lists them.
if ! dpkg-checkbuilddeps >/dev/null 2>&1; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing the package's build dependencies"
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get build-dep -y -qq --no-install-recommends ./ \
    >/dev/null
fi

output=build/deb
work=build/deb-source
rm -rf "$work"
mkdir -p "$work/vorlent" "$output"
tar --exclude=./build --exclude=./.git -cf - . | tar -C "$work/vorlent" -xf -
(cd "$work/vorlent" && dpkg-buildpackage -b -us -uc)

version=$(dpkg-parsechangelog -S Version)
architecture=$(dpkg-architecture -q DEB_HOST_ARCH)
rm -f "$output"/vorlent_*
mv "$work"/vorlent_"$version"_* "$output"/
package=$output/vorlent_${version}_${architecture}.deb
[ -f "$package" ] || { echo "deb: $package was not made" >&2; exit 1; }
rm -rf "$work"
echo "Package: $package"
