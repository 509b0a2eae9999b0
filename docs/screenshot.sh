#!/usr/bin/env bash
# Takes a picture of the program's dialog as it appears without parameters:
# FwExclude.exe on a private Xvfb display, in a Wine prefix of its own (made
# like the test prefix, with the same Japanese font substitutes) in which
# Wine draws the window's caption and frame itself, since no window manager
# runs. Writes docs/dialog.png.
# Usage: screenshot.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
exe=$build/app/FwExclude.exe
out=$here/dialog.png
[ -f "$exe" ] || { echo "screenshot.sh: build FwExclude first ($exe)" >&2; exit 1; }

export WINEPREFIX=$build/screenshot-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEARCH=win32
if [ ! -f "$WINEPREFIX/.ready" ]; then
  "$here/../tests/wine/make-prefix.sh" "$WINEPREFIX"
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f </dev/null >/dev/null 2>&1
  wineserver -w
fi

number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$number_file"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
export DISPLAY=":$(tr -dc 0-9 < "$number_file")"

wine "$exe" </dev/null >/dev/null 2>&1 &
window=
for _ in $(seq 300); do
  window=$(xdotool search --onlyvisible --name 'ファイアウォール対象除外' 2>/dev/null | head -1) || true
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "screenshot.sh: the dialog did not appear" >&2; exit 1; }
sleep 1  # let it finish painting
import -window "$window" "$out"
echo "wrote $out"
