#!/usr/bin/env bash
# Takes pictures of the program's dialog as it appears without parameters,
# and of the summary box after a click on its start button: FwExclude.exe on
# a private Xvfb display, in a Wine prefix of its own (made like the test
# prefix, with the same Japanese font substitutes) in which Wine draws the
# window's caption and frame itself, since no window manager runs. The
# prefix holds a small installation of component MNX, so that the summary
# counts something. Writes docs/dialog.png and docs/summary.png.
# Usage: screenshot.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
exe=$build/app/FwExclude.exe
out=$here/dialog.png
summary_out=$here/summary.png
[ -f "$exe" ] || { echo "screenshot.sh: build FwExclude first ($exe)" >&2; exit 1; }

export WINEPREFIX=$build/screenshot-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEARCH=win32
if [ ! -f "$WINEPREFIX/.ready" ]; then
  "$here/../tests/wine/make-prefix.sh" "$WINEPREFIX"
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f </dev/null >/dev/null 2>&1
  # Three programs and a text file of component MNX.
  for f in Main.exe Tools/Update.EXE Tools/Report.exe readme.txt; do
    mkdir -p "$(dirname "$WINEPREFIX/drive_c/TAVIRON/Main/$f")"
    : > "$WINEPREFIX/drive_c/TAVIRON/Main/$f"
  done
  wine reg add 'HKLM\Software\TAVIRON\OrvoInst' /v TAVIRONDIR /d 'C:\TAVIRON\Main' /f </dev/null >/dev/null 2>&1
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

# The first visible window with this caption, after up to 30 seconds.
wait_for_window() {
  local window=
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "screenshot.sh: no window \"$1\" appeared" >&2; exit 1; }
  echo "$window"
}

wine "$exe" </dev/null >/dev/null 2>&1 &
window=$(wait_for_window 'ファイアウォール対象除外')
sleep 1  # let it finish painting
import -window "$window" "$out"
echo "wrote $out"

# The start button has the focus: a space bar press clicks it.
xdotool windowfocus --sync "$window" key space
box=$(wait_for_window '処理完了')
sleep 1
import -window "$box" "$summary_out"
echo "wrote $summary_out"
