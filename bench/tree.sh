# Shell helpers of the benchmark scripts; sourced, not run.

# make_tree DIR [FOLDERS]: 100 files in each of FOLDERS folders (1,000 unless
# given: 100,000 files) under DIR, ten folders at the top and the rest below
# them, as the scan benchmarks use.
make_tree() {
  local tree=$1 folders=${2:-1000} f dir
  for f in $(seq 0 $((folders - 1))); do
    if (( f < 10 )); then dir="$tree/d$f"; else dir="$tree/d$((f % 10))/sub$f"; fi
    mkdir -p "$dir"
    (cd "$dir" && touch file{0..99}.dat)
  done
}

# timed COMMAND...: runs COMMAND once as a whole process (its output
# dropped) and keeps its wall time in microseconds in `timed_us`.
timed() {
  local start end
  start=$(date +%s%N); "$@" >/dev/null; end=$(date +%s%N)
  timed_us=$(( (end - start) / 1000 ))
}

# as_ms US: microseconds as milliseconds with one decimal.
as_ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }

# best_of RUNS COMMAND...: the best wall time in ms of COMMAND over RUNS runs,
# each timed as a whole process.
best_of() {
  local runs=$1 best=""
  shift
  for _ in $(seq "$runs"); do
    timed "$@"
    if [[ -z "$best" || $timed_us -lt $best ]]; then best=$timed_us; fi
  done
  as_ms "$best"
}

# best_of_both RUNS VAR_A VAR_B -- COMMAND_A... -- COMMAND_B...: the best wall
# times in ms of two commands over RUNS runs taken in turn (A, B, A, B ...),
# so that both meet the same moments of a busy machine; into VAR_A and VAR_B.
best_of_both() {
  local runs=$1 var_a=$2 var_b=$3 a=() b=() best_a="" best_b=""
  shift 4
  while [[ $1 != -- ]]; do a+=("$1"); shift; done
  shift
  b=("$@")
  for _ in $(seq "$runs"); do
    timed "${a[@]}"
    if [[ -z "$best_a" || $timed_us -lt $best_a ]]; then best_a=$timed_us; fi
    timed "${b[@]}"
    if [[ -z "$best_b" || $timed_us -lt $best_b ]]; then best_b=$timed_us; fi
  done
  printf -v "$var_a" '%s' "$(as_ms "$best_a")"
  printf -v "$var_b" '%s' "$(as_ms "$best_b")"
}
