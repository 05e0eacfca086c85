#!/bin/bash
# Builds Tolvane for 64-bit (x86_64) and 32-bit (i686) Windows and runs every
# test under Wine on a private X server, on each architecture this machine
# can run: x86_64 always, i686 where the machine runs 32-bit programs (where
# it cannot, the i686 program is built but not tested). The i686 build's
# installer test installs the release's installer, which holds the x86_64
# build's program too, so that program is built for it; the x86_64 build's
# test installs one of its own program alone. Both say so at the start.
# Installs what is missing first, with Chromium and the npm packages of the
# browser tests. As root it also runs a private CUPS spooler for the
# printing tests (scripts/cups.sh); without it they skip.
# Extra arguments go to ctest. TOLVANE_ARCHES="x86_64" (or "i686") limits
# the run to the architectures named.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/arch.sh"
. "$root/scripts/deps.sh"
. "$root/scripts/wine-env.sh"
. "$root/scripts/cups.sh"
. "$root/scripts/build.sh"
. "$root/scripts/full-disk.sh"

if [ "$(id -u)" -eq 0 ]; then
  tolvane_install_deps $TOLVANE_TEST_PACKAGES $(tolvane_npm_package) $(tolvane_cups_packages)
else
  tolvane_install_deps $TOLVANE_TEST_PACKAGES $(tolvane_npm_package)
fi
tolvane_install_node_modules

tested=""
for arch in ${TOLVANE_ARCHES:-x86_64 i686}; do
  case " $(tolvane_runnable_arches) " in
  *" $arch "*) tested="$tested $arch" ;;
  esac
done
if tolvane_can_run_32bit; then
  echo "Testing on:$tested (this machine runs 32-bit programs)"
else
  echo "Testing on:$tested; i686 is built but not tested: this machine cannot run 32-bit programs, so Wine's 32-bit loader cannot start"
fi

# Which installer each build's test makes and installs (scripts/package.sh
# --test-installer).
installers=""
case " $tested " in *" x86_64 "*) installers="x86_64 build: the 64-bit stub with the 64-bit program" ;; esac
case " $tested " in
*" i686 "*) installers="${installers:+$installers; }i686 build: the release's x86 stub with both programs" ;;
*) installers="${installers:-none} (not the release's: its x86 stub is a 32-bit program, and i686 is not tested)" ;;
esac
echo "Installers tested: $installers"

# The i686 build's installer holds the x86_64 build's program too.
built=${TOLVANE_ARCHES:-x86_64 i686}
case " $tested " in
*" i686 "*) case " $built " in *" x86_64 "*) ;; *) built="x86_64 $built" ;; esac ;;
esac
for arch in $built; do
  case " $tested " in
  *" $arch "*) tolvane_build "$arch" ;;
  *) tolvane_build "$arch" --target tolvane ;;
  esac
done

trap 'tolvane_stop_all; tolvane_cups_stop; tolvane_full_disk_stop' EXIT
tolvane_start_x
tolvane_full_disk_start
# Before the first Wine program: Wine lists the spooler's queues as printers
# when a program loads its spooler library.
tolvane_cups_start

status=0
for arch in $tested; do
  tolvane_wine_env "$arch"
  tolvane_wine_prefix
  tolvane_start_wine
  echo "Running the tests of the $arch build"
  (cd "$(tolvane_arch_build_dir "$arch")" && ctest --output-on-failure -j"${TOLVANE_TEST_JOBS:-1}" "$@") || status=1
  tolvane_stop_wine
done
exit $status
