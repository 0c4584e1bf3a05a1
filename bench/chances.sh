#!/usr/bin/env bash
# Times "quiniela chances" as whole processes over a full round (all 14
# matches to play, 4,782,969 results) with a jornada of probabilities, public
# shares and takings, and prints median wall times and peak memory:
#   16 simple columns, without and with --columns
#   1,000 simple columns, without and with --columns, beside the plain count
#     (plain_chances: every simple bet against every result, two threads),
#     which also checks that both counts agree to 1e-9
#
#   bench/chances.sh [RUNS]     (after a build into build/)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
bin=${BUILD_DIR:-build}/bin
[[ -x $bin/quiniela && -x $bin/plain_chances ]] || { echo "build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A plausible round: favourites at home, a public that backs them harder.
jornada=$work/jornada.json
{
  printf '{"price": 0.75, "takings": 2200000, "jackpot": 0, "matches": ['
  for m in $(seq 0 13); do
    case $((m % 3)) in
      0) p='[50, 28, 22]'; q='[65, 22, 13]' ;;
      1) p='[36, 30, 34]'; q='[28, 24, 48]' ;;
      2) p='[25, 30, 45]'; q='[42, 28, 30]' ;;
    esac
    printf '%s{"probabilities": %s, "public": %s}' "$([[ $m -gt 0 ]] && echo ,)" "$p" "$q"
  done
  printf ']}\n'
} >"$jornada"

# COUNT simple columns, the same every time.
bet_of() {
  local count=$1 file=$2
  awk -v n="$count" 'BEGIN {
    s = 12345
    for (c = 1; c <= n; c++) {
      line = sprintf("%02d", c)
      for (m = 0; m < 14; m++) { s = (s * 1103515245 + 12345) % 2147483648; line = line " " substr("1X2", int(s / 65536) % 3 + 1, 1) }
      print line
    }
  }' | "$bin/quiniela" import --bet "$file"
}
bet16=$work/bet16.log
bet1000=$work/bet1000.log
bet_of 16 "$bet16"
bet_of 1000 "$bet1000"

# Median wall time in milliseconds of RUNS runs of the command.
median_ms() {
  local times=() start end
  for ((k = 0; k < runs; k++)); do
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'
}

# Peak resident memory in MiB of one run.
peak_mib() {
  /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1 | awk '{printf "%.0f", $1 / 1024}'
}

row() {
  printf '%-44s %8s ms %6s MiB\n' "$1" "$(median_ms "${@:2}")" "$(peak_mib "${@:2}")"
}

chances=("$bin/quiniela" chances --jornada "$jornada" --json)
row "16 columns" "${chances[@]}" --bet "$bet16"
row "16 columns --columns" "${chances[@]}" --bet "$bet16" --columns
row "1000 columns" "${chances[@]}" --bet "$bet1000"
row "1000 columns --columns" "${chances[@]}" --bet "$bet1000" --columns

engine=$(median_ms "${chances[@]}" --bet "$bet1000")
"${chances[@]}" --bet "$bet1000" >"$work/engine.json"
plain=$(runs=1 median_ms "$bin/plain_chances" "$jornada" "$bet1000")
printf '%-44s %8s ms\n' "1000 columns, plain count" "$plain"
printf 'plain count / quiniela chances: %s times\n' "$(awk -v a="$plain" -v b="$engine" 'BEGIN {printf "%.1f", a / b}')"
"$bin/plain_chances" "$jornada" "$bet1000" "$work/engine.json" | tail -1
