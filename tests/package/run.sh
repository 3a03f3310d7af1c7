#!/usr/bin/env bash
# Runs one scenario of test_package.py in a fresh Wine prefix on an X display of its own, with a
# window manager as on a user's desktop; all of it goes again when the scenario ends.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wine-env.sh"
trap tavelin_wine_stop EXIT

tavelin_xvfb_start
tavelin_wine_from "${TAVELIN_WINE_TEMPLATE:-}"
cd "$here"
# A scenario of test_package.py, or <module>.<class> of another module.
module=test_package scenario=$1
if [[ $scenario == *.* ]]; then
    module=${scenario%%.*} scenario=${scenario#*.}
fi
python3 -B "$module.py" "$scenario"
