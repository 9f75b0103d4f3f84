#!/bin/bash
# Takes the README's screenshots from the real program under Wine, in a
# virtual X display with a framed Wine desktop: the main window after a
# build of examples/console and the Settings window, on a display of 96 DPI
# and again at 144 and 192 DPI (150 % and 200 %). Writes
# docs/screenshots/main-window.png and docs/screenshots/settings-window.png,
# and the same names with "-144dpi" and "-192dpi".
#
#   scripts/windows/screenshots.sh      # after scripts/windows/build.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${SPARLIN_WIN_BUILD:-$root/build-win}
source "$here/wine-env.sh"

if [[ ${1:-} != --in-display ]]; then
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" --in-display
fi

work=$(mktemp -d /tmp/sparlin-shots.XXXXXX)
# The project lies on Wine's drive C:, so that the log shows a Windows path.
project=$WINEPREFIX/drive_c/Projects/Console
mkdir -p "$work/handshake" "$root/docs/screenshots"
win() { printf 'Z:%s' "${1//\//\\}"; }

# The DPI that Wine gives the programs it starts from then on.
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

shoot() {  # name: waits for the driver, crops the window with a margin
  local name=$1 geometry w h x y
  for _ in $(seq 1 900); do [[ -f $work/handshake/$name.ready ]] && break; sleep 0.1; done
  [[ -f $work/handshake/$name.ready ]] || { echo "no $name from the driver" >&2; exit 1; }
  IFS="x+" read -r w h x y < <(tr -d "\r" < "$work/handshake/$name.ready")
  geometry="$((w + 16))x$((h + 16))+$((x > 8 ? x - 8 : 0))+$((y > 8 ? y - 8 : 0))"
  import -window root -crop "$geometry" +repage "$root/docs/screenshots/$name.png"
  touch "$work/handshake/$name.done"
  echo "docs/screenshots/$name.png ($w x $h window)"
}

"$here/wine-server.sh" start
trap 'set_dpi 96; "$here/wine-server.sh" stop; rm -rf "$work" "$project"' EXIT
for dpi in 96 144 192; do
  suffix=$([[ $dpi == 96 ]] || echo "-${dpi}dpi")
  set_dpi "$dpi"
  rm -rf "$project" && mkdir -p "$project" && cp -r "$root/examples/console/." "$project/"
  # The driver starts Sparlin.exe itself, so both live on the framed desktop.
  wine explorer /desktop=Sparlin,1600x1200 "$(win "$build/tests/wine/screenshot_driver.exe")" \
    "$(win "$work/handshake")\\" 'C:\Projects\Console\' 'C:\Projects\Console\Console.pb' $suffix &
  driver=$!
  shoot "main-window$suffix"
  shoot "settings-window$suffix"
  wait "$driver" || true
done
