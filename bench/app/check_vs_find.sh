#!/usr/bin/env bash
# `velquin --check` as a release script runs it, beside its floor: a tree of
# 100,000 files in 1,000 folders, every one listed in Rivo.ini, then the
# whole check and `find DIR -type f` on it in the same run (best of nine, the
# two in turn, each timed as a whole process from outside, warm cache), and
# the ratio. Then a settings file with 1 MB of bytes code page 932 cannot
# decode in one entry.
#
#   bench/app/check_vs_find.sh [path/to/velquin]
#
# Build the tool in Release first:
#   cmake --preset bench && cmake --build --preset bench --target velquin_front
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
velquin="${1:-$repo/build/bench/src/app/velquin}"
[[ -x "$velquin" ]] || { echo "no velquin at $velquin (see the comment at the top)" >&2; exit 2; }
runs=9

source "$repo/bench/tree.sh"

tree="$(mktemp -d "${TMPDIR:-/tmp}/velquin-check-vs-find.XXXXXX")"
trap 'rm -rf "$tree"' EXIT
make_tree "$tree"
make_listed_settings "$tree"

"$velquin" --check "$tree" >/dev/null || { echo "the check found errors:" >&2; "$velquin" --check "$tree" | tail -3 >&2; exit 1; }
best_of_both "$runs" find_ms check_ms -- find "$tree" -type f -- "$velquin" --check "$tree"
echo "tree: $(find "$tree" -type f | wc -l) files in $(find "$tree" -mindepth 1 -type d | wc -l) folders, $(grep -c '^Item' "$tree/Rivo.ini") entries"
echo "find -type f:     $find_ms ms"
echo "velquin --check:  $check_ms ms"
awk -v c="$check_ms" -v f="$find_ms" 'BEGIN { printf "ratio check/find: %.2f (goal: at most 1.5)\n", c / f }'

damaged="$(mktemp -d "${TMPDIR:-/tmp}/velquin-check-damaged.XXXXXX")"
trap 'rm -rf "$tree" "$damaged"' EXIT
touch "$damaged/Rivo.exe"
{
  printf '[Application]\r\nName = '
  head -c 1048576 /dev/zero | tr '\0' '\205'
  printf '\r\n[Files]\r\nItem1 = Rivo.exe,2\r\nItem2 = Rivo.ini\r\n'
} >"$damaged/Rivo.ini"
damaged_ms=$(best_of 3 "$velquin" --check "$damaged")
echo "1 MB of undecodable bytes: $damaged_ms ms (goal: under 1000)"
