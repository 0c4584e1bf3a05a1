#!/usr/bin/env bash
# Installs a build into a fresh folder and checks that the folder stands on
# its own: the four window programs, the icon, a desktop entry each naming that
# folder, and a program that starts and closes from there.
#
#   install_check.sh BUILD_DIR CLOSER
set -euo pipefail
build=$1
closer=$2
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in keeper16 keeper8 reducer systems; do
  [[ -x "$prefix/$file" ]] || { echo "FAIL: $file not installed" >&2; exit 1; }
  grep -qx "Exec=\"$prefix/$file\"" "$prefix/$file.desktop" ||
    { echo "FAIL: $file.desktop does not start $prefix/$file" >&2; exit 1; }
done
[[ -s "$prefix/quiniela-1x2.png" ]] || { echo "FAIL: no icon" >&2; exit 1; }
"$here/real_window_check.sh" "$prefix/keeper8" 430 360 "$closer"
echo "PASS: installed folder $prefix is complete"
