#!/usr/bin/env bash
# Builds the libFuzzer programs (clang, with AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and fuzzes each target, or only
# TARGET, for SECONDS each (default 60), one after the other at low priority.
# Each starts from a copy of its seed corpus (tests/fuzz/corpus/<target>/);
# crash inputs go to tests/fuzz/crashes/<target>/, where the normal test run
# replays them.
# Usage: scripts/fuzz.sh [TARGET] [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
only=${1:-}
seconds=${2:-60}

"$root/scripts/install-packages.sh" clang libfuzzer-14-dev cmake ninja-build libgtest-dev libpng-dev pkg-config
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSPARLIN_FUZZ=ON -DSPARLIN_WERROR=ON >/dev/null
nice -n 19 cmake --build "$build" --target fuzz_all -j"$(nproc)"

targets=()
for source in "$root"/tests/fuzz/*_fuzz.cpp; do
  name=$(basename "$source" _fuzz.cpp)
  if [ -z "$only" ] || [ "$only" = "$name" ]; then targets+=("$name"); fi
done
[ ${#targets[@]} -gt 0 ] || { echo "No fuzz target named '$only'" >&2; exit 2; }

for name in "${targets[@]}"; do
  crashes=$root/tests/fuzz/crashes/$name
  work=$build/work/$name
  mkdir -p "$crashes" "$work"
  cp -n "$root/tests/fuzz/corpus/$name"/* "$work/" 2>/dev/null || true
  echo "== $name: $seconds s"
  # -fork with -ignore_crashes keeps fuzzing after a finding, so one run
  # collects every crash of the time given.
  (cd "$build" && nice -n 19 "$build/tests/fuzz/fuzz_$name" "$work" \
    -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 \
    -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -artifact_prefix="$crashes/" -print_final_stats=1) 2>&1 | tee "$build/fuzz-$name.log" | \
    grep -E "^(#[0-9]+.*(DONE|pulse)|INFO: fuzzed for|stat::|==[0-9]+==ERROR|SUMMARY)" || true
done
