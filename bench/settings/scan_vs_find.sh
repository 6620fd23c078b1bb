#!/usr/bin/env bash
# Builds a tree of 100,000 files in 1,000 folders in a temporary folder, then
# times the folder scan and `find DIR -type f` on it in the same run (best of
# five, each timed as a whole process, warm cache) and prints the ratio.
#
#   bench/settings/scan_vs_find.sh [path/to/velquin_scan_timer]
#
# Build the timer in Release first:
#   cmake --preset bench && cmake --build --preset bench --target velquin_scan_timer
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
timer="${1:-$repo/build/bench/bench/settings/velquin_scan_timer}"
[[ -x "$timer" ]] || { echo "no scan timer at $timer (see the comment at the top)" >&2; exit 2; }
runs=5

source "$repo/bench/tree.sh"

tree="$(mktemp -d "${TMPDIR:-/tmp}/velquin-scan-vs-find.XXXXXX")"
trap 'rm -rf "$tree"' EXIT
make_tree "$tree"

files_found=$(find "$tree" -type f | wc -l)
read -r inner lines < <("$timer" "$tree" 1)  # also warms the cache
if [[ "$lines" != "$files_found" ]]; then
  echo "the scan listed $lines files, find $files_found" >&2
  exit 1
fi
read -r inner _ < <("$timer" "$tree" "$runs")

find_ms=$(best_of "$runs" find "$tree" -type f)
scan_ms=$(best_of "$runs" "$timer" "$tree" 1)
echo "tree: $files_found files in $(find "$tree" -mindepth 1 -type d | wc -l) folders"
echo "find -type f:  $find_ms ms"
echo "folder scan:   $scan_ms ms (in-process: $inner ms)"
awk -v s="$scan_ms" -v f="$find_ms" 'BEGIN { printf "ratio scan/find: %.2f (goal: at most 2)\n", s / f }'
