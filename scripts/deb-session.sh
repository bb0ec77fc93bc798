#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside a virtual display as the installed program's user: starts the program, waits for
# its main window, opens the manual with the help menu's keys (Alt+H, H), saves both windows as
# screenshots in FOLDER, and closes the program with Ctrl+Q.
set -euo pipefail
program=$1
folder=$2
. "$(dirname "$0")/window-session-lib.sh"

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

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

close_with_ctrl_q "$main"
