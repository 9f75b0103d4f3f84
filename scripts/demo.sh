#!/usr/bin/env bash
# The main job: builds a bundled example through Sparlin (sparlin-cli with the
# stand-in compiler), prints the run log, and compares the output's size with
# a build of the same source without pruning.
# Usage: scripts/demo.sh [EXAMPLE_FOLDER]   (default: examples/image_viewer)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/utf8-locale.sh"
build=$root/build
example=${1:-$root/examples/image_viewer}
"$root/scripts/build-native.sh" "$build" >/dev/null

work=$build/demo
rm -rf "$work"
mkdir -p "$work"
export PB_TOOL_Compiler=$build/standin-install/Compilers/pbcompiler.exe
unset PB_TOOL_Executable

build_copy() {  # build_copy NAME [--set KEY=VALUE]...: a fresh copy of the example, built
  local name=$1; shift
  cp -r "$example" "$work/$name"
  local source
  source=$(find "$work/$name" -maxdepth 1 -name '*.pb' | sort | head -n 1)
  (cd "$work/$name" && "$build/src/sparlin-cli" "$@" "$source" "$source")
}

echo "== Building $(basename "$example") through Sparlin =="
build_copy pruned | tr -d '\r'
build_copy unpruned --set RemUncalled=0 >/dev/null

size() { stat -c %s "$(find "$work/$1" -maxdepth 1 -name '*.exe' | head -n 1)"; }
pruned=$(size pruned)
unpruned=$(size unpruned)
echo "== Output size =="
echo "with Sparlin's pruning:    $pruned bytes"
echo "without pruning:           $unpruned bytes"
echo "saved:                     $((unpruned - pruned)) bytes"
