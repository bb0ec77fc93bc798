#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the tests' share of the code: lines under tests/ against lines under src/, for the whole
# tree and for a range of commits (lines added, from git diff --numstat -M; moved files count
# only their changed lines).
#
#   scripts/test-share.sh [BASE [HEAD]]   BASE defaults to the last commit on main that HEAD's
#                                         branch left from, or HEAD~1 on main itself
set -euo pipefail
cd "$(dirname "$0")/.."

share() { awk -v t="$1" -v s="$2" 'BEGIN { if (s > 0) printf "%.2f", t / s; else printf "-" }'; }

# Non-blank lines of the C++ and CMake files, the fuzz corpora left out.
tree_lines() {
  git ls-files -- "$1" | grep -E '\.(cpp|h|cmake)$|CMakeLists\.txt$' | grep -v '/corpus' |
    tr '\n' '\0' | xargs -0 -r cat | grep -c -v '^[[:space:]]*$' || true
}
src=$(tree_lines src)
tests=$(tree_lines tests)
echo "test-share: tree: $tests lines of tests, $src lines of src, $(share "$tests" "$src") per line"

head=${2:-HEAD}
base=${1:-$(git merge-base main "$head" 2>/dev/null || true)}
if [ -z "$base" ] || [ "$(git rev-parse "$base")" = "$(git rev-parse "$head")" ]; then
  base=$(git rev-parse "$head~1" 2>/dev/null || true)
fi
[ -n "$base" ] || exit 0
read -r added_src added_tests < <(git diff --numstat -M "$base" "$head" -- src tests |
  awk '$1 != "-" { if ($3 ~ /^src\//) s += $1; else if ($3 !~ /\/corpus/) t += $1 }
       END { print s + 0, t + 0 }')
echo "test-share: $(git rev-parse --short "$base")..$(git rev-parse --short "$head"): $added_tests lines of tests added, $added_src lines of src, $(share "$added_tests" "$added_src") per line"
