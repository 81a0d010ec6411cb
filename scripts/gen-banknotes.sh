#!/usr/bin/env bash
# Draws the bank-note pictures installed with Brevalon (share/Brevalon/
# note*.png), shown on the fast-cash buttons of the receipt tab and of the
# take-out change dialog. Run by hand after changing the look; the pictures
# are kept in the source tree.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$top/share/Brevalon
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

note() { # value, paper colour, ink colour
  local value=$1 paper=$2 ink=$3
  convert -size 224x112 xc:none \
    -fill "$paper" -stroke "$ink" -strokewidth 4 -draw "roundrectangle 3,3 220,108 14,14" \
    -fill none -stroke "$ink" -strokewidth 2 -draw "roundrectangle 12,12 211,99 8,8" \
    -fill "rgba(255,255,255,0.45)" -stroke none -draw "circle 160,56 160,20" \
    -font "$font" -fill "$ink" -stroke none \
    -pointsize 22 -gravity northwest -annotate +20+16 "$value" \
    -pointsize 22 -gravity southeast -annotate +20+16 "$value" \
    -pointsize 46 -gravity center -annotate -28+2 "$value" \
    "$out/note$value.png"
}

coin() { # value, metal, rim
  local value=$1 metal=$2 rim=$3
  convert -size 112x112 xc:none \
    -fill "$metal" -stroke "$rim" -strokewidth 5 -draw "circle 56,56 56,4" \
    -fill none -stroke "$rim" -strokewidth 2 -draw "circle 56,56 56,15" \
    -font "$font" -fill "$rim" -stroke none -pointsize 44 -gravity center -annotate +0+2 "$value" \
    "$out/coin$value.png"
}

coin 5 '#e8d7a0' '#8a6d1f'
note 10 '#cfe8c8' '#2f6b2a'
note 20 '#f0d9bf' '#8a4b12'
note 50 '#f3c6c6' '#9b1d1d'
note 100 '#c9d8f2' '#23428a'
note 200 '#f6dca6' '#a4620c'
