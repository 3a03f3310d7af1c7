#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine on this machine's X display, or on a
# virtual one where there is none. The Wine prefix build/wine-run is kept, so settings
# survive between runs. Ends when Tavelin ends ("Close" in its tray menu) or on Ctrl-C.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
cmake --preset windows
cmake --build --preset windows

source scripts/wine-env.sh
trap tavelin_wine_stop EXIT
trap 'exit 130' INT TERM

if [[ -n ${DISPLAY:-} ]]; then
    echo "Using the X display $DISPLAY"
else
    tavelin_xvfb_start
    echo "No X display found: running on the virtual display $DISPLAY under openbox (end with Ctrl-C)"
fi
tavelin_wine_start "$root/build/wine-run"

wine build/windows/bin/Tavelin.exe &
program=$!
echo "Tavelin is running; its settings are in build/wine-run/drive_c/users/$(id -un)/AppData/Roaming/Tavelin/config"

sleep 5
if kill -0 "$program" 2>/dev/null; then
    import -window root build/run-screenshot.png
    echo "Screenshot saved to $root/build/run-screenshot.png"
fi

status=0
wait "$program" || status=$?
echo "Tavelin ended (exit code $status)"
exit "$status"
