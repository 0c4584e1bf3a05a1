# shellcheck shell=bash
# Sourced by ./test and scripts/screenshot.sh: start_xvfb starts a private
# Xvfb server and exports DISPLAY for it; stop_xvfb ends it again. Callers
# put stop_xvfb in their EXIT trap.

xvfb_pid=

stop_xvfb() {
  if [[ -n "$xvfb_pid" ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  fi
}

# Takes the first display from :99 on that has no lock file and comes up;
# another server may grab a number between the check and the start, so a
# server that dies or never answers moves us on to the next number.
start_xvfb() {
  local display tenth
  for ((display = 99; display < 199; display++)); do
    if [[ -e "/tmp/.X${display}-lock" || -e "/tmp/.X11-unix/X${display}" ]]; then
      continue
    fi
    Xvfb ":${display}" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for ((tenth = 0; tenth < 100; tenth++)); do
      if DISPLAY=":${display}" xdotool getdisplaygeometry >/dev/null 2>&1; then
        export DISPLAY=":${display}"
        echo "Xvfb running on $DISPLAY" >&2
        return 0
      fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    stop_xvfb
  done
  echo "could not start Xvfb" >&2
  return 1
}
