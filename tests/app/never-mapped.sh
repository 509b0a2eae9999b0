#!/usr/bin/env bash
# Watches the X server for windows being mapped while FwExclude.exe runs:
# started with one or two parameters it must map none, in any outcome, not even for one
# frame; started without parameters it maps its dialog (which shows that
# the watch sees a window when there is one).
# (xev writes line by line through stdbuf, so that the log is current.)
# Usage: never-mapped.sh WINE_RUN_DISPLAY FWEXCLUDE_EXE
set -euo pipefail
run=${1:?wine-run-display path}; exe=${2:?FwExclude.exe path}
display_file=$(dirname "$run")/xvfb-display
[ -s "$display_file" ] || { echo "no test display (xvfb_start)" >&2; exit 1; }
export DISPLAY=$(cat "$display_file")

work=$(mktemp -d)
watcher=
cleanup() {
  [ -n "$watcher" ] && kill "$watcher" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Every top-level window mapped on the display, in order, one id a line.
mapped_ids() {
  awk '/^MapNotify event/ {map = 1; next}
       map && /window 0x/ {for (i = 1; i <= NF; i++) if ($i == "window") {w = $(i + 1); sub(",", "", w); print w}; map = 0}' \
    "$work/events"
}

# Maps a window of our own and waits until the watcher has reported it:
# everything mapped before it has been reported too. Prints the position
# of its map in the list of maps (X may hand out a marker's id again, so
# only a map after the ones already listed counts). A marker mapped before
# the watcher has started listening goes unseen, so it is tried again.
marker() {
  local pid id at known
  for _ in $(seq 20); do
    known=$(mapped_ids | wc -l)
    : >"$work/marker"
    stdbuf -oL xev -name fwx-marker >>"$work/marker" 2>/dev/null &
    pid=$!
    at=
    for _ in $(seq 40); do
      id=$(sed -n 's/^Outer window is \(0x[0-9a-f]*\).*/\1/p' "$work/marker")
      [ -n "$id" ] && at=$(mapped_ids | awk -v id="$id" -v from="$known" 'NR > from && $0 == id {print NR; exit}')
      [ -n "$at" ] && break
      sleep 0.05
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -n "$at" ]; then echo "$at"; return; fi
  done
  echo "the watch does not see windows" >&2
  exit 1
}

# Windows mapped between two markers.
maps_between() {
  echo $(($2 - $1 - 1))
}

stdbuf -oL xev -root -event substructure >"$work/events" 2>/dev/null &
watcher=$!

failed=0
# One run with the given parameters: it must end with the expected exit
# status and map nothing, whatever the outcome. (The test registry holds no
# install folders, so every lookup fails with its own code.)
unattended() {
  local expected=$1 before after status=0 maps
  shift
  before=$(marker)
  timeout 60 "$run" "$exe" "$@" </dev/null >/dev/null 2>&1 || status=$?
  after=$(marker)
  maps=$(maps_between "$before" "$after")
  echo "parameters [$*] ($# of them): exit status $status (expected $expected), windows mapped: $maps"
  [ "$status" -eq "$expected" ] && [ "$maps" -eq 0 ] || failed=1
}
unattended 0 TLQ
unattended 2 MNX
unattended 6 MNX 'C:\TAVIRON'
unattended 3 WBQ ''
unattended 12 ''

# The control: without parameters the dialog is mapped.
before=$(marker)
"$run" "$exe" </dev/null >/dev/null 2>&1 &
program=$!
seen=0
for _ in $(seq 300); do
  [ "$(mapped_ids | wc -l)" -gt "$before" ] && { seen=1; break; }
  sleep 0.05
done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
echo "without parameters: dialog mapped: $seen"
[ "$seen" -eq 1 ] || failed=1
exit $failed
