# Sourced by the run and test scripts: a private X display and Wine prefix for this run only,
# torn down again by tavelin_wine_stop (also on failure, through the caller's trap).

tavelin_xvfb_pid=""
tavelin_own_prefix=""

# Starts Xvfb on a display number it picks itself and exports DISPLAY.
tavelin_xvfb_start() {
    local fifo display
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    tavelin_xvfb_pid=$!
    read -r -t 30 display <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$display"
}

# Creates a fresh Wine prefix (or uses $1) and exports what Wine needs to run headless.
tavelin_wine_start() {
    if [[ -n ${1:-} ]]; then
        export WINEPREFIX=$1
    else
        tavelin_own_prefix=$(mktemp -d /tmp/tavelin-wine.XXXXXX)
        export WINEPREFIX=$tavelin_own_prefix
    fi
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
    wine wineboot --init >/dev/null 2>&1
    wineserver -w
}

tavelin_wine_stop() {
    if [[ -n ${WINEPREFIX:-} && -d ${WINEPREFIX:-} ]]; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    if [[ -n $tavelin_xvfb_pid ]]; then
        kill "$tavelin_xvfb_pid" 2>/dev/null || true
        wait "$tavelin_xvfb_pid" 2>/dev/null || true
        tavelin_xvfb_pid=""
    fi
    if [[ -n $tavelin_own_prefix ]]; then
        rm -rf "$tavelin_own_prefix"
        tavelin_own_prefix=""
    fi
}
