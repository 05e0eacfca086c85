# Sourced by the test script: a print spooler for the printing tests.
#
# As root, tolvane_cups_start runs a cupsd of its own (configuration,
# spool, logs and socket in a temporary folder; the system's cupsd only
# when a private one cannot start) and makes raw
# queues that forward each job to a TCP port on this machine, where the
# printing tests listen. It exports for the tests:
#   TOLVANE_PRINTER     the queue whose jobs reach the port
#   TOLVANE_PRINT_PORT  that port
#   CUPS_SERVER         the private cupsd's socket (Wine's CUPS client reads it)
# A second queue, TolvaneSpare, forwards to a port nobody listens on, so that
# a print dialog test has a printer to pick against.
# When CUPS cannot be had it exports none of these and says why; the printing
# tests then skip (under CI=true as root the run fails instead).
# tolvane_cups_stop undoes everything tolvane_cups_start did.

TOLVANE_CUPS_QUEUE=TolvaneTest
TOLVANE_CUPS_SPARE=TolvaneSpare

# The spooler and the CUPS client library of each Wine loader this machine
# can start (the 64-bit loader loads libcups2, the 32-bit one libcups2:i386).
# The test script installs them with the rest when it runs as root.
tolvane_cups_packages() {
  local packages="cups cups-bsd libcups2"
  if tolvane_can_run_32bit; then packages="$packages libcups2:i386"; fi
  echo $packages
}

# Under CI as root the spooler can always be had: there a missing one
# fails the run, so that the printing tests never go untested unnoticed.
tolvane_cups_skip() {
  if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
    echo "The printing tests cannot run: $* (under CI=true as root they must)" >&2
    exit 1
  fi
  echo "Printing tests will be skipped: $*" >&2
}

# A TCP port that nothing on this machine uses now.
tolvane_free_port() {
  local used="" hex port
  for hex in $(awk 'FNR > 1 { split($2, a, ":"); print a[2] }' /proc/net/tcp /proc/net/tcp6 2>/dev/null); do
    used="$used $((16#$hex))"
  done
  for port in $(shuf -i 20000-60999 -n 100); do
    case " $used " in
    *" $port "*) ;;
    *) echo "$port"; return 0 ;;
    esac
  done
  return 1
}

# Waits until the scheduler answers, 10 s at most; fails at once when the
# cupsd started here has ended.
tolvane_cups_wait() {
  local i
  for i in $(seq 1 100); do
    if lpstat -r 2>/dev/null | grep -qx "scheduler is running"; then return 0; fi
    if [ -n "${TOLVANE_CUPSD_PID:-}" ] && ! kill -0 "$TOLVANE_CUPSD_PID" 2>/dev/null; then return 1; fi
    sleep 0.1
  done
  return 1
}

tolvane_cups_private() {
  local d
  d=$(mktemp -d /tmp/tolvane-cups.XXXXXX) || return 1
  TOLVANE_CUPS_DIR=$d
  # The backends run as the lp user and read the spool through this folder.
  chmod 755 "$d"
  mkdir -p "$d/etc" "$d/spool" "$d/tmp" "$d/cache" "$d/state" "$d/log"
  cat >"$d/etc/cups-files.conf" <<EOF
ServerRoot $d/etc
RequestRoot $d/spool
TempDir $d/tmp
CacheDir $d/cache
StateDir $d/state
AccessLog $d/log/access_log
ErrorLog $d/log/error_log
PageLog $d/log/page_log
Printcap $d/printcap
SystemGroup root
FileDevice No
EOF
  cat >"$d/etc/cupsd.conf" <<EOF
Listen $d/cups.sock
LogLevel warn
Browsing Off
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  export CUPS_SERVER="$d/cups.sock"
  cupsd -f -c "$d/etc/cupsd.conf" -s "$d/etc/cups-files.conf" >"$d/log/cupsd.out" 2>&1 &
  TOLVANE_CUPSD_PID=$!
  tolvane_cups_wait && return 0
  echo "A private cupsd did not start:" >&2
  cat "$d/log/cupsd.out" "$d/log/error_log" 2>/dev/null | tail -n 5 >&2
  tolvane_cups_stop
  return 1
}

# The system's scheduler: the one already running, or one started here.
tolvane_cups_system() {
  unset CUPS_SERVER
  TOLVANE_CUPS_SYSTEM=1
  if lpstat -r 2>/dev/null | grep -qx "scheduler is running"; then return 0; fi
  cupsd -f >/dev/null 2>&1 &
  TOLVANE_CUPSD_PID=$!
  tolvane_cups_wait && return 0
  tolvane_cups_stop
  return 1
}

tolvane_cups_start() {
  if [ "$(id -u)" -ne 0 ]; then
    tolvane_cups_skip "not running as root, so no CUPS daemon can be started here"
    return 0
  fi
  local missing
  missing=$(tolvane_missing_packages $(tolvane_cups_packages))
  if [ -n "$missing" ]; then
    tolvane_cups_skip "CUPS is not installed ($missing)"
    return 0
  fi
  local port spare
  if ! port=$(tolvane_free_port) || ! spare=$(tolvane_free_port) || [ "$port" = "$spare" ]; then
    tolvane_cups_skip "no free TCP port for the test queue"
    return 0
  fi
  if ! tolvane_cups_private && ! tolvane_cups_system; then
    tolvane_cups_skip "cupsd did not start"
    return 0
  fi
  if ! lpadmin -p "$TOLVANE_CUPS_QUEUE" -v "socket://127.0.0.1:$port" -E 2>/dev/null ||
    ! lpadmin -p "$TOLVANE_CUPS_SPARE" -v "socket://127.0.0.1:$spare" -E 2>/dev/null; then
    tolvane_cups_stop
    tolvane_cups_skip "the test queues could not be made with lpadmin"
    return 0
  fi
  export TOLVANE_PRINTER=$TOLVANE_CUPS_QUEUE
  export TOLVANE_PRINT_PORT=$port
}

tolvane_cups_stop() {
  if [ -n "${TOLVANE_CUPS_SYSTEM:-}" ]; then
    # The system's spooler outlives this run: take back the queues made here.
    lpadmin -x "$TOLVANE_CUPS_QUEUE" >/dev/null 2>&1 || true
    lpadmin -x "$TOLVANE_CUPS_SPARE" >/dev/null 2>&1 || true
    unset TOLVANE_CUPS_SYSTEM
  fi
  if [ -n "${TOLVANE_CUPSD_PID:-}" ]; then
    kill "$TOLVANE_CUPSD_PID" 2>/dev/null || true
    local i
    for i in $(seq 1 50); do
      kill -0 "$TOLVANE_CUPSD_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$TOLVANE_CUPSD_PID" 2>/dev/null || true
    wait "$TOLVANE_CUPSD_PID" 2>/dev/null || true
    unset TOLVANE_CUPSD_PID
  fi
  if [ -n "${TOLVANE_CUPS_DIR:-}" ]; then
    rm -rf "$TOLVANE_CUPS_DIR"
    unset TOLVANE_CUPS_DIR
  fi
  unset TOLVANE_PRINTER TOLVANE_PRINT_PORT
}
