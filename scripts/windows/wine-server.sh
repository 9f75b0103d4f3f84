#!/bin/bash
# Starts or stops the persistent Wine server of the project's Wine prefix.
# With the server and Wine's own services already running, a test program
# starts in a fraction of a second, and no Wine service inherits (and keeps
# open) the output pipe of the test runner.
#
#   scripts/windows/wine-server.sh start|stop
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../utf8-locale.sh"
export WINEPREFIX=${WINEPREFIX:-${SPARLIN_MINGW_PREFIX:-/opt/sparlin-mingw}/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
case ${1:-} in
  start)
    # The first use prepares the prefix and waits for its server to end.
    "$here/wine-run.sh" cmd /c exit </dev/null >/dev/null 2>&1 || true
    wineserver -p 2>/dev/null || true
    "$here/wine-run.sh" cmd /c exit </dev/null >/dev/null 2>&1
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
