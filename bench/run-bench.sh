#!/usr/bin/env bash
# The whole comparison of bench/ExclusionBenchmark.cpp in a Wine prefix of
# its own (Windows XP, code page 932), on a private X display when there is
# none (FwExclude.exe creates its hidden dialog even when unattended).
# Prints the machine first, so that the output can be quoted as it stands.
# Usage: run-bench.sh BUILD_DIR [exclusion_bench options and sizes]
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
shift
here=$(cd "$(dirname "$0")" && pwd)
bench=$build/bench/exclusion_bench.exe
program=$build/app/FwExclude.exe
for f in "$bench" "$program"; do
  [ -f "$f" ] || { echo "run-bench.sh: $f is missing (make bench builds it)" >&2; exit 1; }
done
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a bash "$0" "$build" "$@"
fi

export WINEPREFIX=$build/bench-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEARCH=win32
[ -f "$WINEPREFIX/.ready" ] || "$here/../tests/wine/make-prefix.sh" "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

windows_path() { echo "Z:$1" | tr / '\\'; }

echo "command: bench/run-bench.sh $*"
echo "machine: $(nproc) cores, $(free -g | awk '/^Mem:/ {print $2}') GiB memory, $(wine --version),"
echo "         $(uname -sr); figures from Wine on Linux, not from Windows XP"
wine "$bench" "$(windows_path "$program")" "$(windows_path "$here/admin-exclude.bat")" "$@" </dev/null
