# Sourced by the build, run and test scripts: installs what building and
# testing Tolvane needs on Debian or Ubuntu. Needs scripts/arch.sh.
#
# The package command runs on every call, as root or through sudo; apt-get
# does nothing when all is there, so a prepared machine cannot hide an
# install step that would fail on a fresh one. The i386 architecture and
# Wine's 32-bit loader are asked for only where the machine can run 32-bit
# programs.

TOLVANE_PACKAGES="g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix cmake wine wine64 xvfb xauth googletest"
TOLVANE_PACKAGES_32BIT="wine32:i386"
# The test script's own: Chromium for the browser tests; NSIS and a C++
# compiler for this machine, with which the installer's test makes its
# installer (scripts/package.sh).
TOLVANE_TEST_PACKAGES="chromium nsis g++"

# Every package this machine should have, with extra ones given as arguments.
tolvane_wanted_packages() {
  local wanted="$TOLVANE_PACKAGES $*"
  if tolvane_can_run_32bit; then wanted="$wanted $TOLVANE_PACKAGES_32BIT"; fi
  echo $wanted
}

tolvane_missing_packages() {
  local missing="" p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing="$missing $p"
    fi
  done
  echo $missing
}

# tolvane_install_deps [PACKAGE...]: the project's packages and the extra
# ones named, installed where missing.
tolvane_install_deps() {
  local wanted missing sudo=""
  wanted=$(tolvane_wanted_packages "$@")
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=sudo
    else
      missing=$(tolvane_missing_packages $wanted)
      [ -z "$missing" ] && return 0
      echo "Missing packages: $missing" >&2
      echo "Install them as root, then run this again:" >&2
      tolvane_can_run_32bit && echo "  dpkg --add-architecture i386" >&2
      echo "  apt-get update && apt-get install --no-install-recommends $wanted" >&2
      exit 1
    fi
  fi
  local refresh=""
  if tolvane_can_run_32bit && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
    refresh=yes
  fi
  # On a fresh machine the package lists are empty or old: when the install
  # fails, refresh them once and try again.
  if [ -z "$refresh" ] && tolvane_apt_install $sudo $wanted; then return 0; fi
  echo "Updating the package lists"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  tolvane_apt_install $sudo $wanted || {
    echo "Could not install: $wanted" >&2
    exit 1
  }
}

# tolvane_apt_install [sudo] PACKAGE...: quiet, but says what it installed.
tolvane_apt_install() {
  local sudo=""
  [ "${1:-}" = sudo ] && { sudo=sudo; shift; }
  local missing
  missing=$(tolvane_missing_packages "$@")
  [ -n "$missing" ] && echo "Installing: $missing"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

# Debian's npm where the machine has no npm (it brings Node.js along).
tolvane_npm_package() {
  command -v npm >/dev/null 2>&1 || echo npm
}

# The browser tests' npm packages, as tests/browser/package-lock.json pins
# them, into build/npm/node_modules: beside the builds, out of the source
# tree. Nothing to do when that lock is the one installed last.
tolvane_install_node_modules() {
  local source="$root/tests/browser" dir="$root/build/npm"
  cmp -s "$source/package-lock.json" "$dir/node_modules/.tolvane-lock" && return 0
  echo "Installing the browser tests' npm packages"
  mkdir -p "$dir"
  cp "$source/package.json" "$source/package-lock.json" "$dir/"
  (cd "$dir" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error >/dev/null) || {
    echo "npm ci failed in $dir" >&2
    exit 1
  }
  cp "$source/package-lock.json" "$dir/node_modules/.tolvane-lock"
}
