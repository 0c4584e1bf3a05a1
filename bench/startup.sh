#!/usr/bin/env bash
# Prints the median start-to-first-paint time and peak memory of each
# program over several starts, offscreen; then keeper16's start to exit
# (quitting after its first paint) side by side with bare_window, a plain
# Qt window of the same size and controls, offscreen and on Xvfb; then the
# inner benchmarks.
#
#   bench/startup.sh [RUNS]     (after a build into build/, or BUILD_DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${BUILD_DIR:-build}
probe=$build/bin/startup_probe
bare=$build/bin/bare_window
[[ -x $probe && -x $bare ]] || { echo "build first: cmake --build $build" >&2; exit 1; }

median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

# One start of a program (or "bare") to its first paint: "ms MiB".
first_paint() {
  if [[ $1 == bare ]]; then
    "$bare" "$(date +%s%N)" 2>/dev/null
  else
    "$probe" "$1" "$(date +%s%N)" 2>/dev/null
  fi
}

# Milliseconds from the start of the command to its exit, read from bash's
# own clock so that no extra process is timed.
start_to_exit() {
  local begin=$EPOCHREALTIME end
  "$@" >/dev/null 2>&1
  end=$EPOCHREALTIME
  awk -v b="$begin" -v e="$end" 'BEGIN {printf "%.1f\n", (e - b) * 1000}'
}

# keeper16 and the bare window in turn, so that a drift of the machine's
# speed hits both; the ratio is taken pair by pair.
side_by_side() {
  local label=$1 k keeper bare_ms keepers=() bares=() ratios=()
  start_to_exit "$probe" keeper16 0 >/dev/null  # warm the caches first
  start_to_exit "$bare" >/dev/null
  for ((k = 0; k < runs; k++)); do
    keeper=$(start_to_exit "$probe" keeper16 0)
    bare_ms=$(start_to_exit "$bare")
    keepers+=("$keeper") bares+=("$bare_ms")
    ratios+=("$(awk -v a="$keeper" -v b="$bare_ms" 'BEGIN {printf "%.3f\n", a / b}')")
  done
  printf '%-10s %14s %14s %18s\n' "$label" \
    "$(printf '%s\n' "${keepers[@]}" | median)" "$(printf '%s\n' "${bares[@]}" | median)" \
    "$(printf '%s\n' "${ratios[@]}" | median)"
}

printf '%-12s %22s %18s\n' program "start to paint (ms)" "peak memory (MiB)"
for program in keeper16 keeper8 reducer bare; do
  times=() memory=()
  for ((k = 0; k < runs; k++)); do
    read -r ms mib < <(QT_QPA_PLATFORM=offscreen first_paint "$program")
    times+=("$ms") memory+=("$mib")
  done
  printf '%-12s %22s %18s\n' "${program/#bare/bare window}" \
    "$(printf '%s\n' "${times[@]}" | median)" "$(printf '%s\n' "${memory[@]}" | median)"
done

echo
echo "start to exit, quitting after the first paint (median ms of $runs pairs)"
printf '%-10s %14s %14s %18s\n' platform keeper16 "bare window" "keeper16 / bare"
QT_QPA_PLATFORM=offscreen side_by_side offscreen
if command -v Xvfb >/dev/null; then
  # shellcheck source=../scripts/xvfb.sh
  source scripts/xvfb.sh
  trap stop_xvfb EXIT
  if start_xvfb 2>/dev/null; then
    QT_QPA_PLATFORM=xcb side_by_side xvfb
    stop_xvfb
  fi
fi

echo
"$build"/bin/coupon_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_filter='.*' 2>/dev/null | grep -E '_median|Benchmark|---'
