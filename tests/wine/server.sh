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
    # A server left behind by an interrupted run would refuse a second one.
    wineserver -k </dev/null >/dev/null 2>&1 || true
    # Like every test program (see wine-run), the server runs without the
    # capabilities that let root into a folder with mode 000: it opens files
    # and folders for its clients.
    if [ "$(id -u)" = 0 ]; then
      capsh --drop=cap_dac_override,cap_dac_read_search -- -c 'exec wineserver -p' \
        </dev/null >/dev/null 2>&1
    else
      wineserver -p </dev/null >/dev/null 2>&1
    fi
    "$run" cmd /c exit 0 </dev/null >/dev/null 2>&1 ;;
  stop)
    wineserver -k </dev/null >/dev/null 2>&1 || true ;;
esac
