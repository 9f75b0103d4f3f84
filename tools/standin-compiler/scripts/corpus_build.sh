#!/bin/bash
# Builds every corpus source (corpus/pb/*.pb) and the project main files
# through sparlin-cli and the stand-in compiler, each in a scratch copy under
# OUTDIR, and counts the builds that end with "All Finished!".
# Includes that the corpus keeps under the author's prefix ("milooking__X.pbi")
# or in the author's project folder are put beside the copy under their own names.
# usage: corpus_build.sh BUILD_DIR OUTDIR [sparlin-cli options...]
set -u
build=$(cd "$1" && pwd); out=$2; shift 2
corpus=$(cd "$(dirname "$0")/../../.." && pwd)/../shared/corpus
[ -d "${SPARLIN_CORPUS:-}" ] && corpus=$SPARLIN_CORPUS
rm -rf "$out"; mkdir -p "$out"; out=$(cd "$out" && pwd)
export PB_TOOL_Compiler=$build/standin-install/Compilers/pbcompiler.exe
cli=$build/src/sparlin-cli
ok=0; total=0; fails=()

build_one() {  # name folder file [options]
  local name=$1 folder=$2 file=$3; shift 3
  (cd "$folder" && timeout 300 "$cli" "$@" "$file" > "$out/$name.log" 2>&1)
  total=$((total + 1))
  if grep -q $'\tAll Finished!' "$out/$name.log"; then ok=$((ok + 1)); else fails+=("$name"); fi
}

for f in "$corpus"/pb/*.pb; do
  n=$(basename "$f" .pb); d=$out/src/$n; mkdir -p "$d"
  author=${n%%__*}
  for g in "$corpus"/pb/"$author"__*; do cp "$g" "$d/${g##*__}"; done
  for g in "$corpus"/projects/"$author"_*/Modules/*.pb; do [ -f "$g" ] && cp "$g" "$d/"; done
  cp "$f" "$d/"
  build_one "$n" "$d" "$(basename "$f")" "$@"
done
for m in AmiDARK_eXtends_Vector3/Vector3/DBProVector3Extends.dll.pb zonemaster60_HandyDrvLED/src/HandyDrvLED.pb \
         zonemaster60_MyCPUCooler/src/MyCPUCooler.pb codeprof_DX9Subsystem/Source/DX9SubsystemDLL44.pb \
         codeprof_IconMod/src/IconMod.pb Maagic7_String/Modules/ModulDevelop/String/String_Main.pb \
         tajmone_OOP_Ex2/OOP-Inheritance-Ex2.pb; do
  p=${m%%/*}; n=proj_$p; mkdir -p "$out/src/$n"; cp -r "$corpus/projects/$p" "$out/src/$n/"
  build_one "$n" "$(dirname "$out/src/$n/$m")" "$(basename "$m")" "$@"
done
echo "$ok of $total built"
for f in "${fails[@]}"; do echo "FAIL $f: $(grep -m1 -E 'File not found|error:' "$out/$f.log" | tr -d '\t')"; done
