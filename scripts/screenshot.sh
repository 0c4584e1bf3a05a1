#!/usr/bin/env bash
# Takes a picture of a program's window, after marking a few cells with the
# mouse, and writes it to docs/PROGRAM.png.
#
#   scripts/screenshot.sh PROGRAM [COLUMN,SIGN,ROW ...]
#
# PROGRAM is keeper16, keeper8, reducer or systems; cells count from 0 (sign
# 0 = "1", 1 = "X", 2 = "2"). In systems the cells are the forecast's (column
# 0), and "Generar Sistema" is pressed after them. Uses the X server in DISPLAY, or starts Xvfb when none is
# set. MENU_BAR_HEIGHT overrides the menu bar height used to place the clicks.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: $0 keeper16|keeper8|reducer|systems [COLUMN,SIGN,ROW ...]" >&2
  exit 2
}
(($# >= 1)) || usage
case "$1" in
  keeper16 | keeper8 | reducer | systems) program=$1 ;;
  *) usage ;;
esac
shift
output=docs/$program.png
menu_bar_height=${MENU_BAR_HEIGHT:-22}

# ImageMagick is only needed here, not by the build or the tests.
scripts/install-deps
scripts/install-deps imagemagick
cmake -S . -B build >/dev/null
title='^1X2 \.\.\.$'
if [[ $program == systems ]]; then
  title='^1X2 Sistemas$'
fi
cmake --build build -j"$(nproc)" --target "$program" request_window_close >/dev/null

# shellcheck source=scripts/xvfb.sh
source scripts/xvfb.sh
pid=
cleanup() {
  if [[ -n "$pid" ]]; then
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  fi
  stop_xvfb
}
trap cleanup EXIT
if [[ -z "${DISPLAY:-}" ]]; then
  start_xvfb
fi

QT_QPA_PLATFORM=xcb "build/bin/$program" &
pid=$!
window_id=$(timeout 10 xdotool search --sync --all --onlyvisible --pid "$pid" --name "$title" | head -n 1)
if [[ -z "$window_id" ]]; then
  echo "screenshot: no window from $program" >&2
  exit 1
fi
sleep 1

# The picture sits at (10, 10) below the menu bar; a cell's top left corner
# is at (15 + 49 column + 15 sign, 25 + 15 row) on the picture, 15 pixels wide.
for cell in "$@"; do
  IFS=, read -r column sign row <<<"$cell"
  x=$((10 + 15 + 49 * column + 15 * sign + 7))
  y=$((menu_bar_height + 10 + 25 + 15 * row + 7))
  xdotool mousemove --window "$window_id" "$x" "$y" click 1
  sleep 0.2
done
if [[ $program == systems ]]; then
  # "Generar Sistema", then time for the search.
  xdotool mousemove --window "$window_id" 700 $((menu_bar_height + 370)) click 1
  sleep 4
fi
# Park the pointer outside the window so it leaves no hover mark.
xdotool mousemove 0 0
sleep 0.5

mkdir -p docs
import -window "$window_id" "$output"
echo "screenshot: wrote $output" >&2

build/bin/request_window_close "$window_id"
wait "$pid" || true
pid=
