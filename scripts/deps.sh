# Sourced by the build and test scripts: installs what building and testing
# Tolvane needs on Debian or Ubuntu, when it is missing.

TOLVANE_PACKAGES="g++-mingw-w64-i686-posix cmake wine wine32 wine64 xvfb xauth googletest"

tolvane_missing_packages() {
  local missing=""
  if ! dpkg --print-foreign-architectures 2>/dev/null | grep -qx i386; then
    missing="i386-multiarch"
  fi
  local p
  for p in $TOLVANE_PACKAGES; do
    local name=$p
    [ "$p" = wine32 ] && name=wine32:i386
    if ! dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed"; then
      missing="$missing $p"
    fi
  done
  echo $missing
}

tolvane_install_deps() {
  local missing
  missing=$(tolvane_missing_packages)
  [ -z "$missing" ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo="sudo"
    else
      echo "Missing: $missing" >&2
      echo "Install them as root:" >&2
      echo "  dpkg --add-architecture i386 && apt-get update" >&2
      echo "  apt-get install --no-install-recommends $TOLVANE_PACKAGES" >&2
      exit 1
    fi
  fi
  echo "Installing: $missing"
  $sudo dpkg --add-architecture i386
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo -E apt-get install -y -q --no-install-recommends \
    $TOLVANE_PACKAGES
}
