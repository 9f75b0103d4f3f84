#!/bin/bash
# Cross-compiles the Windows programs (Sparlin.exe, sparlin-cli.exe, the
# stand-in compiler, the tests) into build-win (or $SPARLIN_WIN_BUILD).
#
#   scripts/windows/build.sh            # after scripts/windows/setup.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/scripts/utf8-locale.sh"
build=${SPARLIN_WIN_BUILD:-$root/build-win}
export SPARLIN_MINGW_PREFIX=${SPARLIN_MINGW_PREFIX:-/opt/sparlin-mingw}

if [[ ! -f $build/build.ninja ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DSPARLIN_MINGW_PREFIX="$SPARLIN_MINGW_PREFIX" -DSPARLIN_WERROR=ON >/dev/null
fi
# Test discovery runs the test programs under Wine: keep one Wine server up
# for the whole build instead of one per program.
"$here/wine-server.sh" start
trap '"$here/wine-server.sh" stop' EXIT
cmake --build "$build" -j2
