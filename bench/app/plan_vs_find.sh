#!/usr/bin/env bash
# `velquin --plan` beside its floor: the tree of check_vs_find.sh (100,000
# files in 1,000 folders, every one listed in Rivo.ini), then the whole plan
# and `find DIR -type f -printf '%s %p\n'` (every file with its size, as the
# plan lists them) on it in the same run: best and median of nine, the two in
# turn, each timed as a whole process from outside, warm cache, and the
# ratio of the medians.
#
#   bench/app/plan_vs_find.sh [path/to/velquin]
#
# Build the tool in Release first:
#   cmake --preset bench && cmake --build --preset bench --target velquin_front
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
velquin="${1:-$repo/build/bench/src/app/velquin}"
[[ -x "$velquin" ]] || { echo "no velquin at $velquin (see the comment at the top)" >&2; exit 2; }
runs=9

source "$repo/bench/tree.sh"

tree="$(mktemp -d "${TMPDIR:-/tmp}/velquin-plan-vs-find.XXXXXX")"
trap 'rm -rf "$tree"' EXIT
make_tree "$tree"
make_listed_settings "$tree"

"$velquin" --plan "$tree" | grep -q '配布フォルダにありません' &&
  { echo "the plan misses files of the folder" >&2; exit 1; }
times_of_both "$runs" find -- find "$tree" -type f -printf '%s %p\n' -- plan -- "$velquin" --plan "$tree"
echo "tree: $(find "$tree" -type f | wc -l) files in $(find "$tree" -mindepth 1 -type d | wc -l) folders, $(grep -c '^Item' "$tree/Rivo.ini") entries"
echo "find -printf '%s %p\n': best $find_best ms, median $find_median ms"
echo "velquin --plan:          best $plan_best ms, median $plan_median ms"
awk -v p="$plan_median" -v f="$find_median" 'BEGIN { printf "ratio plan/find (medians): %.2f (goal: at most 1.5)\n", p / f }'
