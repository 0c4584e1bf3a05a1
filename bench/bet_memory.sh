#!/usr/bin/env bash
# Peak memory of keeper16 with no bet, beside keeper16 holding a bet of
# 59,049 columns (the perfect ternary code over matches 1-13, match 14 fixed)
# shown through "Visualizar Jugada", offscreen. The two starts alternate;
# prints the medians and the median of the pairs' ratios.
#
#   bench/bet_memory.sh [RUNS]     (after a build into build/, or BUILD_DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=bench/perfect_code.sh
source bench/perfect_code.sh
runs=${1:-9}
bin=${BUILD_DIR:-build}/bin
[[ -x $bin/startup_probe && -x $bin/quiniela ]] || { echo "build first: startup_probe and quiniela" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
perfect_code_bet "$bin/quiniela" "$work/1x2 - Jugada.log"
[[ $(stat -c %s "$work/1x2 - Jugada.log") == 9920232 ]] || { echo "the bet was not built" >&2; exit 1; }

median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
# Peak MiB of one start: the second field of the probe's line.
peak() { "$bin/startup_probe" keeper16 "$(date +%s%N)" "$@" 2>/dev/null | awk '{print $2}'; }

bare=() held=() ratios=()
for ((k = 0; k < runs; k++)); do
  without=$(peak)
  with=$(peak "$work")
  bare+=("$without") held+=("$with")
  ratios+=("$(awk -v a="$with" -v b="$without" 'BEGIN {printf "%.3f\n", a / b}')")
done
printf '%-28s %10s\n' "keeper16" "peak (MiB)"
printf '%-28s %10s\n' "no bet" "$(printf '%s\n' "${bare[@]}" | median)"
printf '%-28s %10s\n' "59,049-column bet shown" "$(printf '%s\n' "${held[@]}" | median)"
printf '%-28s %10s\n' "ratio (median of $runs pairs)" "$(printf '%s\n' "${ratios[@]}" | median)"
