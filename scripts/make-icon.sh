#!/usr/bin/env bash
# Draws the program's icon, a clipboard holding coloured clips, and writes it with the sizes
# Windows asks for (16 to 48 pixels, and 256 as PNG) to src/win32/resources/mirvo.ico. The icon
# is kept in the repository; run this only to change it (needs ImageMagick).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 256x256 xc:none \
    -fill '#8a5a2b' -stroke '#5c3a18' -strokewidth 6 -draw 'roundrectangle 40,28 216,244 18,18' \
    -fill '#ffffff' -stroke '#b0b0b0' -strokewidth 3 -draw 'rectangle 62,58 194,226' \
    -stroke none -fill '#ff8080' -draw 'roundrectangle 78,84 178,108 6,6' \
    -fill '#80c0ff' -draw 'roundrectangle 78,120 178,144 6,6' \
    -fill '#80e080' -draw 'roundrectangle 78,156 178,180 6,6' \
    -fill '#ffd060' -draw 'roundrectangle 78,192 150,212 6,6' \
    -fill '#c8c8d0' -stroke '#606070' -strokewidth 5 -draw 'roundrectangle 92,14 164,54 10,10' \
    -fill '#606070' -stroke none -draw 'circle 128,26 128,32' \
    -depth 8 "PNG32:$work/256.png"
sizes=()
for s in 16 24 32 48; do
    convert "$work/256.png" -resize "${s}x${s}" -depth 8 "PNG32:$work/$s.png"
    sizes+=("$work/$s.png")
done
# Windows reads the large size as PNG inside the icon; the small ones as bitmaps.
convert "${sizes[@]}" "$work/256.png" "$root/src/win32/resources/mirvo.ico"
echo "wrote src/win32/resources/mirvo.ico"
