#!/usr/bin/env bash
# Creates a throwaway Wine prefix that reports Windows XP and code page 932.
# Usage: make-prefix.sh PREFIX_DIR
set -euo pipefail
prefix=${1:?prefix directory}
case "$prefix" in /*) ;; *) echo "make-prefix.sh: absolute path required" >&2; exit 2 ;; esac

rm -rf "$prefix"
mkdir -p "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEARCH=win32

wineboot --init </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine' /v Version /d winxp /f </dev/null >/dev/null 2>&1
# The dialog font has no Wine counterpart: a Japanese font of the same kind.
for face in 'ＭＳ Ｐゴシック' 'ＭＳ ゴシック' 'MS UI Gothic'; do
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v "$face" /d IPAPGothic /f </dev/null >/dev/null 2>&1
done
wineserver -w
touch "$prefix/.ready"
