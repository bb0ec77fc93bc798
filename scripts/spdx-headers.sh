#!/usr/bin/env bash
# Puts the licence's SPDX line at the top of every source file of the project that lacks it: the
# C++ files and CMake files, and the shell scripts (after their #! line). checks.format fails on
# a C++ file without it.
set -euo pipefail
cd "$(dirname "$0")/.."
line='SPDX-License-Identifier: GPL-3.0-or-later'

add_line() {
  local file=$1 comment=$2
  grep -q "$line" "$file" && return 0
  local temporary
  temporary=$(mktemp)
  if [ "$(head -c 2 "$file")" = '#!' ]; then
    { head -n 1 "$file"; echo "$comment $line"; tail -n +2 "$file"; } >"$temporary"
  else
    { echo "$comment $line"; cat "$file"; } >"$temporary"
  fi
  cat "$temporary" >"$file"
  rm -f "$temporary"
}

git ls-files -- src tests bench resources | grep -E '\.(cpp|h)$' | while read -r file; do
  add_line "$file" //
done
git ls-files | grep -E '(^|/)CMakeLists\.txt$|\.cmake$' | while read -r file; do
  add_line "$file" '#'
done
git ls-files -- scripts .ci bench | grep -vE '\.(cpp|h|txt|cmake)$' | while read -r file; do
  [ "$(head -c 2 "$file")" = '#!' ] && add_line "$file" '#'
done
true
