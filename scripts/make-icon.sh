#!/usr/bin/env bash
# Regenerates resources/Tavelin.ico and resources/TavelinPaused.ico from resources/Tavelin.svg. The
# .ico files are committed, so a Windows build needs neither tool; run this after changing the drawing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The paused look: the same cup, greyed and without steam, with a pause sign in a badge.
sed -e 's/#4fa391/#a3a8a7/; s/#2b6f61/#5f6463/' \
    -e '/<g fill="none"/,/<\/g>/d' \
    -e 's|</svg>|  <circle cx="24" cy="24" r="7.5" fill="#e58a1f" stroke="#ffffff" stroke-width="1"/>\
  <rect x="20.6" y="20" width="2.4" height="8" fill="#ffffff"/>\
  <rect x="25" y="20" width="2.4" height="8" fill="#ffffff"/>\
</svg>|' \
    "$root/resources/Tavelin.svg" > "$work/paused.svg"

for size in 256 48 32 24 16; do
    rsvg-convert --width "$size" --height "$size" "$root/resources/Tavelin.svg" --output "$work/$size.png"
    rsvg-convert --width "$size" --height "$size" "$work/paused.svg" --output "$work/paused-$size.png"
done

# Windows expects the 256-pixel image PNG-compressed; the cup's others are stored as 32-bit bitmaps.
icotool --create --output "$root/resources/Tavelin.ico" \
    --raw="$work/256.png" \
    --bit-depth=32 "$work/48.png" "$work/32.png" "$work/24.png" "$work/16.png"
# The paused look's are all PNG-compressed, which Windows reads at any size since Vista: a third of
# the size, so the second icon adds little to the program.
icotool --create --output "$root/resources/TavelinPaused.ico" \
    --raw="$work/paused-256.png" --raw="$work/paused-48.png" --raw="$work/paused-32.png" \
    --raw="$work/paused-24.png" --raw="$work/paused-16.png"
icotool --list "$root/resources/Tavelin.ico"
icotool --list "$root/resources/TavelinPaused.ico"
