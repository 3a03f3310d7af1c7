#!/usr/bin/env bash
# Builds the Release Tavelin.exe and the floor program and measures both side by side under Wine,
# on a private X display with a window manager and a private prefix: launch time, idle CPU,
# private memory over pause cycles and exe size. Prints a table and writes build/bench/results.json.
# Never fails on a measured value. TAVELIN_BENCH_CYCLES (default "100,1000") and
# TAVELIN_BENCH_IDLE_SECONDS (default 60) shorten a run; TAVELIN_BENCH_DIR (default build/bench)
# keeps a second run apart from a long one still going.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Tavelin TavelinFloor TavelinBenchDriver

# The measured copies, so a rebuild during a long run cannot touch them.
out=${TAVELIN_BENCH_DIR:-build/bench}
rm -rf "$out/bin"
mkdir -p "$out/bin"
cp build/windows/bin/Tavelin.exe build/windows/bin/TavelinFloor.exe build/windows/bin/TavelinBenchDriver.exe "$out/bin/"

source scripts/wine-env.sh
trap tavelin_wine_stop EXIT
trap 'exit 130' INT TERM

# The display comes with its window manager.
tavelin_xvfb_start
tavelin_wine_start

python3 scripts/bench.py "$out"
