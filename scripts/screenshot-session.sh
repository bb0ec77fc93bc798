#!/usr/bin/env bash
# Runs inside the virtual display: start, wait for the main window, screenshot, close.
set -euo pipefail
program=$1
screenshot=$2

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || { echo "The program ended before its window appeared." >&2; exit 1; }
  sleep 0.2
done
[ -n "$window" ] || { echo "The main window did not appear." >&2; exit 1; }

sleep 1.5  # let the first listing and layout settle
import -window "$window" "$screenshot"

xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+q
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
  echo "The program did not close on Ctrl+Q." >&2
  exit 1
fi
trap - EXIT
wait "$pid" || true
echo "Screenshot of the main window: $screenshot"
