#!/usr/bin/env bash
# Runs a Windows test program under Wine, in a throw-away Wine prefix that is
# removed afterwards, without a display. Used as the cross build's emulator.
set -euo pipefail
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
prefix=$(mktemp -d "${TMPDIR:-/tmp}/velmora-wine-XXXXXX")
cleanup() {
  WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
"$wine" "$@"
