#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make test-deb: builds the Debian package, checks it with lintian and appstreamcli, installs it
# with dpkg, runs vorlent-cli and the program on a virtual display as an ordinary user (nobody,
# with a home of its own), checks that the settings land in ~/.config/vorlent, and removes and
# purges the package, checking that /usr and /etc hold the same files as before the install.
# Changes the system's packages, so it runs as root and refuses to start over an installed vorlent.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "deb-test: run as root (it installs and removes the package)" >&2; exit 1; }
if dpkg-query -W -f='${Status}' vorlent 2>/dev/null | grep -q 'ok installed'; then
  echo "deb-test: vorlent is installed already; remove it first" >&2
  exit 1
fi
scripts/install-deps.sh run
scripts/deb-build.sh
package=$(realpath build/deb/vorlent_"$(dpkg-parsechangelog -S Version)"_"$(dpkg-architecture -q DEB_HOST_ARCH)".deb)
results=$(realpath build/deb)

echo "== lintian"
lintian --fail-on error --info "$package" | tee "$results/lintian.txt"

echo "== dpkg -c"
dpkg -c "$package" | tee "$results/contents.txt"

# Installed once with apt's help for the dependencies, then removed: the dependencies stay, so
# the install below and the removal after it are the package's alone.
export DEBIAN_FRONTEND=noninteractive
dpkg -i "$package" >/dev/null 2>&1 || apt-get install -f -y -qq --no-install-recommends >/dev/null
dpkg --purge vorlent >/dev/null
snapshot() { find /usr /etc -xdev -not -type d -printf '%p\n' | LC_ALL=C sort; }
snapshot >"$results/files-before.txt"

dpkg -i "$package"
echo "== appstreamcli validate"
appstreamcli validate --no-net --pedantic /usr/share/metainfo/org.example.vorlent.metainfo.xml \
  | tee "$results/appstream.txt"

home=$(mktemp -d /tmp/vorlent-deb-home.XXXXXX)
session=$home/session
mkdir -p "$session"
cp scripts/deb-session.sh scripts/window-session-lib.sh "$session/"
chown -R nobody:nogroup "$home"
as_user() { runuser -u nobody -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }

echo "== vorlent-cli as an ordinary user"
as_user vorlent-cli command fmsx
as_user vorlent-cli list /usr/lib/vorlent
echo "== the program as an ordinary user, on a virtual display"
as_user xvfb-run -a -s "-screen 0 1280x800x24" "$session/deb-session.sh" /usr/bin/vorlent "$session"
settings=$home/.config/vorlent/Vorlent.ini
[ -f "$settings" ] || { echo "deb-test: $settings was not written" >&2; exit 1; }
[ "$(wc -l <"$settings")" -eq 100 ] || { echo "deb-test: $settings is not 100 lines" >&2; exit 1; }
[ ! -e /usr/lib/vorlent/Vorlent.ini ] || { echo "deb-test: settings written into /usr/lib/vorlent" >&2; exit 1; }
echo "Settings written to $settings"
cp "$session"/*.png "$results/"

echo "== dpkg -r and --purge"
dpkg -r vorlent
dpkg --purge vorlent
snapshot >"$results/files-after.txt"
if ! diff -u "$results/files-before.txt" "$results/files-after.txt"; then
  echo "deb-test: the removal left /usr or /etc changed" >&2
  exit 1
fi
rm -rf "$home"
echo "deb-test: the package built, installed, ran and left nothing behind;" \
  "screenshots in $results"
