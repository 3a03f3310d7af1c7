#!/usr/bin/env bash
# Runs end-to-end scenarios (unittest names) on an X display of their own, with a window manager as
# on a user's desktop, and in a Wine prefix of their own: a copy of the booted prefix named by
# TAVELIN_WINE_TEMPLATE (scripts/test.sh makes one), or a fresh one. So several such runs go side by
# side without seeing each other's windows, focus or wineserver; all of it goes when they end.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-env.sh"
trap tavelin_wine_stop EXIT

tavelin_xvfb_start
tavelin_wine_from "${TAVELIN_WINE_TEMPLATE:-}"
cd "${TAVELIN_E2E_DIR:-$here}"
python3 -B -m unittest -v "$@"
