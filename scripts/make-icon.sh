#!/usr/bin/env bash
# Renders the application icon res/vextral.ico (48, 32 and 16 pixels) from res/vextral.svg with
# ImageMagick. The .ico is committed; run this after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/../res"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 48 32 16; do
    convert -background none vextral.svg -resize "${size}x${size}" "PNG32:$tmp/$size.png"
done
convert "$tmp/48.png" "$tmp/32.png" "$tmp/16.png" vextral.ico
