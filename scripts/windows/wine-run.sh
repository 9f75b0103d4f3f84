#!/bin/bash
# Runs a Windows program under Wine in the project's own Wine prefix, which it
# prepares on first use: no Mono/Gecko prompts, and a crashing program ends
# with its exception code instead of opening the crash dialog, and dialog
# fonts as Windows maps them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../utf8-locale.sh"
export WINEPREFIX=${WINEPREFIX:-${SPARLIN_MINGW_PREFIX:-/opt/sparlin-mingw}/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64

# The marker names the version of this set-up: a prefix set up by an older
# one is set up again.
ready=$WINEPREFIX/.sparlin-ready-2
if [[ ! -f $ready ]]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  # Deleting the value is not enough: Wine then falls back to winedbg.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /t REG_SZ /d 'sparlin-no-debugger.exe' /f >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Auto /t REG_SZ /d 1 /f >/dev/null 2>&1
  # This Wine does not load the fonts of fonts-wine from its data folder:
  # windows would fall back to a Linux font (DejaVu Sans) and the caption
  # buttons' Marlett glyphs would show as letters. The prefix's Fonts folder
  # gets a copy of them.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  # Windows draws dialogs in MS Shell Dlg, which it maps to MS Sans Serif;
  # Wine maps it to the wider Tahoma, which cuts captions that fit on
  # Windows. fonts-wine's ms_sans_serif.ttf has the face name "MS Sans Serif".
  for face in 'MS Shell Dlg' 'MS Shell Dlg 2'; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v "$face" /t REG_SZ /d 'MS Sans Serif' /f >/dev/null 2>&1
  done
  wineserver -w
  touch "$ready"
fi
exec wine "$@"
