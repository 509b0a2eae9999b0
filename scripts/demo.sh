#!/usr/bin/env bash
# The program's main job on a small sample installation: a throwaway Wine
# prefix (Windows XP, code page 932) with the product family's registry
# values and folders, then unattended runs as an installer would make them,
# printing each exit code and the firewall lists before and after.
# Usage: demo.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
exe="$build/app/FwExclude.exe"
prefix="$build/demo-prefix"
[ -f "$exe" ] || { echo "demo: $exe is missing (make build)" >&2; exit 1; }

# Even the unattended run creates its (hidden) dialog, and Wine creates no
# window without an X display: without one, the demo brings its own.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a env FWX_DEMO_PRIVATE_DISPLAY=1 bash "$0" "$@"
fi

echo "Creating the sample Windows XP prefix in $prefix ..."
"$here/tests/wine/make-prefix.sh" "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEARCH=win32
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

# Wine's tools speak code page 932; the terminal speaks UTF-8.
utf8() { iconv -f CP932 -t UTF-8 | tr -d '\r'; }
reg_add() { wine reg add "$1" /v "$2" /d "$3" /f </dev/null >/dev/null 2>&1; }

# --- the sample installation -------------------------------------------------
c="$prefix/drive_c"
mkfile() { mkdir -p "$(dirname "$c/$1")"; : > "$c/$1"; }
mkfile 'TAVIRON/Main/Main.exe'
mkfile 'TAVIRON/Main/Tools/Update.EXE'
mkfile 'TAVIRON/Main/Tools/readme.txt'
mkfile 'TAVIRON/Main/.svn/ghost.exe'          # dot folders are never walked
mkfile 'TAVIRON/WBQ/Wbq.exe'
mkfile 'TAVIRON/WBQ/bin/WbqAgent.exe'
mkfile 'HOLVARIC/Old/Legacy.exe'
mkfile 'HOLVARIC/GRENDOVA/端末/Terminal.exe'
mkfile 'HOLVARIC/GRENDOVA/基本/Basic.exe'
mkfile 'HOLVARIC/Velmora/ZPB/zpb.exe'
mkfile 'HOLVARIC/Velmora/ZPA/zpa.exe'
mkfile 'Setup/Extra/extra.exe'

reg_add 'HKLM\Software\TAVIRON\OrvoInst' TAVIRONDIR 'C:\TAVIRON\Main'
reg_add 'HKLM\Software\TAVIRON\WBQ' InstallPath 'C:\TAVIRON\WBQ\'
# (no DKQ value: its run shows the "not found" code)
L='HKLM\SoftWare\HOLVARIC'
reg_add "$L\\TAVIRON\\InstallFolder" Folder1 'C:\HOLVARIC\Old'
reg_add "$L\\TAVIRON\\InstallFolder" Folder2 'C:\TAVIRON\Main\'   # shared with MNX
reg_add "$L\\GRENDOVA Ver.2 端末セット" InstallPath 'C:\HOLVARIC\GRENDOVA\端末'
reg_add "$L\\GRENDOVA Ver.2 基本セット" InstallPath 'C:\HOLVARIC\GRENDOVA\基本'
reg_add "$L\\Velmora\\ZPB" InstallFolder 'C:\HOLVARIC\Velmora\ZPB'
reg_add "$L\\Velmora\\ZPA" InstallFolder 'C:\HOLVARIC\Velmora\ZPA'

FW='HKLM\SYSTEM\CurrentControlSet\Services\SharedAccess\Parameters\FirewallPolicy'
reg_add "$FW\\StandardProfile\\AuthorizedApplications\\List" 'C:\Other\tool.exe' 'C:\Other\tool.exe:*:Enabled:Other tool'

show_lists() {
  for profile in StandardProfile DomainProfile; do
    echo "  $profile:"
    wine reg query "$FW\\$profile\\AuthorizedApplications\\List" </dev/null 2>/dev/null | utf8 \
      | sed -n 's/^ *\(.*\) *REG_SZ *\(.*\)$/    \2/p' | sort || true
  done
}

meaning() {
  case "$1" in
    0) echo "success" ;;
    1) echo "not Windows XP" ;;
    2) echo "MNX install folder not in the registry" ;;
    3) echo "WBQ install folder not in the registry" ;;
    4) echo "DKQ install folder not in the registry" ;;
    6) echo "a folder could not be walked" ;;
    7) echo "legacy folder list could not be enumerated" ;;
    8) echo "GRENDOVA basic set not in the registry" ;;
    9) echo "GRENDOVA terminal set not in the registry" ;;
    10) echo "Velmora ZPB folder not in the registry" ;;
    11) echo "Velmora ZPA folder not in the registry" ;;
    12) echo "unknown component code" ;;
    13) echo "a firewall list could not be written" ;;
    *) echo "unexpected" ;;
  esac
}

echo
echo "Firewall lists before:"
show_lists

run() {
  local code=0
  wine "$exe" "$@" </dev/null >/dev/null 2>&1 || code=$?
  printf '  FwExclude.exe %-32s -> exit code %2d (%s)\n' "$*" "$code" "$(meaning "$code")"
}
echo
echo "Unattended runs, as an installer makes them:"
run MNX
run wbq
run DKQ
run TLQ
run MNXL
run XYZ
run MNX 'C:\Setup\Extra'
run MNX 'C:\Missing'

echo
echo "Firewall lists after (Main.exe and Update.EXE came from MNX and MNXL alike;"
echo ".svn\\ghost.exe and readme.txt are not registered):"
show_lists

if [ -z "${FWX_DEMO_PRIVATE_DISPLAY:-}" ]; then
  echo
  echo "A display is available: the dialog opens now. Click 除外開始, read the"
  echo "summary, then close the dialog."
  code=0
  wine "$exe" </dev/null >/dev/null 2>&1 || code=$?
  echo "  interactive run ended with exit code $code ($(meaning "$code"))"
fi
