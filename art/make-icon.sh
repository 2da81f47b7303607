#!/usr/bin/env bash
# Draws the application icon at 256 px and writes every size from 16 to 256 into one .ico.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../src/res/Kelvane.ico}
convert=/usr/bin/convert
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A blue tile holding a window whose taskbar shows three bars of growing height.
$convert -size 256x256 xc:none \
    \( -size 232x232 gradient:'#3B82F6-#1D4ED8' \
       \( -size 232x232 xc:black -fill white -draw 'roundrectangle 0,0 231,231 44,44' \) \
       -alpha off -compose copy_opacity -composite \) -geometry +12+12 -compose over -composite \
    -fill 'rgba(255,255,255,0.92)' -draw 'roundrectangle 48,56 208,178 12,12' \
    -fill '#DBEAFE' -draw 'rectangle 58,66 198,150' \
    -fill '#1E3A8A' -draw 'rectangle 58,150 198,168' \
    -fill white -draw 'rectangle 70,160 90,165' -draw 'rectangle 100,156 124,165' \
    -draw 'rectangle 134,152 162,165' \
    -fill 'rgba(255,255,255,0.92)' -draw 'roundrectangle 96,196 160,208 6,6' \
    "$tmp/icon-256.png"

sizes=(16 24 32 48 64 128 256)
files=()
for s in "${sizes[@]}"; do
    $convert "$tmp/icon-256.png" -filter Lanczos -resize ${s}x${s} "$tmp/icon-$s.png"
    files+=("$tmp/icon-$s.png")
done
$convert "${files[@]}" -depth 8 "$out"
echo "wrote $out"
