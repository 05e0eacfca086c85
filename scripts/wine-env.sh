# Sourced by the scripts that run Tolvane's programs: a private Wine prefix
# in each architecture's build directory, an X server and one wineserver
# kept alive. Needs scripts/arch.sh. Wine's loaders and wineservers are
# named directly: the `wine` wrapper and winepath go through the 32-bit
# loader, which some machines cannot start.

# tolvane_wine_env ARCH: the environment for ARCH's programs. Exports
# TOLVANE_WINE (the loader) and TOLVANE_WINESERVER.
tolvane_wine_env() {
  local arch=$1
  export WINEPREFIX="$(tolvane_arch_build_dir "$arch")/wineprefix"
  export WINEARCH=$(tolvane_arch_wine_arch "$arch")
  export WINEDEBUG=-all
  # No Mono prompt; and no menu entries or file types of the Linux desktop
  # made for the shortcuts and associations the installer's test makes.
  export WINEDLLOVERRIDES="mscoree=;winemenubuilder.exe=d"
  export TOLVANE_WINE=$(tolvane_arch_loader "$arch")
  export TOLVANE_WINESERVER=$(tolvane_arch_wineserver "$arch")
  # The 64-bit loader, started on its own, asks for the matching server.
  export WINELOADER=$TOLVANE_WINE
  export WINESERVER=$TOLVANE_WINESERVER
}

# Makes the prefix once; a half-made one (no marker) is thrown away and made
# again, so an interrupted run cannot break the next.
tolvane_wine_prefix() {
  local marker="$WINEPREFIX/.tolvane-ready-3"
  "$TOLVANE_WINESERVER" -k >/dev/null 2>&1 || true
  if [ ! -f "$marker" ]; then
    rm -rf "$WINEPREFIX"
    echo "Creating the Wine prefix in $WINEPREFIX"
    # A 64-bit prefix cannot start syswow64's programs where 32-bit ones
    # cannot run, and says so; the prefix works all the same.
    DISPLAY= "$TOLVANE_WINE" wineboot -i >/dev/null 2>&1 || true
    "$TOLVANE_WINESERVER" -w
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "wineboot did not create the prefix $WINEPREFIX" >&2
      exit 1
    fi
    # No window manager runs on the test display: unmanaged windows spare
    # every hidden or destroyed window Wine's two-second wait for one.
    "$TOLVANE_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    "$TOLVANE_WINESERVER" -w
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

# Keeps one wineserver for the prefix alive and starts Wine's service
# processes with no pipes of the caller's: ctest would otherwise wait on
# them to close.
tolvane_start_wine() {
  "$TOLVANE_WINESERVER" -p
  "$TOLVANE_WINE" cmd.exe /c exit </dev/null >/dev/null 2>&1
}

tolvane_stop_wine() {
  [ -n "${TOLVANE_WINESERVER:-}" ] && "$TOLVANE_WINESERVER" -k >/dev/null 2>&1 || true
}

tolvane_stop_all() {
  tolvane_stop_wine
  if [ -n "${TOLVANE_XVFB_PID:-}" ]; then
    kill "$TOLVANE_XVFB_PID" 2>/dev/null || true
    wait "$TOLVANE_XVFB_PID" 2>/dev/null || true
  fi
}
