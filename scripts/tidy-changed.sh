#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# clang-tidy, with the checks in .clang-tidy, over the C++ files of src/ that a change touches:
# those that differ from where the branch left main (committed or not) and the new ones git does
# not ignore. A changed header brings the source file of the same name. The whole tree is
# `make tidy`. Skipped, saying why, where clang-tidy 14 is not installed.
# Usage: scripts/tidy-changed.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/ci}

if ! command -v run-clang-tidy-14 >/dev/null || ! command -v clang-tidy-14 >/dev/null; then
  echo "tidy-changed: skipped: clang-tidy-14 is not installed"
  exit 0
fi
base=$(git merge-base HEAD main 2>/dev/null || git rev-parse HEAD)
mapfile -t changed < <({
  git diff --name-only --diff-filter=d "$base" -- 'src/*.cpp' 'src/*.h'
  git ls-files --others --exclude-standard -- 'src/*.cpp' 'src/*.h'
} | sort -u)

patterns=()
for file in "${changed[@]}"; do
  source=${file%.h}
  source=${source%.cpp}.cpp
  if [ -f "$source" ]; then
    full=$PWD/$source
    patterns+=("^${full//./\\.}\$")
  fi
done
if [ ${#patterns[@]} -eq 0 ]; then
  echo "tidy-changed: no source file of src/ differs from $base"
  exit 0
fi
# A file may be listed twice (its header and itself); clang-tidy runs once per compile command.
mapfile -t patterns < <(printf '%s\n' "${patterns[@]}" | sort -u)
echo "tidy-changed: ${#patterns[@]} files against $(git rev-parse --short "$base")"
nice -n 10 run-clang-tidy-14 -quiet -clang-tidy-binary clang-tidy-14 -p "$build" \
  -extra-arg=-Wno-unknown-warning-option "${patterns[@]}"
