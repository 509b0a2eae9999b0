#!/usr/bin/env bash
# Watches the X server for windows being mapped while FwExclude.exe runs:
# started with one or two parameters it must map none, in any outcome,
# not even for one frame; started without parameters it maps its dialog
# (which shows that the watch sees a window when there is one).
# The watch itself is tests/support/x-map-watch.sh.
# Usage: never-mapped.sh WINE_RUN_DISPLAY FWEXCLUDE_EXE
set -euo pipefail
run=${1:?wine-run-display path}; exe=${2:?FwExclude.exe path}
watch="$(cd "$(dirname "$0")/../support" && pwd)/x-map-watch.sh"
display_file=$(dirname "$run")/xvfb-display
[ -s "$display_file" ] || { echo "no test display (xvfb_start)" >&2; exit 1; }
export DISPLAY=$(cat "$display_file")

state=$(mktemp -d)/watch
trap '"$watch" stop "$state"; rmdir "$(dirname "$state")" 2>/dev/null || true' EXIT
"$watch" start "$state"

# Position of a fresh marker's map among all maps.
marker() {
  "$watch" mark "$state"
  cat "$state/mark"
}

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
  maps=$((after - before - 1))
  echo "parameters [$*] ($# of them): exit status $status (expected $expected), windows mapped: $maps"
  [ "$status" -eq "$expected" ] && [ "$maps" -eq 0 ] || failed=1
}
unattended 0 TLQ
unattended 2 MNX
unattended 6 MNX 'C:\TAVIRON'
unattended 3 WBQ ''
unattended 12 ''

# The control: without parameters the dialog is mapped (a marker placed
# while it runs lies more than one map after the one before it).
before=$(marker)
"$run" "$exe" </dev/null >/dev/null 2>&1 &
program=$!
seen=0
for _ in $(seq 60); do
  sleep 0.25
  now=$(marker)
  [ $((now - before - 1)) -gt 0 ] && { seen=1; break; }
  before=$now
done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
echo "without parameters: dialog mapped: $seen"
[ "$seen" -eq 1 ] || failed=1
exit $failed
