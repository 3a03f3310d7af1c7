#!/usr/bin/env bash
# Builds the release of Tavelin.exe and its help files (Help.chm and one Help.<tag>.chm per
# translation) and packs them into build/release: the portable zip, the per-user installer and
# SHA256SUMS. The version is the CMake project version.
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
release=$root/build/release
stage=$root/build/package/stage
rm -rf "$release" "$stage"
mkdir -p "$release" "$stage"
cp build/package/bin/Tavelin.exe build/package/bin/Help*.chm "$stage/"
# Notepad before Windows 10 shows a text file with LF line ends as one line.
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' packaging/README.txt >"$stage/README.txt"

(cd "$stage" && zip -q -X "$release/$name-win64.zip" Tavelin.exe Help*.chm LICENSE.txt README.txt)
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$root/resources/Tavelin.ico" \
    -DOUTFILE="$release/$name-setup.exe" packaging/Tavelin.nsi
(cd "$release" && sha256sum "$name-win64.zip" "$name-setup.exe" >SHA256SUMS)

ls -l "$release"
