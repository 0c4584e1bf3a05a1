#!/usr/bin/env bash
# Times "quiniela" as whole processes, side by side with what it is measured
# against, and prints median wall times and their ratio:
#   check of a 16-column bet      beside  /bin/true
#   guarantee over 14 triples     beside  the plain count (plain_guarantee)
#   guarantee of 59,049 columns   beside  show --json of the same bet
#     (the perfect ternary code over matches 1-13, match 14 fixed)
#
#   bench/command_line.sh [RUNS]     (after a build into build/)
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=bench/perfect_code.sh
source bench/perfect_code.sh
runs=${1:-21}
bin=${BUILD_DIR:-build}/bin
[[ -x $bin/quiniela && -x $bin/plain_guarantee ]] || { echo "build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bet=$work/bet.log
# Sixteen columns of single signs, the same every time.
for c in $(seq 1 16); do
  printf '%02d' "$c"
  for m in $(seq 1 14); do printf ' %s' "$(echo 1 X 2 | cut -d' ' -f$(((c * 7 + m * 5) % 3 + 1)))"; done
  echo
done | "$bin/quiniela" import --bet "$bet"

# Median wall time in microseconds of RUNS runs of the command.
median_us() {
  local times=() start end
  for ((k = 0; k < runs; k++)); do
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'
}

row() {
  local name=$1 a=$2 b=$3
  printf '%-34s %10s us %10s us %8s\n' "$name" "$a" "$b" "$(awk -v a="$a" -v b="$b" 'BEGIN {printf "%.2f", a / b}')"
}

printf '%-34s %13s %13s %8s\n' "" "quiniela" "beside" "ratio"
row "check 16 columns / /bin/true" \
  "$(median_us "$bin/quiniela" check 1X21X2111X2X12 --bet "$bet")" "$(median_us /bin/true)"
row "guarantee 14 triples / plain" \
  "$(median_us "$bin/quiniela" guarantee 1X2,1X2,1X2,1X2,1X2,1X2,1X2,1X2,1X2,1X2,1X2,1X2,1X2,1X2 --bet "$bet")" \
  "$(runs=3 median_us "$bin/plain_guarantee" "$bet")"

# The perfect ternary code over matches 1-13.
code=$work/code.log
perfect_code_bet "$bin/quiniela" "$code"
row "guarantee 59049 columns / show --json" \
  "$(median_us "$bin/quiniela" guarantee --bet "$code")" "$(median_us "$bin/quiniela" show --json --bet "$code")"
