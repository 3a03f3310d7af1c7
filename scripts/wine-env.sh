# Sourced by the run and test scripts: a private X display with its own window manager and a Wine
# prefix for this run only, torn down again by tavelin_wine_stop (also on failure, through the
# caller's trap).

tavelin_xvfb_pid=""
tavelin_wm_pid=""
tavelin_own_prefix=""

# Starts Xvfb on a display number it picks itself, exports DISPLAY and starts the window manager.
# A display number can be taken by another server in the moment between choosing and using it, and
# then openbox fails there: a fresh display is tried once more.
tavelin_xvfb_start() {
    tavelin_xvfb_try_start || { tavelin_display_stop; tavelin_xvfb_try_start; }
}

tavelin_xvfb_try_start() {
    local fifo display
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    tavelin_xvfb_pid=$!
    read -r -t 30 display <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$display"
    tavelin_wm_start
}

# Starts openbox on $DISPLAY, as a user's desktop has a window manager: without one Wine holds a
# program for up to two seconds whenever it hides a window. Returns once openbox manages the screen.
tavelin_wm_start() {
    local config=() tries
    [[ -f /etc/xdg/openbox/rc.xml ]] && config=(--config-file /etc/xdg/openbox/rc.xml)
    openbox --sm-disable "${config[@]}" >/dev/null 2>&1 &
    tavelin_wm_pid=$!
    for ((tries = 0; tries < 300; tries++)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        kill -0 "$tavelin_wm_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "openbox did not start on $DISPLAY" >&2
    return 1
}

# Picks a fresh Wine prefix (or $1) and exports what Wine needs to run headless; the prefix is made
# by tavelin_wine_boot.
tavelin_wine_prefix() {
    if [[ -n ${1:-} ]]; then
        export WINEPREFIX=$1
    else
        tavelin_own_prefix=$(mktemp -d /tmp/tavelin-wine.XXXXXX)
        export WINEPREFIX=$tavelin_own_prefix
    fi
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
}

tavelin_wine_boot() {
    wine wineboot --init >/dev/null 2>&1
    wineserver -w
}

tavelin_wine_start() {
    tavelin_wine_prefix "$@"
    tavelin_wine_boot
}

# Makes a fresh prefix of our own as tavelin_wine_start does, but by copying the booted prefix $1
# when there is one: a copy takes a few seconds where a boot takes half a minute. The prefix holds
# no absolute path of its own (its drive links are relative), so a copy works wherever it lies.
tavelin_wine_from() {
    tavelin_wine_prefix
    if [[ -n ${1:-} && -d $1/drive_c ]]; then
        cp -a "$1/." "$WINEPREFIX/"
    else
        tavelin_wine_boot
    fi
}

tavelin_wine_stop() {
    if [[ -n ${WINEPREFIX:-} && -d ${WINEPREFIX:-} ]]; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    tavelin_display_stop
    if [[ -n $tavelin_own_prefix ]]; then
        rm -rf "$tavelin_own_prefix"
        tavelin_own_prefix=""
    fi
}

tavelin_display_stop() {
    if [[ -n $tavelin_wm_pid ]]; then
        kill "$tavelin_wm_pid" 2>/dev/null || true
        wait "$tavelin_wm_pid" 2>/dev/null || true
        tavelin_wm_pid=""
    fi
    if [[ -n $tavelin_xvfb_pid ]]; then
        kill "$tavelin_xvfb_pid" 2>/dev/null || true
        wait "$tavelin_xvfb_pid" 2>/dev/null || true
        tavelin_xvfb_pid=""
    fi
}
