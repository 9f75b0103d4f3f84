#!/usr/bin/env bash
# Builds Sparlin, the stand-in compiler and the tests for this Linux machine.
# Usage: scripts/build-native.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
"$root/scripts/install-packages.sh" g++ cmake ninja-build libgtest-dev libpng-dev pkg-config fasm qemu-user
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSPARLIN_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
