#!/usr/bin/env bash
# Signs one Windows program file in place with Authenticode (SHA-256) through osslsigncode, with the
# certificate and key of TAVELIN_SIGN_PFX (a PKCS#12 file) and TAVELIN_SIGN_PASSWORD, and a
# time stamp from TAVELIN_SIGN_TIMESTAMP_URL when that is set. scripts/package.sh calls it, and
# makensis for the uninstaller before packing it into the installer.
set -euo pipefail
file=$1
: "${TAVELIN_SIGN_PFX:?}"
timestamp=()
[[ -n ${TAVELIN_SIGN_TIMESTAMP_URL:-} ]] && timestamp=(-ts "$TAVELIN_SIGN_TIMESTAMP_URL")
# The password goes through a pipe, not the command line that other users can read.
osslsigncode sign -pkcs12 "$TAVELIN_SIGN_PFX" -readpass <(printf '%s' "${TAVELIN_SIGN_PASSWORD:-}") \
    -h sha256 -n Tavelin "${timestamp[@]}" -in "$file" -out "$file.signed" >/dev/null
mv "$file.signed" "$file"
