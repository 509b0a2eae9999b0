#!/usr/bin/env bash
# The test display for the tests that open windows.
# start: starts Xvfb on a free display number, writes ":N" to xvfb-display
#        beside the wine-run script, and restarts the build's wineserver with
#        that display, so that Wine's desktop process (started once per
#        server) can draw windows there.
# stop:  ends that Xvfb and restarts the wineserver without a display.
set -euo pipefail
run=${1:?wine-run path}; action=${2:?start|stop}
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$(dirname "$run")" && pwd)
display_file=$build/xvfb-display
pid_file=$build/xvfb.pid
prefix=$(sed -n 's/^export WINEPREFIX="\([^"]*\)".*/\1/p' "$run")
export WINEPREFIX="$prefix"

stop_xvfb() {
  rm -f "$display_file"
  if [ -s "$pid_file" ]; then
    pid=$(cat "$pid_file")
    # Only the Xvfb that this script started.
    if [ "$(ps -o comm= -p "$pid" 2>/dev/null)" = Xvfb ]; then
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
    rm -f "$pid_file"
  fi
}

restart_wineserver() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  wineserver -w </dev/null >/dev/null 2>&1 || true
  "$here/server.sh" "$run" start
}

case "$action" in
  start)
    stop_xvfb
    number_file=$(mktemp)
    # -displayfd: Xvfb picks a free display number and writes it once ready.
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
      3>"$number_file" </dev/null >/dev/null 2>&1 &
    echo $! > "$pid_file"
    for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
    number=$(tr -dc 0-9 < "$number_file"); rm -f "$number_file"
    if [ -z "$number" ]; then echo "xvfb.sh: Xvfb did not start" >&2; stop_xvfb; exit 1; fi
    echo ":$number" > "$display_file"
    DISPLAY=":$number" restart_wineserver
    echo "Xvfb on :$number" ;;
  stop)
    stop_xvfb
    unset DISPLAY
    restart_wineserver ;;
esac
