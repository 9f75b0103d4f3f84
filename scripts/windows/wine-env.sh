# Sourced by the Windows scripts: where the mingw libraries and the Wine
# prefix live, a quiet Wine without its .NET and HTML installers, and a UTF-8
# locale.
source "$(dirname "${BASH_SOURCE[0]}")/../utf8-locale.sh"
export SPARLIN_MINGW_PREFIX=${SPARLIN_MINGW_PREFIX:-/opt/sparlin-mingw}
export WINEPREFIX=${WINEPREFIX:-$SPARLIN_MINGW_PREFIX/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
