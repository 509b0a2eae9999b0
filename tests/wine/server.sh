#!/usr/bin/env bash
# start: keeps one wineserver (and Wine's helper processes) alive for the
#        test run, so each test starts warm. stop: ends it and flushes the
#        registry. Output goes nowhere: helpers inherit it.
set -euo pipefail
run=${1:?wine-run path}; action=${2:?start|stop}
prefix=$(sed -n 's/^export WINEPREFIX="\([^"]*\)".*/\1/p' "$run")
export WINEPREFIX="$prefix"
case "$action" in
  start)
    wineserver -p </dev/null >/dev/null 2>&1
    "$run" cmd /c exit 0 </dev/null >/dev/null 2>&1 ;;
  stop)
    wineserver -k </dev/null >/dev/null 2>&1 || true ;;
esac
