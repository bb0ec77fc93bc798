#!/usr/bin/env bash
# Runs inside a virtual display as the installed program's user: starts the program, waits for
# its main window, opens the manual with the help menu's keys (Alt+H, H), saves both windows as
# screenshots in FOLDER, and closes the program with Ctrl+Q.
set -euo pipefail
program=$1
folder=$2

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

wait_for_window() {  # a text the window's title contains; prints the window id
  local window="" candidate
  for _ in $(seq 1 100); do
    # xdotool's own name pattern does not match Japanese text reliably: compare here.
    for candidate in $(xdotool search --onlyvisible --pid "$pid" . 2>/dev/null || true); do
      if [[ $(xdotool getwindowname "$candidate" 2>/dev/null) == *"$1"* ]]; then
        window=$candidate
        break
      fi
    done
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "The program ended before its window appeared." >&2; exit 1; }
    sleep 0.2
  done
  [ -n "$window" ] || { echo "No window whose title contains \"$1\" appeared." >&2; exit 1; }
  echo "$window"
}

main=$(wait_for_window /)
sleep 1.5  # let the first listing and layout settle
import -window "$main" "$folder/main-window.png"

xdotool windowfocus --sync "$main" key --clearmodifiers alt+h
sleep 0.5
xdotool key --clearmodifiers h
manual=$(wait_for_window ヘルプ)
sleep 0.5
import -window "$manual" "$folder/manual-window.png"
echo "The manual's window: $(xdotool getwindowname "$manual")"

xdotool windowfocus --sync "$main" key --clearmodifiers ctrl+q
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
