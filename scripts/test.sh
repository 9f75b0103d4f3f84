#!/usr/bin/env bash
# Runs every test: the native unit and end-to-end tests (CTest), the same
# tests built with AddressSanitizer and UndefinedBehaviorSanitizer (any finding
# fails), then the Windows build's tests under Wine when the Windows scripts
# are present.
# Installs what it needs on a fresh Debian 12 (as root).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/utf8-locale.sh"
build=$root/build
"$root/scripts/build-native.sh" "$build"
(cd "$build" && ctest --output-on-failure -j2 --timeout 300)

asan=$root/build-asan
# The stand-in runner is built without the sanitizers (see CMakeLists.txt).
# -O1: the sanitized build compiles in about a third of the time -O3 takes.
cmake -S "$root" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" \
  -DCMAKE_C_FLAGS_RELEASE="-O1 -DNDEBUG" -DSPARLIN_WERROR=ON -DSPARLIN_SANITIZE=ON >/dev/null
cmake --build "$asan" -j"$(nproc)"
(cd "$asan" && ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --output-on-failure -j2 --timeout 600)
if [ -x "$root/scripts/windows/test.sh" ]; then
  "$root/scripts/windows/test.sh"
fi
