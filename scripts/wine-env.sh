# Sourced by the scripts: a quiet Wine prefix of the build tree for the
# flavour RK_WINE_FLAVOUR names (win32, the default: 32-bit prefix in
# build/wineprefix; win64: 64-bit prefix in build/wineprefix64), with a
# persistent, warmed-up wineserver (CTest under Wine crawls without one).
# Call rk_wine_start once; it stops the server when the calling shell exits.

case "${RK_WINE_FLAVOUR:=win32}" in
  win32)
    export WINEARCH=win32
    export WINEPREFIX="${RK_WINEPREFIX:-${RK_BUILD_ROOT:?}/wineprefix}"
    ;;
  win64)
    export WINEARCH=win64
    export WINEPREFIX="${RK_WINEPREFIX:-${RK_BUILD_ROOT:?}/wineprefix64}"
    # Debian's `wine` script prefers the 32-bit loader, which a machine that
    # refuses 32-bit programs cannot start: call the 64-bit one directly.
    export WINELOADER=/usr/lib/wine/wine64
    wine() { "$WINELOADER" "$@"; }
    ;;
  *) echo "RK_WINE_FLAVOUR must be win32 or win64, not '$RK_WINE_FLAVOUR'" >&2; return 2 ;;
esac
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY

rk_wine_start() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once)"
    mkdir -p "$WINEPREFIX"
    wine wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
  fi
  wineserver -p </dev/null >/dev/null 2>&1 || true  # fails when one is already running
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
}
