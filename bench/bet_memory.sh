#!/usr/bin/env bash
# Peak memory of keeper16 with no bet, beside keeper16 holding a bet of
# 59,049 columns (the perfect ternary code over matches 1-13, match 14 fixed)
# shown through "Visualizar Jugada", offscreen. The two starts alternate;
# prints the medians and the median of the pairs' ratios.
#
#   bench/bet_memory.sh [RUNS]     (after a build into build/, or BUILD_DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
bin=${BUILD_DIR:-build}/bin
[[ -x $bin/startup_probe && -x $bin/quiniela ]] || { echo "build first: startup_probe and quiniela" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The code's columns: ten free matches per information word, three checks
# from the check matrix whose columns are the points of the plane over three
# elements (as bench/command_line.sh builds it).
awk 'BEGIN {
  split("0 0 1 1 1 1 1 1 1 1", a); split("1 1 0 0 1 1 1 2 2 2", b); split("1 2 1 2 0 1 2 0 1 2", c)
  for (info = 0; info < 59049; info++) {
    s1 = s2 = s3 = 0; rest = info
    for (j = 1; j <= 10; j++) {
      d = rest % 3; rest = int(rest / 3); w[j] = d
      s1 += d * a[j]; s2 += d * b[j]; s3 += d * c[j]
    }
    printf "%02d %s %s %s", info + 1, substr("1X2", (3 - s1 % 3) % 3 + 1, 1),
      substr("1X2", (3 - s2 % 3) % 3 + 1, 1), substr("1X2", (3 - s3 % 3) % 3 + 1, 1)
    for (j = 1; j <= 10; j++) printf " %s", substr("1X2", w[j] + 1, 1)
    print " 1"
  }
}' | "$bin/quiniela" import --bet "$work/1x2 - Jugada.log"
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
