# Sourced by the test script: a small file system of its own for the tests
# of a disk that fills up. As root it mounts a 512 KiB tmpfs and exports its
# folder as TOLVANE_FULL_DISK; otherwise those tests skip and say why (under
# CI=true as root, where the tmpfs can always be had, the run fails instead).

tolvane_full_disk_start() {
  [ "$(id -u)" -eq 0 ] || return 0
  local dir
  if dir=$(mktemp -d /tmp/tolvane-full-disk.XXXXXX) && mount -t tmpfs -o size=512k tmpfs "$dir" 2>/dev/null; then
    TOLVANE_FULL_DISK_DIR=$dir
    export TOLVANE_FULL_DISK=$dir
    return 0
  fi
  [ -z "${dir:-}" ] || rmdir "$dir"
  if [ "${CI:-}" = true ]; then
    echo "The full-disk tests cannot run: a tmpfs could not be mounted (under CI=true as root they must)" >&2
    exit 1
  fi
  echo "Full-disk tests will be skipped: a tmpfs could not be mounted" >&2
}

tolvane_full_disk_stop() {
  if [ -n "${TOLVANE_FULL_DISK_DIR:-}" ]; then
    umount "$TOLVANE_FULL_DISK_DIR" 2>/dev/null || true
    rmdir "$TOLVANE_FULL_DISK_DIR" 2>/dev/null || true
    unset TOLVANE_FULL_DISK_DIR TOLVANE_FULL_DISK
  fi
}
