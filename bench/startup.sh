#!/usr/bin/env bash
# Prints the median start-to-first-paint time and peak memory of each
# program over several starts, offscreen, then the inner benchmarks.
#
#   bench/startup.sh [RUNS]     (after a build into build/)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${BUILD_DIR:-build}
probe=$build/bin/startup_probe
[[ -x $probe ]] || { echo "build first: cmake --build build" >&2; exit 1; }

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

printf '%-10s %22s %18s\n' program "start to paint (ms)" "peak memory (MiB)"
for program in keeper16 keeper8 reducer; do
  times=() memory=()
  for ((k = 0; k < runs; k++)); do
    read -r ms mib < <(QT_QPA_PLATFORM=offscreen "$probe" "$program" "$(date +%s%N)" 2>/dev/null)
    times+=("$ms") memory+=("$mib")
  done
  printf '%-10s %22s %18s\n' "$program" \
    "$(printf '%s\n' "${times[@]}" | median)" "$(printf '%s\n' "${memory[@]}" | median)"
done
echo
"$build"/bin/coupon_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_filter='.*' 2>/dev/null | grep -E '_median|Benchmark|---'
