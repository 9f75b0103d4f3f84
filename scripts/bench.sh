#!/usr/bin/env bash
# Builds and runs the pass benchmark (not part of the test run): every case
# on generated inputs, with its median time, MB/s and the ratio to a memchr
# line pass over the same text measured in the same run.
# Usage: scripts/bench.sh [RUNS] [NAME-FILTER]
#        scripts/bench.sh --e2e [RUNS] [NAME-FILTER]
#   --e2e times the built sparlin-cli itself: each case runs it on generated
#   files (a compiler script only copies them into place) and times the
#   window between two progress points of its --trace output (wall time),
#   beside a memchr line pass over the same file in the same run; median of
#   RUNS (default 5), and the peak memory of the process.
# Build folder: $BENCH_BUILD_DIR or build-bench.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build-bench}
"$root/scripts/install-packages.sh" g++ cmake ninja-build libgtest-dev libpng-dev pkg-config
corpus=()
[ -d "$root/../shared/corpus" ] || [ -z "${SPARLIN_CORPUS_DIR:-}" ] || corpus=(-DSPARLIN_CORPUS_DIR="$SPARLIN_CORPUS_DIR")
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${corpus[@]}" >/dev/null
if [ "${1:-}" = "--e2e" ]; then
  cmake --build "$build" --target sparlin_bench sparlin-cli | grep -E "error|FAILED" && exit 1
  exec "$build/tests/bench/sparlin_bench" --e2e "$build/src/sparlin-cli" "${2:-5}" "${3:-}"
fi
cmake --build "$build" --target sparlin_bench | grep -E "error|FAILED" && exit 1
"$build/tests/bench/sparlin_bench" "${1:-7}" "${2:-}"
