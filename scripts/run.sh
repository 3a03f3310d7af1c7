#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine on this machine's X display, or on a
# virtual one where there is none. The Wine prefix build/wine-run is kept, so settings
# survive between runs. Ends when Tavelin ends ("Close" in its tray menu) or on Ctrl-C.
#
# With --demo it runs in its own prefix, build/wine-demo, with a pause of 10 s every 20 s. On a
# virtual display it then goes through one pause cycle by itself (scripts/demo.py), leaving a
# screenshot of each step and a moving picture in build/demo/, and ends the program; on a real
# display it only starts the program and says what to watch for.
#
# TAVELIN_EXE (with TAVELIN_PROBE) runs an exe already built instead of building; TAVELIN_RUN_DIR
# puts the prefixes and pictures elsewhere than build/. The tests use both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

demo=false
case "${1:-}" in
    "") ;;
    --demo) demo=true ;;
    *) echo "usage: bash scripts/run.sh [--demo]" >&2; exit 2 ;;
esac
folder=${TAVELIN_RUN_DIR:-$root/build}

bash scripts/install-deps.sh
if [[ -z ${TAVELIN_EXE:-} ]]; then
    cmake --preset windows
    cmake --build --preset windows
fi
export TAVELIN_EXE=${TAVELIN_EXE:-$root/build/windows/bin/Tavelin.exe}
export TAVELIN_PROBE=${TAVELIN_PROBE:-$root/build/windows/bin/tavelin_probe.exe}

source scripts/wine-env.sh
trap tavelin_wine_stop EXIT
trap 'exit 130' INT TERM

virtual=false
if [[ -n ${DISPLAY:-} ]]; then
    echo "Using the X display $DISPLAY"
else
    virtual=true
    tavelin_xvfb_start
    if $demo; then
        echo "No X display found: the demo runs on the virtual display $DISPLAY under openbox"
    else
        echo "No X display found: running on the virtual display $DISPLAY under openbox (end with Ctrl-C)"
    fi
fi

if $demo; then
    prefix=$folder/wine-demo
    tavelin_wine_prefix "$prefix"
    # Without waiting for Wine's services to end after the boot, the program finds them running and
    # starts seconds sooner.
    wine wineboot --init >/dev/null 2>&1
else
    prefix=$folder/wine-run
    tavelin_wine_start "$prefix"
fi
settings=$prefix/drive_c/users/$(id -un)/AppData/Roaming/Tavelin/config

if $demo; then
    # Interval, then pause length: the first pause comes 20 s after the start.
    mkdir -p "$(dirname "$settings")"
    printf '00:00:20\r\n00:00:10\r\n' >"$settings"
    echo "Demo settings (a pause of 10 s every 20 s) are in $settings"
    if $virtual; then
        status=0
        python3 -B scripts/demo.py "$folder/demo" || status=$?
        exit "$status"
    fi
    cat <<'WATCH'
Watch for: in 20 s a "Pause" window comes to the front and counts 10 s down, "Back to work"
greyed. Press Esc or its close box: it comes straight back, a pause cannot be cut short. Then it
reads "Time left: enough"; "Back to work" ends the pause and the next one comes 20 s later.
End with "Close" in the tray icon's menu.
WATCH
fi

wine "$TAVELIN_EXE" &
program=$!
echo "Tavelin is running; its settings are in $settings"

if ! $demo; then
    sleep 5
    if kill -0 "$program" 2>/dev/null; then
        import -window root build/run-screenshot.png
        echo "Screenshot saved to $root/build/run-screenshot.png"
    fi
fi

status=0
wait "$program" || status=$?
echo "Tavelin ended (exit code $status)"
exit "$status"
