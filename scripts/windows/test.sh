#!/bin/bash
# The Windows build's tests under Wine, inside a virtual X display:
#   1. the core's unit tests (sparlin_tests.exe), in one run;
#   2. the platform layer's Windows tests and the black-box tests of
#      Sparlin.exe's windows (tests/wine), driven by a Windows test program.
# Installs what it needs (scripts/windows/setup.sh), builds, and prints a
# closing line "wine: N passed, M failed". Exit status 0 when all passed.
#
#   scripts/windows/test.sh
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${SPARLIN_WIN_BUILD:-$root/build-win}
source "$here/wine-env.sh"

if [[ ${1:-} != --in-display ]]; then
  "$here/setup.sh" || exit 1
  mkdir -p "$build"
  SPARLIN_WIN_BUILD=$build "$here/build.sh" >"$build/build-output.log" 2>&1 \
    || { tail -n 40 "$build/build-output.log"; echo "wine: 0 passed, 1 failed"; exit 1; }
  # The rest runs in a virtual X display, Wine server included: a window
  # program needs the display that Wine's desktop process was started with.
  # Large enough for the main window at 192 DPI.
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" --in-display
fi

# Unit tests that cannot run on Windows:
#  - Processes.*: they start /bin/sh as a child; the Windows process layer is
#    tested by tests/wine/platform_win32_test.cpp instead;
#  - StandinReassemble.*: they need the flat assembler, a Linux program the
#    Windows stand-in cannot run (it then skips the assembly check).
unit_excluded='Processes.*:StandinReassemble.*'

passed=0 failed=0
count() {  # adds the gtest summary of a log to the totals
  local p f
  p=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$1" | tail -n1)
  f=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$1" | tail -n1)
  passed=$((passed + ${p:-0})); failed=$((failed + ${f:-0}))
  if [[ -z $p && -z $f ]]; then failed=$((failed + 1)); echo "no test summary in $1"; fi
}

"$here/wine-server.sh" start
trap '"$here/wine-server.sh" stop' EXIT

cd "$build"
echo "== sparlin_tests.exe under Wine (excluded: $unit_excluded)"
SPARLIN_STANDIN_INSTALL="$build/standin-install" \
  timeout 600 wine tests/sparlin_tests.exe --gtest_filter="-$unit_excluded" >unit-wine.log 2>&1
grep -E '^\[  (FAILED|PASSED) |^\[==========\] [0-9]+ tests' unit-wine.log
count unit-wine.log

echo "== sparlin_wine_tests.exe: the Win32 platform layer and Sparlin.exe's windows"
timeout 600 wine tests/wine/sparlin_wine_tests.exe >wine-gui.log 2>&1
grep -E '^\[  (FAILED|PASSED) |^\[==========\] [0-9]+ tests' wine-gui.log
count wine-gui.log

echo "wine: $passed passed, $failed failed"
((failed == 0))
