#!/usr/bin/env bash
# Runs one scenario of test_package.py in a fresh Wine prefix on an X display of its own, with
# openbox managing the windows as a desktop would; all of it goes again when the scenario ends.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-env.sh"
openbox_pid=""
stop() {
    [[ -z $openbox_pid ]] || kill "$openbox_pid" 2>/dev/null || true
    tavelin_wine_stop
}
trap stop EXIT

tavelin_xvfb_start
openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
tavelin_wine_start
cd "$here"
python3 -B test_package.py "$1"
