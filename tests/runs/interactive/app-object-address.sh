#!/usr/bin/env bash
# Writes a header with the offset of the application object (theApp) from
# the start of FwExclude.exe's image, read from the executable's symbols.
# The image may be loaded elsewhere than its preferred base, so the offset,
# not the address, is what a test can rely on.
# Usage: app-object-address.sh NM OBJDUMP FWEXCLUDE_EXE OUTPUT_HEADER
set -euo pipefail
nm=${1:?nm}; objdump=${2:?objdump}; exe=${3:?exe}; out=${4:?output header}
address=$("$nm" "$exe" | awk '$3 == "_theApp" { print $1 }')
base=$("$objdump" -p "$exe" | awk '$1 == "ImageBase" { print $2 }')
if [ -z "$address" ] || [ -z "$base" ]; then
  echo "app-object-address.sh: no symbol _theApp or no image base in $exe" >&2
  exit 1
fi
printf '// Generated from %s by app-object-address.sh.\n#pragma once\n#define APP_OBJECT_OFFSET 0x%xu\n' \
  "$(basename "$exe")" $((0x$address - 0x$base)) > "$out"
