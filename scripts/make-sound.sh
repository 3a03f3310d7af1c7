#!/usr/bin/env bash
# Regenerates resources/EndSound.wav, the soft two-note chime heard when a pause is over. The .wav is
# committed, so a build needs no sox; run this after changing the sound.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# G5 then C6, each rising in 10 ms and fading out, at a third of full scale; 8 kHz mono (both notes
# lie far below its 4 kHz limit) keeps it small.
format=(-r 8000 -b 16 -c 1)
sox -n "${format[@]}" "$work/first.wav" synth 0.2 sine 784 fade q 0.01 0.2 0.15 vol 0.3
sox -n "${format[@]}" "$work/second.wav" synth 0.35 sine 1047 fade q 0.01 0.35 0.3 vol 0.3
sox "$work/first.wav" "$work/second.wav" "$root/resources/EndSound.wav"
