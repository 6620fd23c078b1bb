#!/usr/bin/env bash
# The Details command as the author waits for it (click on 詳細設定 until the
# dialog is painted), against its floor measured in the same run:
# - a new folder of 10,000 and of 100,000 files: `find DIR -type f` plus a
#   bare QPlainTextEdit taking and painting the same lines (goal: at most 1.1
#   times that floor);
# - an existing settings file of 20,000 entries: loaded and shown (goal:
#   under 40 ms), beside the bare memo taking its lines.
#
#   bench/ui/details_vs_floor.sh [path/to/velquin_details_timer]
#
# Build the timer in Release first (see the README's benchmark section).
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
timer="${1:-$repo/build/bench/bench/ui/velquin_details_timer}"
[[ -x "$timer" ]] || { echo "no Details timer at $timer (see the comment at the top)" >&2; exit 2; }
runs=5
source "$repo/bench/tree.sh"

big="$(mktemp -d "${TMPDIR:-/tmp}/velquin-details-file.XXXXXX")"
trap 'rm -rf "$big"' EXIT

# A new folder: the scan fills the list.
for folders in 100 1000; do
  tree="$big/tree$folders"
  mkdir "$tree"
  make_tree "$tree" "$folders"
  touch "$tree/app.exe"
  find "$tree" -type f >/dev/null  # warm the cache
  find_ms=$(best_of "$runs" find "$tree" -type f)
  read -r details_ms bare_ms lines marked_ms < <("$timer" "$tree" "$runs" 2>/dev/null)
  echo "new folder: $lines files"
  echo "  find -type f:             $find_ms ms"
  echo "  bare memo fill:           $bare_ms ms"
  echo "  Details, click to dialog: $details_ms ms"
  echo "  Details, click to marks:  $marked_ms ms (the check runs after the first paint)"
  awk -v d="$details_ms" -v f="$find_ms" -v b="$bare_ms" \
    'BEGIN { printf "  ratio Details/(find + fill): %.2f (goal: at most 1.1)\n", d / (f + b) }'
  rm -rf "$tree"
done

# An existing settings file: the loading fills the lists.
touch "$big/app.exe"
read -r details_ms bare_ms lines marked_ms < <("$timer" "$big" "$runs" --settings-file 20000 2>/dev/null)
echo "settings file: $lines file entries"
echo "  bare memo fill:           $bare_ms ms"
echo "  Details, click to dialog: $details_ms ms (goal: under 40 ms)"
echo "  Details, click to marks:  $marked_ms ms"
