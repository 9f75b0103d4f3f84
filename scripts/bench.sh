#!/usr/bin/env bash
# Builds and runs the pass benchmark (not part of the test run): every case
# on generated inputs, with its median time, MB/s and the ratio to a memchr
# line pass over the same text measured in the same run.
# Usage: scripts/bench.sh [RUNS] [NAME-FILTER]   (build folder: $BENCH_BUILD_DIR or build-bench)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build-bench}
"$root/scripts/install-packages.sh" g++ cmake ninja-build libgtest-dev libpng-dev pkg-config
corpus=()
[ -d "$root/../shared/corpus" ] || [ -z "${SPARLIN_CORPUS_DIR:-}" ] || corpus=(-DSPARLIN_CORPUS_DIR="$SPARLIN_CORPUS_DIR")
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${corpus[@]}" >/dev/null
cmake --build "$build" --target sparlin_bench >/dev/null
"$build/tests/bench/sparlin_bench" "${1:-7}" "${2:-}"
