#!/bin/bash
# Builds the editor and starts it under Wine on your display, in a Wine
# prefix of its own (build/run-prefix). Installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TOLVANE_BUILD_DIR:-$root/build}"
. "$root/scripts/deps.sh"

if [ -z "${DISPLAY:-}" ]; then
  echo "No DISPLAY: start the editor from a desktop session (or set DISPLAY)." >&2
  exit 1
fi
tolvane_install_deps
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target tolvane -j"$(nproc)"

export WINEPREFIX="$build/run-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix in $WINEPREFIX (once)"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
exec wine "$build/app/tolvane.exe" "$@"
