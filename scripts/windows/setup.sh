#!/bin/bash
# Installs what the Windows build and its Wine tests need on Debian 12 (run as
# root): the mingw-w64 cross compilers, zlib for mingw, Wine, Xvfb and the
# screenshot tools from Debian's packages, then cross-builds libpng (from
# Debian's own source package) and GoogleTest (from Debian's googletest
# sources) into a cache folder. Idempotent: what is there is kept.
#
#   scripts/windows/setup.sh            # cache in $SPARLIN_MINGW_PREFIX or /opt/sparlin-mingw
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
prefix=${SPARLIN_MINGW_PREFIX:-/opt/sparlin-mingw}
toolchain=$root/cmake/mingw-w64-x86_64.cmake

log() { printf '[setup] %s\n' "$*"; }

# --- Debian packages -------------------------------------------------------
packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev fonts-wine
          wine wine64 xvfb xauth x11-utils imagemagick zip cmake ninja-build
          googletest dpkg-dev libpng-dev libgtest-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  log "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

mkdir -p "$prefix"

# --- libpng, cross-built from Debian's source package ------------------------
if [[ ! -f $prefix/lib/libpng16.a && ! -f $prefix/lib/libpng.a ]]; then
  log "cross-building libpng from Debian's source package"
  # A private apt configuration with one deb-src entry; the machine's own
  # apt sources stay as they are.
  apt_dir=$prefix/apt
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/parts"
  mirror=$(sed -n 's/^URIs:[[:space:]]*\(\S*\).*/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1)
  if [[ -z $mirror ]]; then
    mirror=$(sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\(\S*\)[[:space:]]\+bookworm[[:space:]].*/\2/p' /etc/apt/sources.list 2>/dev/null | head -n1)
  fi
  mirror=${mirror:-http://deb.debian.org/debian}
  echo "deb-src $mirror bookworm main" > "$apt_dir/sources.list"
  apt_opts=(-o APT::Sandbox::User=root -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/parts"
            -o "Dir::State::Lists=$apt_dir/lists")
  apt-get "${apt_opts[@]}" update -qq
  src_dir=$prefix/src
  rm -rf "$src_dir" && mkdir -p "$src_dir"
  (cd "$src_dir" && apt-get "${apt_opts[@]}" source --download-only -qq libpng1.6 \
     && dpkg-source -x --no-check libpng1.6_*.dsc libpng >/dev/null)
  cmake -S "$src_dir/libpng" -B "$src_dir/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -Dld-version-script=OFF -DSKIP_INSTALL_EXECUTABLES=ON >/dev/null
  cmake --build "$src_dir/build" -j2 >/dev/null
  cmake --install "$src_dir/build" >/dev/null
  rm -rf "$src_dir/build"
fi

# --- GoogleTest for mingw, from Debian's googletest sources ------------------
if [[ ! -f $prefix/lib/libgtest.a ]]; then
  log "cross-building GoogleTest"
  gt_build=$prefix/gtest-build
  cmake -S /usr/src/googletest -B "$gt_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$gt_build" -j2 >/dev/null
  cmake --install "$gt_build" >/dev/null
  rm -rf "$gt_build"
fi

log "ready: $prefix"
