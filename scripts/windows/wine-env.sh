# Sourced by the Windows scripts: where the mingw libraries and the Wine
# prefix live, and a quiet Wine without its .NET and HTML installers.
export SPARLIN_MINGW_PREFIX=${SPARLIN_MINGW_PREFIX:-/opt/sparlin-mingw}
export WINEPREFIX=${WINEPREFIX:-$SPARLIN_MINGW_PREFIX/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
