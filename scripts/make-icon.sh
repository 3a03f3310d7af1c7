#!/usr/bin/env bash
# Regenerates resources/Tavelin.ico from resources/Tavelin.svg. The .ico is committed, so a
# Windows build needs neither tool; run this after changing the drawing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 256 48 32 24 16; do
    rsvg-convert --width "$size" --height "$size" "$root/resources/Tavelin.svg" --output "$work/$size.png"
done

# Windows expects the 256-pixel image PNG-compressed; the others are stored as 32-bit bitmaps.
icotool --create --output "$root/resources/Tavelin.ico" \
    --raw="$work/256.png" \
    --bit-depth=32 "$work/48.png" "$work/32.png" "$work/24.png" "$work/16.png"
icotool --list "$root/resources/Tavelin.ico"
