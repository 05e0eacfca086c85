# Sourced by the scripts that run Tolvane's programs: a private Wine prefix
# in the build directory, an X server and one wineserver kept alive.

tolvane_wine_env() {
  local build_dir=$1
  export WINEPREFIX="$build_dir/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree="
}

# Makes the prefix once; a half-made one (no marker) is thrown away and made
# again, so an interrupted run cannot break the next.
tolvane_wine_prefix() {
  local marker="$WINEPREFIX/.tolvane-ready-2"
  wineserver -k >/dev/null 2>&1 || true
  if [ ! -f "$marker" ]; then
    rm -rf "$WINEPREFIX"
    echo "Creating the Wine prefix in $WINEPREFIX"
    DISPLAY= wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "wineboot did not create the prefix $WINEPREFIX" >&2
      exit 1
    fi
    # No window manager runs on the test display: unmanaged windows spare
    # every hidden or destroyed window Wine's two-second wait for one.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$marker"
  fi
}

# Starts Xvfb on a free display unless one is given by TOLVANE_DISPLAY.
tolvane_start_x() {
  if [ -n "${TOLVANE_DISPLAY:-}" ]; then
    export DISPLAY=$TOLVANE_DISPLAY
    return 0
  fi
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  TOLVANE_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    kill -0 "$TOLVANE_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "Xvfb did not start on display :$n" >&2
  exit 1
}

tolvane_stop_all() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${TOLVANE_XVFB_PID:-}" ]; then
    kill "$TOLVANE_XVFB_PID" 2>/dev/null || true
    wait "$TOLVANE_XVFB_PID" 2>/dev/null || true
  fi
}
