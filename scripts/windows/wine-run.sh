#!/bin/bash
# Runs a Windows program under Wine in the project's own Wine prefix, which it
# prepares on first use: no Mono/Gecko prompts, and a crashing program ends
# with its exception code instead of opening the crash dialog.
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:-${SPARLIN_MINGW_PREFIX:-/opt/sparlin-mingw}/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64

if [[ ! -f $WINEPREFIX/.sparlin-ready ]]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  # Deleting the value is not enough: Wine then falls back to winedbg.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /t REG_SZ /d 'sparlin-no-debugger.exe' /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Auto /t REG_SZ /d 1 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.sparlin-ready"
fi
exec wine "$@"
