#!/usr/bin/env bash
# Runs a Windows program of the windows build under Wine, quietly and in a Wine prefix of the
# project's own (made on first use; TAVMIR_WINEPREFIX names another), never the user's
# ~/.wine. The program's own exit status is this script's. Without arguments it only makes the
# prefix.
#   scripts/wine-run.sh [PROGRAM.exe [ARGUMENT...]]
set -euo pipefail
export WINEPREFIX="${TAVMIR_WINEPREFIX:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/tavmir-wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: nothing here needs them, and Wine would otherwise ask to install them; no
# menu builder, which would write desktop entries into the user's ~/.config and ~/.local.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
# Wine reads the arguments and names of the Linux side as UTF-8 only when the locale says so.
export LANG="${LANG:-C.UTF-8}"
wine=/usr/lib/wine/wine64
command -v wine64 >/dev/null 2>&1 && wine=$(command -v wine64)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # One prefix made at a time, even when ctest starts two tests at once.
  (
    flock 9
    [ -f "$WINEPREFIX/system.reg" ] || { "$wine" wineboot --init >/dev/null 2>&1 || true; /usr/lib/wine/wineserver -w || true; }
  ) 9>"$WINEPREFIX.lock"
fi
[ $# -eq 0 ] && exit 0
exec "$wine" "$@"
