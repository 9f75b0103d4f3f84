#!/usr/bin/env bash
# Runs every test: the native unit and end-to-end tests (CTest), then the
# Windows build's tests under Wine when the Windows scripts are present.
# Installs what it needs on a fresh Debian 12 (as root).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/utf8-locale.sh"
build=$root/build
"$root/scripts/build-native.sh" "$build"
(cd "$build" && ctest --output-on-failure -j2 --timeout 300)
if [ -x "$root/scripts/windows/test.sh" ]; then
  "$root/scripts/windows/test.sh"
fi
