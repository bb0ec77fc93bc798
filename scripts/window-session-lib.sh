#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive the program on a virtual display: they start the program as
# $pid, wait for its windows and close it as a user does.

# Prints the id of the program's first visible window whose title contains TEXT (any window for
# an empty TEXT); fails when none appears or the program ends first.
wait_for_window() {
  local window="" candidate
  for _ in $(seq 1 100); do
    # xdotool's own name pattern does not match Japanese text reliably: compare here.
    for candidate in $(xdotool search --onlyvisible --pid "${pid:?}" . 2>/dev/null || true); do
      if [[ $(xdotool getwindowname "$candidate" 2>/dev/null) == *"$1"* ]]; then
        window=$candidate
        break
      fi
    done
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "The program ended before its window appeared." >&2; return 1; }
    sleep 0.2
  done
  [ -n "$window" ] || { echo "No window whose title contains \"$1\" appeared." >&2; return 1; }
  echo "$window"
}

# Closes the program with its close command, Ctrl+Q, on WINDOW, and waits until it has ended.
close_with_ctrl_q() {
  xdotool windowfocus --sync "$1" key --clearmodifiers ctrl+q
  for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "The program did not close on Ctrl+Q." >&2
    return 1
  fi
  trap - EXIT
  wait "$pid" || true
}
