#!/usr/bin/env bash
# Builds the release of Tavelin.exe and its help files (Help.chm and one Help.<tag>.chm per
# translation) and packs them into build/release (or TAVELIN_RELEASE_DIR): the portable zip, the
# per-user installer, SHA256SUMS and the winget and scoop manifests. The version is the CMake
# project version. With TAVELIN_SIGN_PFX (and TAVELIN_SIGN_PASSWORD, optionally
# TAVELIN_SIGN_TIMESTAMP_URL) the exe, the uninstaller and the installer are signed (scripts/sign.sh).
# TAVELIN_RELEASE_URL is the address the release files are downloaded from, for the manifests
# (packaging/release-url.txt and the version by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target Tavelin help_file

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/package/CMakeCache.txt)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "unusable project version '$version'" >&2; exit 1; }
[[ -f build/package/bin/Help.chm ]] || { echo "Help.chm was not built" >&2; exit 1; }

name=Tavelin-$version
release=${TAVELIN_RELEASE_DIR:-$root/build/release}
stage=$release.stage
rm -rf "$release" "$stage"
mkdir -p "$release" "$stage"
cp build/package/bin/Tavelin.exe build/package/bin/Help*.chm "$stage/"
# Notepad before Windows 10 shows a text file with LF line ends as one line.
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' packaging/README.txt >"$stage/README.txt"

signing=()
if [[ -n ${TAVELIN_SIGN_PFX:-} ]]; then
    bash scripts/sign.sh "$stage/Tavelin.exe"
    signing=(-DSIGN="$root/scripts/sign.sh")
else
    echo "Unsigned: set TAVELIN_SIGN_PFX (and TAVELIN_SIGN_PASSWORD) to sign the exe, the uninstaller and the installer."
fi

# The empty Settings folder makes the unzipped copy keep its settings beside itself.
mkdir "$stage/Settings"
(cd "$stage" && zip -q -X "$release/$name-win64.zip" Tavelin.exe Help*.chm LICENSE.txt README.txt Settings/)
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$root/resources/Tavelin.ico" \
    -DOUTFILE="$release/$name-setup.exe" "${signing[@]}" packaging/Tavelin.nsi
[[ ${#signing[@]} -eq 0 ]] || bash scripts/sign.sh "$release/$name-setup.exe"
(cd "$release" && sha256sum "$name-win64.zip" "$name-setup.exe" >SHA256SUMS)
python3 -B packaging/manifests.py "$release" "$version" \
    "${TAVELIN_RELEASE_URL:-$(tr -d '[:space:]' <packaging/release-url.txt)$version}"
rm -rf "$stage"

(cd "$release" && find . -type f | sort | xargs ls -l)
