# Sourced by the test script: a small file system of its own for the tests
# of a disk that fills up. As root it mounts a 512 KiB tmpfs and exports its
# folder as TOLVANE_FULL_DISK; otherwise those tests skip and say why.

tolvane_full_disk_start() {
  [ "$(id -u)" -eq 0 ] || return 0
  local dir
  dir=$(mktemp -d /tmp/tolvane-full-disk.XXXXXX) || return 0
  if mount -t tmpfs -o size=512k tmpfs "$dir" 2>/dev/null; then
    TOLVANE_FULL_DISK_DIR=$dir
    export TOLVANE_FULL_DISK=$dir
  else
    echo "Full-disk tests will be skipped: a tmpfs could not be mounted" >&2
    rmdir "$dir"
  fi
}

tolvane_full_disk_stop() {
  if [ -n "${TOLVANE_FULL_DISK_DIR:-}" ]; then
    umount "$TOLVANE_FULL_DISK_DIR" 2>/dev/null || true
    rmdir "$TOLVANE_FULL_DISK_DIR" 2>/dev/null || true
    unset TOLVANE_FULL_DISK_DIR TOLVANE_FULL_DISK
  fi
}
