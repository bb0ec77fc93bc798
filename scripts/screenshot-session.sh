#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside the virtual display: start, wait for the main window, screenshot, close.
set -euo pipefail
program=$1
screenshot=$2
. "$(dirname "$0")/window-session-lib.sh"

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(wait_for_window "")
sleep 1.5  # let the first listing and layout settle
import -window "$window" "$screenshot"
close_with_ctrl_q "$window"
echo "Screenshot of the main window: $screenshot"
