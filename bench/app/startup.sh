#!/usr/bin/env bash
# Start-up of velquin against an empty Qt Widgets window, both built in
# Release with the same flags (the bench preset): the time from process start until the window
# has been painted and the process has ended (hyperfine, one run for both),
# and the peak resident memory of each (GNU time, median of several runs).
# Prints both ratios; the goal is 1.3 or less for each.
#
#   bench/app/startup.sh            # offscreen platform, no display needed
#   PLATFORM=xcb xvfb-run -a bench/app/startup.sh
set -euo pipefail
cd "$(dirname "$0")/../.."

build=build/bench
runs=${RUNS:-40}
cmake --preset bench >/dev/null
cmake --build --preset bench --target velquin_probed velquin_empty_window >/dev/null

# The window program with the hook that ends a measured run.
velquin=$build/tests/probe/velquin_probed
empty=$build/bench/app/velquin_empty_window
export QT_QPA_PLATFORM=${PLATFORM:-offscreen}
export VELQUIN_QUIT_AFTER_SHOW=1

# The empty window takes the size of velquin's own.
size=$("$velquin" | sed -n 's/^shown .* \([0-9]*x[0-9]*\)$/\1/p')
[ -n "$size" ] || { echo "$velquin did not show its window" >&2; exit 1; }
"$empty" "$size" | grep -q '^shown ' || { echo "$empty did not show its window" >&2; exit 1; }

json=$(mktemp)
trap 'rm -f "$json"' EXIT
hyperfine -N --warmup 5 --runs "$runs" --export-json "$json" \
  -n velquin "$velquin" -n empty-window "$empty $size"

peak_rss() {  # median of the peak resident set sizes (KiB) of 11 runs
  for _ in $(seq 11); do
    /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n1
  done | sort -n | sed -n 6p
}
rss_velquin=$(peak_rss "$velquin")
rss_empty=$(peak_rss "$empty" "$size")

python3 - "$json" "$rss_velquin" "$rss_empty" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
v, e = results["velquin"], results["empty-window"]
rv, re_ = int(sys.argv[2]), int(sys.argv[3])
print(f"start-up  velquin {v['mean']*1000:.1f} ms ± {v['stddev']*1000:.1f}, "
      f"empty window {e['mean']*1000:.1f} ms ± {e['stddev']*1000:.1f}: "
      f"ratio {v['mean']/e['mean']:.2f}")
print(f"peak RSS  velquin {rv} KiB, empty window {re_} KiB: ratio {rv/re_:.2f}")
PY
