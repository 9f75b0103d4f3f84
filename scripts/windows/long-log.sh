#!/bin/bash
# Measures how Sparlin.exe takes a long compiler output under Wine: runs the
# Wine test of the long log with a compiler that prints N lines and prints
# what it measured (seconds from the compiler's end until the view shows the
# whole log, the longest wait for the window's answer, the peak working set).
#
#   scripts/windows/long-log.sh [N]     # after scripts/windows/build.sh; N = 20000
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${SPARLIN_WIN_BUILD:-$root/build-win}
source "$here/wine-env.sh"

if [[ ${1:-} != --in-display ]]; then
  export SPARLIN_LONG_LOG_LINES=${1:-20000}
  # Large enough for the main window at 192 DPI.
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" --in-display
fi

"$here/wine-server.sh" start
trap '"$here/wine-server.sh" stop' EXIT
cd "$build"
wine tests/wine/sparlin_wine_tests.exe \
  --gtest_filter='*ALongCompilerOutputReachesTheViewInPieces*' 2>&1 | grep -E '^long log:|^\[  (FAILED|PASSED) |Failure' || true
