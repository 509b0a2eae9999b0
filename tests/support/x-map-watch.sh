#!/usr/bin/env bash
# Watches the X server of $DISPLAY for top-level windows being mapped, so that
# a test can prove that a program showed nothing, not even for one frame.
#
#   x-map-watch.sh start DIR   starts the watch; DIR holds its state
#   x-map-watch.sh mark DIR    maps a marker window of its own and waits
#                              until the watch has reported it (so every map
#                              before it has been reported too); writes the
#                              position of that map among all maps to DIR/mark
#   x-map-watch.sh stop DIR    ends the watch and removes DIR
#
# The number of windows mapped between two marks is the difference of their
# positions less one. (xev writes line by line through stdbuf, so that the
# log is current.)
set -euo pipefail
action=${1:?start|mark|stop}; dir=${2:?state folder}
[ -n "${DISPLAY:-}" ] || { echo "x-map-watch.sh: no DISPLAY" >&2; exit 1; }

# Every top-level window mapped on the display, in order, one id a line.
mapped_ids() {
  awk '/^MapNotify event/ {map = 1; next}
       map && /window 0x/ {for (i = 1; i <= NF; i++) if ($i == "window") {w = $(i + 1); sub(",", "", w); print w}; map = 0}' \
    "$dir/events"
}

# X may hand out a marker's id again, so only a map after the ones already
# listed counts. A marker mapped before the watch listens goes unseen, so it
# is tried again.
mark() {
  local pid id at known
  for _ in $(seq 20); do
    known=$(mapped_ids | wc -l)
    # Created here: the background job opens it only when it gets to run.
    : >"$dir/marker"
    stdbuf -oL xev -name fwx-marker >"$dir/marker" 2>/dev/null </dev/null &
    pid=$!
    at=
    for _ in $(seq 40); do
      id=$(sed -n 's/^Outer window is \(0x[0-9a-f]*\).*/\1/p' "$dir/marker")
      [ -n "$id" ] && at=$(mapped_ids | awk -v id="$id" -v from="$known" 'NR > from && $0 == id {print NR; exit}')
      [ -n "$at" ] && break
      sleep 0.05
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -n "$at" ]; then
      echo "$at" >"$dir/mark.part" && mv "$dir/mark.part" "$dir/mark"
      return 0
    fi
  done
  echo "x-map-watch.sh: the watch does not see windows" >&2
  return 1
}

case "$action" in
  start)
    mkdir -p "$dir"
    : >"$dir/events"
    # Detached, with no standard streams of its caller: the caller may be a
    # Wine process that waits for them to close.
    setsid stdbuf -oL xev -root -event substructure >"$dir/events" 2>/dev/null </dev/null &
    echo $! >"$dir/watcher.pid"
    mark ;;
  mark)
    mark ;;
  stop)
    if [ -s "$dir/watcher.pid" ]; then
      pid=$(cat "$dir/watcher.pid")
      # Only the watcher that start began.
      [ "$(ps -o comm= -p "$pid" 2>/dev/null)" = xev ] && kill "$pid" 2>/dev/null || true
    fi
    rm -rf "$dir" ;;
  *)
    echo "x-map-watch.sh: unknown action $action" >&2; exit 2 ;;
esac
