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

# make_listed_settings DIR: the engine's file and a Rivo.ini in DIR that
# lists every .dat file under it, as Create writes it.
make_listed_settings() {
  local tree=$1
  touch "$tree/Rivo.exe"
  {
    printf '[Application]\r\nName = Bench\r\n[Install]\r\nTitle = Bench\r\nTextFile = \r\n'
    printf 'Program = \r\nAllUsers = -1\r\nMessage = \r\n[Files]\r\n'
    (cd "$tree" && find . -type f -name '*.dat' | sed 's|^\./||; s|/|\\|g') |
      awk '{ printf "Item%d = %s\r\n", NR, $0 } END { printf "Item%d = Rivo.exe,2\r\nItem%d = Rivo.ini\r\n", NR + 1, NR + 2 }'
    printf '[Group]\r\nValue = -1\r\n[Startup]\r\nValue = -1\r\n[Desktop]\r\nValue = -1\r\n'
  } >"$tree/Rivo.ini"
}

# times_of_both RUNS NAME_A -- COMMAND_A... -- NAME_B -- COMMAND_B...: two
# commands timed RUNS times in turn (A, B, A, B ...), each as a whole process;
# their best and median wall times in ms into NAME_A_best, NAME_A_median,
# NAME_B_best and NAME_B_median.
times_of_both() {
  local runs=$1 name_a=$2 name_b a=() b=() times_a=() times_b=() name sorted
  shift 3
  while [[ $1 != -- ]]; do a+=("$1"); shift; done
  shift
  name_b=$1
  shift 2
  b=("$@")
  for _ in $(seq "$runs"); do
    timed "${a[@]}"; times_a+=("$timed_us")
    timed "${b[@]}"; times_b+=("$timed_us")
  done
  for name in "$name_a" "$name_b"; do
    if [[ $name == "$name_a" ]]; then sorted=$(printf '%s\n' "${times_a[@]}" | sort -n); else sorted=$(printf '%s\n' "${times_b[@]}" | sort -n); fi
    printf -v "${name}_best" '%s' "$(as_ms "$(head -1 <<<"$sorted")")"
    printf -v "${name}_median" '%s' "$(as_ms "$(sed -n "$(( (runs + 1) / 2 ))p" <<<"$sorted")")"
  done
}
