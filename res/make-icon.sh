#!/usr/bin/env bash
# Draws the program icon (an orange folder with a hammer and a spanner laid
# across it) and packs it as res/FwExclude.ico: 32 x 32 and 16 x 16, both
# 8 bits per pixel. Needs ImageMagick and python3; the .ico is committed, so
# the build itself needs neither.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One large drawing, scaled down to each size.
convert -size 256x256 xc:none \
  -fill '#D9800F' -stroke '#7A4300' -strokewidth 6 \
  -draw "polygon 18,60 96,60 116,84 238,84 238,222 18,222" \
  -fill '#FFAA33' -draw "polygon 18,104 238,104 238,222 18,222" \
  -stroke '#3A3F44' -strokewidth 6 -fill '#A7AEB5' \
  -draw "translate 128,150 rotate 45 rectangle -12,-78 12,78 circle 0,-92 0,-60 circle 0,92 0,124" \
  -fill '#FFAA33' -draw "translate 128,150 rotate 45 rectangle -11,-130 11,-96 circle 0,92 0,104" \
  -stroke '#4A2A10' -strokewidth 6 -fill '#A0602A' \
  -draw "translate 128,150 rotate -45 rectangle -11,-70 11,102" \
  -stroke '#2A2E33' -fill '#6C747C' \
  -draw "translate 128,150 rotate -45 roundrectangle -48,-106 48,-66 6,6" \
  "$work/large.png"

for size in 32 16; do
  convert "$work/large.png" -resize ${size}x${size} "$work/$size.png"
  # Opaque where alpha is at least half; colours reduced to one palette.
  convert "$work/$size.png" -alpha extract -threshold 50% -depth 8 "gray:$work/$size.mask"
  convert "$work/$size.png" -background black -alpha remove +dither -colors 255 \
    -depth 8 "rgb:$work/$size.rgb"
done

python3 "$here/pack-ico.py" "$here/FwExclude.ico" "$work/32" 32 "$work/16" 16
echo "wrote $here/FwExclude.ico"
