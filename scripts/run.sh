#!/bin/bash
# Builds the editor and starts it under Wine on your display, in a Wine
# prefix of its own (build/ARCH/run-prefix). Installs what is missing first.
# It runs the 32-bit build where this machine runs 32-bit programs and the
# 64-bit build where it cannot; TOLVANE_ARCH=x86_64 or i686 chooses.
# Arguments go to the editor.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/arch.sh"
. "$root/scripts/deps.sh"
. "$root/scripts/wine-env.sh"
. "$root/scripts/build.sh"

if [ -z "${DISPLAY:-}" ]; then
  echo "No DISPLAY: start the editor from a desktop session (or set DISPLAY)." >&2
  exit 1
fi
tolvane_install_deps
if [ -n "${TOLVANE_ARCH:-}" ]; then
  arch=$TOLVANE_ARCH
elif tolvane_can_run_32bit; then
  arch=i686
else
  arch=x86_64
fi
tolvane_build "$arch" --target tolvane

tolvane_wine_env "$arch"
export WINEPREFIX="$(tolvane_arch_build_dir "$arch")/run-prefix"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix in $WINEPREFIX (once)"
  "$TOLVANE_WINE" wineboot -i >/dev/null 2>&1 || true
  "$TOLVANE_WINESERVER" -w
fi
exec "$TOLVANE_WINE" "$(tolvane_arch_build_dir "$arch")/app/tolvane.exe" "$@"
