#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the join of sources totalling 1 GiB against `cat SOURCES > DEST` in the same run,
# alternating the two, and prints both medians, their ratio and the join's peak memory.
# Usage: bench/join.sh [BUILD_DIR] [FOLDER] [RUNS]   (FOLDER: where the 1 GiB of sources go)
set -euo pipefail
build=${1:-build/release}
parent=${2:-${TMPDIR:-/tmp}}
runs=${3:-5}

folder=$(mktemp -d "$parent/vorlent-join-XXXXXX")
trap 'rm -rf "$folder"' EXIT
sources=()
for i in 1 2 3 4; do
  head -c $((256 * 1024 * 1024)) /dev/urandom > "$folder/part$i.bin"
  sources+=("$folder/part$i.bin")
done

elapsed_ms() {
  local start end
  start=$(date +%s%N)
  "$@"
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
run_cat() { cat "${sources[@]}" > "$folder/cat.out"; }
run_join() { "$build/bin/join_files" "${sources[@]}" "$folder/join.out"; }
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR + 1) / 2)]}'; }

joined=() catted=()
for _ in $(seq 1 "$runs"); do
  catted+=("$(elapsed_ms run_cat)")
  joined+=("$(elapsed_ms run_join)")
done
cmp -s "$folder/cat.out" "$folder/join.out" || { echo "the join's bytes differ from cat's" >&2; exit 1; }
peak=$(/usr/bin/time -f %M "$build/bin/join_files" "${sources[@]}" "$folder/join.out" 2>&1 >/dev/null | tail -1)
a=$(printf '%s\n' "${joined[@]}" | median)
b=$(printf '%s\n' "${catted[@]}" | median)
echo "join of 1 GiB: median ${a} ms, peak memory ${peak} KiB"
echo "cat of the same sources: median ${b} ms"
awk -v a="$a" -v b="$b" 'BEGIN { printf "ratio: %.2f\n", a / b }'
