#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the start of the launcher over a folder of 10,000 entries, from the start to the drawn,
# idle main window, against a bare Qt program with an empty list view and against that program
# with a Japanese menu bar (the least any Japanese window costs), alternating the three, and
# prints the medians and the ratios to the bare program.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/release}
runs=${2:-15}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

folder=$(mktemp -d)
program_folder=$(mktemp -d)
trap 'rm -rf "$folder" "$program_folder"' EXIT
for i in $(seq -w 1 10000); do : > "$folder/GAME$i.ROM"; done

elapsed_ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR + 1) / 2)]}'; }

launcher=() bare=() menu=()
elapsed_ms "$build/bin/startup_vorlent" "$folder" "$program_folder" >/dev/null  # warm the caches
for _ in $(seq 1 "$runs"); do
  launcher+=("$(elapsed_ms "$build/bin/startup_vorlent" "$folder" "$program_folder")")
  bare+=("$(elapsed_ms "$build/bin/startup_bare")")
  menu+=("$(elapsed_ms "$build/bin/startup_bare" --japanese-menu)")
done
a=$(printf '%s\n' "${launcher[@]}" | median)
b=$(printf '%s\n' "${bare[@]}" | median)
m=$(printf '%s\n' "${menu[@]}" | median)
echo "main window over 10,000 entries: median ${a} ms"
echo "bare main window with an empty list view: median ${b} ms"
echo "the bare window with a Japanese menu bar: median ${m} ms"
awk -v a="$a" -v b="$b" -v m="$m" \
  'BEGIN { printf "ratio to the bare window: %.2f (the Japanese menu bar alone: %.2f)\n", a / b, m / b }'
