#!/bin/bash
# Builds Tolvane and runs every test under Wine on a private X server.
# Installs what is missing first. As root it also runs a private CUPS
# spooler for the printing tests (scripts/cups.sh); without it they skip.
# Extra arguments go to ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${TOLVANE_BUILD_DIR:-$root/build}"
. "$root/scripts/deps.sh"
. "$root/scripts/wine-env.sh"
. "$root/scripts/cups.sh"

tolvane_install_deps
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"

tolvane_wine_env "$build"
tolvane_wine_prefix
trap 'tolvane_stop_all; tolvane_cups_stop' EXIT
tolvane_start_x
# Before the first Wine program: Wine lists the spooler's queues as printers
# when a program loads its spooler library.
tolvane_cups_start
wineserver -p
# Wine starts its service processes with the first program; start them here
# with no pipes of ctest's, which it would otherwise wait on to close.
wine cmd.exe /c exit </dev/null >/dev/null 2>&1
cd "$build"
ctest --output-on-failure -j"${TOLVANE_TEST_JOBS:-1}" "$@"
