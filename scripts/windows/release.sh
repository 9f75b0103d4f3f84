#!/bin/bash
# Builds the Windows programs and packs the release zip: Sparlin.exe,
# sparlin-cli.exe and the text on adding Sparlin to the PureBasic IDE.
# Writes build-win/Sparlin-<version>-win64.zip (or under $SPARLIN_WIN_BUILD).
#
#   scripts/windows/release.sh          # after scripts/windows/setup.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${SPARLIN_WIN_BUILD:-$root/build-win}

SPARLIN_WIN_BUILD=$build "$here/build.sh" >/dev/null
version=$(sed -n 's/^project(Sparlin VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
stage=$build/release/Sparlin-$version
rm -rf "$build/release" && mkdir -p "$stage"
cp "$build/src/app/win32/Sparlin.exe" "$build/src/sparlin-cli.exe" "$stage/"
x86_64-w64-mingw32-strip "$stage/Sparlin.exe" "$stage/sparlin-cli.exe"
# Windows line ends for Notepad.
sed 's/$/\r/' "$here/ide-tool.txt" > "$stage/Adding Sparlin to the PureBasic IDE.txt"
zip_file=$build/Sparlin-$version-win64.zip
rm -f "$zip_file"
(cd "$build/release" && zip -q -X -r "$zip_file" "Sparlin-$version")
echo "$zip_file"
unzip -l "$zip_file"
