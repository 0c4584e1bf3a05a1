#!/usr/bin/env bash
# Opens a program's real window on the X server in DISPLAY, checks its title
# and client size, closes it as a user would and expects exit code 0.
#
#   real_window_check.sh PROGRAM EXPECTED_WIDTH EXPECTED_HEIGHT [CLOSER]
#
# CLOSER sends the window manager's close request to a window id; by default
# request_window_close next to PROGRAM (both are built into the same folder).
set -euo pipefail

if (($# < 3 || $# > 4)); then
  echo "usage: $0 PROGRAM EXPECTED_WIDTH EXPECTED_HEIGHT [CLOSER]" >&2
  exit 2
fi
program=$1
expected_width=$2
expected_height=$3
closer=${4:-$(dirname "$program")/request_window_close}
title_pattern='^1X2 \.\.\.$'
wait_seconds=10

fail() {
  echo "FAIL $(basename "$program"): $*" >&2
  exit 1
}

if [[ -z "${DISPLAY:-}" ]]; then
  fail "DISPLAY is not set; this check needs an X server (./test starts Xvfb for it)"
fi
command -v xdotool >/dev/null || fail "xdotool is not installed"
[[ -x "$program" ]] || fail "no program at $program"
[[ -x "$closer" ]] || fail "no close helper at $closer"

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
# Never leave the program behind when a check fails.
trap 'kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; true' EXIT

window_ids=$(timeout "$wait_seconds" \
  xdotool search --sync --all --onlyvisible --pid "$pid" --name "$title_pattern" 2>/dev/null) ||
  fail "no visible window titled \"1X2 ...\" within ${wait_seconds} s"
window_count=$(wc -l <<<"$window_ids")
((window_count == 1)) || fail "expected one window titled \"1X2 ...\", found $window_count"
window_id=$window_ids

# The X window of a Qt top level is its client area, menu bar included.
eval "$(xdotool getwindowgeometry --shell "$window_id")"
echo "window $window_id: client area ${WIDTH}x${HEIGHT}"
if [[ "$WIDTH" != "$expected_width" || "$HEIGHT" != "$expected_height" ]]; then
  fail "client area is ${WIDTH}x${HEIGHT}, expected ${expected_width}x${expected_height}"
fi

"$closer" "$window_id" || fail "could not send the close request"

for ((tenth = 0; tenth < wait_seconds * 10; tenth++)); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  fail "still running ${wait_seconds} s after the close request"
fi
status=0
wait "$pid" || status=$?
trap - EXIT
((status == 0)) || fail "exit code $status after closing the window, expected 0"
echo "PASS $(basename "$program"): ${WIDTH}x${HEIGHT}, closed with exit code 0"
