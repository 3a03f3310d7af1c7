#!/usr/bin/env bash
# Builds the release as scripts/package.sh does, signed with a self-signed code-signing certificate
# made here for the tests, so that the package scenarios use files signed as a release's would be.
set -euo pipefail
certificates=$1
mkdir -p "$certificates"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Tavelin test signing" \
    -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
    -keyout "$certificates/key.pem" -out "$certificates/certificate.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$certificates/key.pem" -in "$certificates/certificate.pem" \
    -out "$certificates/signing.pfx" -passout pass:tavelin-test
TAVELIN_SIGN_PFX=$certificates/signing.pfx TAVELIN_SIGN_PASSWORD=tavelin-test \
    exec bash "$(dirname "$0")/../../scripts/package.sh"
