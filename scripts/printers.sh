# Sourced by the test script: a printer for the tests. Wine lists the queues
# of the local CUPS scheduler as printers, and the print dialog opens only
# when there is one (without, the system shows a notice instead).

TOLVANE_TEST_PRINTER=tolvane_test

# Starts the CUPS scheduler unless it runs, and adds the test queue: a raw
# queue whose device nothing listens on, so that a job sent to it fails
# instead of printing. The scheduler is left running afterwards, since other
# test runs on this machine may be using it.
tolvane_start_printers() {
  if ! command -v cupsd >/dev/null 2>&1 || ! command -v lpadmin >/dev/null 2>&1; then
    echo "CUPS is not installed: the print dialog tests will see no printer" >&2
    return 0
  fi
  if ! lpstat -r 2>/dev/null | grep -qx "scheduler is running"; then
    if [ "$(id -u)" -ne 0 ]; then
      echo "The CUPS scheduler is not running: the print dialog tests will see no printer" >&2
      return 0
    fi
    cupsd </dev/null >/dev/null 2>&1
    local i
    for i in $(seq 1 100); do
      lpstat -r 2>/dev/null | grep -qx "scheduler is running" && break
      sleep 0.1
    done
  fi
  if ! lpstat -v "$TOLVANE_TEST_PRINTER" >/dev/null 2>&1; then
    lpadmin -p "$TOLVANE_TEST_PRINTER" -v socket://127.0.0.1:9 -E >/dev/null 2>&1 ||
      echo "Could not add the printer $TOLVANE_TEST_PRINTER" >&2
  fi
}
