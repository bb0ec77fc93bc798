#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs on a virtual display, in a prepared Wine prefix: starts the unpacked vorlent.exe, waits
# for its main window, closes it with Ctrl+Q and checks that it wrote its settings beside
# itself. Usage: scripts/windows-package-start.sh PATH/TO/vorlent.exe
set -euo pipefail
program=$1
folder=$(dirname "$program")
settings=$folder/Vorlent.ini

fail() {
  echo "package start: $*" >&2
  exit 1
}

[ ! -e "$settings" ] || fail "$settings exists before the start"
(cd "$folder" && exec wine "$program") >"$folder/../start.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT

# Wine's windows are X windows named by their captions (the main window's names the listed
# folder); the program shows no other window at its start.
window=""
for _ in $(seq 1 300); do
  window=$(xdotool search --onlyvisible --name . 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || { cat "$folder/../start.log" >&2; fail "the program ended before its window appeared"; }
  sleep 0.2
done
[ -n "$window" ] || { cat "$folder/../start.log" >&2; fail "the main window did not appear"; }
echo "package start: the main window appeared: $(xdotool getwindowname "$window")"
sleep 2

xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+q
for _ in $(seq 1 150); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "the program did not close on Ctrl+Q"
trap - EXIT
wait "$pid" || true
timeout 60 wineserver -w || true

[ -f "$settings" ] || fail "no Vorlent.ini beside the program"
lines=$(wc -l <"$settings")
[ "$lines" -eq 100 ] || fail "Vorlent.ini has $lines lines, not 100"
echo "package start: closed on Ctrl+Q and wrote Vorlent.ini ($lines lines) beside the program"
