# Sourced by the build, run and test scripts: the two Windows architectures
# Tolvane builds for, and which of them this machine can run under Wine.
#
# x86_64 runs under Wine's 64-bit loader on every machine of this kind.
# i686 needs Wine's 32-bit loader, which starts only where the kernel runs
# 32-bit Linux programs; some machines cannot, whatever the distribution
# says. tolvane_can_run_32bit finds out by running one.

# The toolchain file, Wine loader, wineserver and prefix kind of ARCH.
tolvane_arch_toolchain() { echo "$root/cmake/mingw-$1.cmake"; }
tolvane_arch_loader() {
  case $1 in
  x86_64) echo /usr/lib/wine/wine64 ;;
  i686) echo /usr/lib/wine/wine ;;
  esac
}
# Either wineserver serves programs of both kinds; each loader's own is
# preferred.
tolvane_arch_wineserver() {
  local server
  case $1 in
  x86_64) server=/usr/lib/wine/wineserver64 ;;
  i686) server=/usr/lib/wine/wineserver32 ;;
  esac
  [ -x "$server" ] || server=/usr/lib/wine/wineserver64
  [ -x "$server" ] || server=/usr/lib/wine/wineserver32
  echo "$server"
}
tolvane_arch_wine_arch() {
  case $1 in
  x86_64) echo win64 ;;
  i686) echo win32 ;;
  esac
}
tolvane_arch_build_dir() { echo "${TOLVANE_BUILD_DIR:-$root/build}/$1"; }

# Runs a 32-bit Linux program of 93 bytes that only exits with status 42: a
# kernel that can run 32-bit programs gives 42, one that cannot gives an
# exec format error. The answer is kept for the rest of the script.
tolvane_can_run_32bit() {
  if [ -z "${TOLVANE_RUNS_32BIT:-}" ]; then
    local probe status=0
    probe=$(mktemp /tmp/tolvane-elf32.XXXXXX)
    # ELF header, one loadable segment, then: xor ebx,ebx; mov bl,42;
    # xor eax,eax; inc eax; int 0x80 (exit 42).
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000'   >"$probe"
    printf '\002\000\003\000\001\000\000\000\124\200\004\010'           >>"$probe"
    printf '\064\000\000\000\000\000\000\000\000\000\000\000'           >>"$probe"
    printf '\064\000\040\000\001\000\000\000\000\000\000\000'           >>"$probe"
    printf '\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010' >>"$probe"
    printf '\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000' >>"$probe"
    printf '\061\333\263\052\061\300\100\315\200'                      >>"$probe"
    chmod 700 "$probe"
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    if [ "$status" -eq 42 ]; then TOLVANE_RUNS_32BIT=yes; else TOLVANE_RUNS_32BIT=no; fi
  fi
  [ "$TOLVANE_RUNS_32BIT" = yes ]
}

# The architectures whose programs this machine can run, 64-bit first.
tolvane_runnable_arches() {
  if tolvane_can_run_32bit; then echo "x86_64 i686"; else echo "x86_64"; fi
}
