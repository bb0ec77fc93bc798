#!/usr/bin/env bash
# Times the start of the main window over a folder of 10,000 entries against a bare Qt program
# with an empty list view, alternating the two, and prints both medians and their ratio.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/release}
runs=${2:-15}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
for i in $(seq -w 1 10000); do : > "$folder/GAME$i.ROM"; done

elapsed_ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR + 1) / 2)]}'; }

launcher=() bare=()
elapsed_ms "$build/bin/startup_vorlent" "$folder" >/dev/null  # warm the caches
for _ in $(seq 1 "$runs"); do
  launcher+=("$(elapsed_ms "$build/bin/startup_vorlent" "$folder")")
  bare+=("$(elapsed_ms "$build/bin/startup_bare")")
done
a=$(printf '%s\n' "${launcher[@]}" | median)
b=$(printf '%s\n' "${bare[@]}" | median)
echo "main window over 10,000 entries: median ${a} ms"
echo "bare main window with an empty list view: median ${b} ms"
awk -v a="$a" -v b="$b" 'BEGIN { printf "ratio: %.2f\n", a / b }'
