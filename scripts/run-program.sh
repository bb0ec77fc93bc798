#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program. Without a display it runs on a virtual one (Xvfb): once the main window
# is up it saves a screenshot, closes the program with its close command (Ctrl+Q, so the close
# handling runs) and prints where the screenshot is.
set -euo pipefail
program=$(realpath "$1")

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

screenshot=${VORLENT_SCREENSHOT:-$PWD/build/vorlent-screenshot.png}
mkdir -p "$(dirname "$screenshot")"
exec xvfb-run -a -s "-screen 0 1280x800x24" \
  "$(dirname "$0")/screenshot-session.sh" "$program" "$screenshot"
