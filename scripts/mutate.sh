#!/usr/bin/env bash
# Plants each fault of a list, one at a time, in a scratch copy of the
# repository, rebuilds, runs the native test suite and tells whether the
# suite caught it (not part of the test run; takes a build per fault).
# Usage: scripts/mutate.sh [FAULT-LIST] [FILTER]
#   FAULT-LIST  default scripts/faults.tsv: one fault a line, tab-separated:
#               file, text to replace (its first occurrence), replacement,
#               what it breaks; "#" starts a comment line.
#   FILTER      only the faults whose line contains this text.
# The scratch copy is a folder under /tmp, removed at the end; the corpus is
# $SPARLIN_CORPUS_DIR or the one beside the repository.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
list=$(realpath "${1:-$root/scripts/faults.tsv}")
filter=${2:-}
corpus=${SPARLIN_CORPUS_DIR:-$(cd "$root/.." && pwd)/shared/corpus}

scratch=$(mktemp -d /tmp/sparlin-mutate.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
# The working tree as it is, edits included, without build folders.
(cd "$root" && git ls-files -co --exclude-standard -z | tar --null -T - -cf -) | tar -xf - -C "$scratch"

"$root/scripts/install-packages.sh" g++ cmake ninja-build libgtest-dev libpng-dev pkg-config fasm qemu-user
cmake -S "$scratch" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSPARLIN_CORPUS_DIR="$corpus" >/dev/null

suite_passes() {
  cmake --build "$scratch/build" -j2 >"$scratch/build.log" 2>&1 || return 2
  (cd "$scratch/build" && ctest -j2 --timeout 300 >"$scratch/ctest.log" 2>&1)
}

echo "baseline: building and running the suite without a fault"
if ! suite_passes; then
  echo "the suite fails without a fault; see $scratch/build.log and $scratch/ctest.log" >&2
  trap - EXIT
  exit 1
fi

total=0
caught=0
while IFS=$'\t' read -r file from to what; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  [[ -n "$filter" && "$file$from$to$what" != *"$filter"* ]] && continue
  total=$((total + 1))
  target="$scratch/$file"
  if [[ ! -f "$target" ]] || ! FROM="$from" perl -0ne 'exit(index($_, $ENV{FROM}) >= 0 ? 0 : 1)' "$target"; then
    echo "MISSING     $file: text not found ($what)"
    continue
  fi
  cp "$target" "$scratch/original"
  FROM="$from" TO="$to" perl -0pi -e 'my $at = index($_, $ENV{FROM}); substr($_, $at, length $ENV{FROM}) = $ENV{TO};' "$target"
  set +e
  suite_passes
  result=$?
  set -e
  cp "$scratch/original" "$target"
  if [[ $result -eq 0 ]]; then
    echo "NOT CAUGHT  $file: $what"
  else
    caught=$((caught + 1))
    how=$(grep -o '[0-9]* tests failed' "$scratch/ctest.log" 2>/dev/null || true)
    [[ $result -eq 2 ]] && how="the build failed"
    echo "caught      $file: $what ($how)"
  fi
done <"$list"
echo "caught $caught of $total"
[[ $caught -eq $total ]]
