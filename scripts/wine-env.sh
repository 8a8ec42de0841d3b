# Sourced by the scripts: a quiet 32-bit Wine prefix of the build tree, with
# a persistent, warmed-up wineserver (CTest under Wine crawls without one).
# Call rk_wine_start once; it stops the server when the calling shell exits.

export WINEARCH=win32
export WINEPREFIX="${RK_WINEPREFIX:-${RK_BUILD_ROOT:?}/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY

rk_wine_start() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once)"
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
  fi
  wineserver -p </dev/null >/dev/null 2>&1 || true  # fails when one is already running
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
}
