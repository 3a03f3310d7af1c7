#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, skipping those already present.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev googletest python3
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    wine wine64 xvfb openbox xdotool x11-utils imagemagick tesseract-ocr faketime
    libgtest-dev libgmock-dev icoutils librsvg2-bin fp-utils libchm-bin nsis zip ccache osslsigncode openssl python3-yaml
    # The end sound is made with sox (scripts/make-sound.sh), and heard through ALSA in the tests.
    sox alsa-utils
    # The languages' end-to-end tests read each language back, Japanese and Chinese in Noto CJK.
    tesseract-ocr-deu tesseract-ocr-fra tesseract-ocr-spa tesseract-ocr-ita tesseract-ocr-por
    tesseract-ocr-nld tesseract-ocr-pol tesseract-ocr-rus tesseract-ocr-jpn tesseract-ocr-chi-sim fonts-noto-cjk
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
