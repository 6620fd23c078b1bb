#!/usr/bin/env bash
# プレビュー as the author waits for it, on the detailed-settings dialog
# showing a new folder of 100,000 files: from the click until the preview
# window is painted, against its floor measured in the same run, a bare
# QPlainTextEdit taking and painting the same text (goal: the preview under
# 500 ms); beside them, from the same click, the plan page opened at once
# until it shows the plan, against `find -type f` (the plan reads the folder
# and every file's size).
#
#   bench/ui/preview_vs_floor.sh [path/to/velquin_preview_timer]
#
# Build the timer in Release first (see the README's benchmark section).
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
timer="${1:-$repo/build/bench/bench/ui/velquin_preview_timer}"
[[ -x "$timer" ]] || { echo "no preview timer at $timer (see the comment at the top)" >&2; exit 2; }
runs=5
source "$repo/bench/tree.sh"

tree="$(mktemp -d "${TMPDIR:-/tmp}/velquin-preview.XXXXXX")"
trap 'rm -rf "$tree"' EXIT
make_tree "$tree"
touch "$tree/app.exe"
find "$tree" -type f >/dev/null  # warm the cache
find_ms=$(best_of "$runs" find "$tree" -type f)
read -r preview_ms plan_ms bare_ms lines < <("$timer" "$tree" "$runs" 2>/dev/null)
echo "preview of a settings file of $lines lines"
echo "  bare memo fill:             $bare_ms ms"
echo "  preview, click to window:   $preview_ms ms (goal: under 500 ms)"
awk -v p="$preview_ms" -v b="$bare_ms" \
  'BEGIN { printf "  ratio preview/fill:         %.2f\n", p / b }'
echo "  find -type f:               $find_ms ms"
echo "  preview, click to the plan: $plan_ms ms (the plan is made after the first paint)"
