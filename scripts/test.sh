#!/usr/bin/env bash
# Sets up and runs every test: installs the packages, builds, starts the
# servers the tests use (a private MariaDB, a private CUPS with a raw queue,
# an SMTP server, serial-port pairs, stand-ins for the payment service and
# the hotel system), installs the ESC/POS parser that checks the slips and
# the driver of the browser that looks at the kitchen screens, runs CTest
# against SQLite and MariaDB, and stops the servers
# again.
#
# scripts/test.sh --run CMD ARGS... starts the same servers around an already
# built $BUILD_DIR and runs CMD with their environment instead of CTest; it
# neither installs packages nor builds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
export BUILD_DIR=$build

run_command=
if [ "${1:-}" = "--run" ]; then
  shift
  [ $# -gt 0 ] || { echo "test.sh: --run needs a command" >&2; exit 2; }
  run_command=1
else
  "$top/scripts/deps.sh"
  "$top/scripts/build.sh"
fi

run=$build/test-servers
mkdir -p "$run"
pids=()
stop_servers() {
  for pid in "${pids[@]:-}"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]:-}"; do
    [ -n "$pid" ] && wait "$pid" 2>/dev/null || true
  done
}
trap stop_servers EXIT

. "$top/scripts/servers.sh"

start_mariadb "$run"
echo "MariaDB for the tests on 127.0.0.1:$BREVALON_TEST_MYSQL_PORT"

wait_for() { # tries a command for up to ten seconds
  for _ in $(seq 1 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

# --- CUPS: a private spooler whose raw queue writes to a file ---------------
# A raw queue cannot print to a file: device (no filter opens it), so the
# queue's device is a local socket served by socat, appending to a file.
start_cups() {
  command -v cupsd >/dev/null && command -v lpadmin >/dev/null && command -v socat >/dev/null || return 1
  local dir=$run/cups port
  rm -rf "$dir"
  mkdir -p "$dir/etc" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log"
  chmod -R a+rwx "$dir"  # the spooler's helpers run as the lp user
  port=$(free_port)
  printf '%s\n' "Listen 127.0.0.1:$port" "LogLevel warn" "Browsing No" "DefaultAuthType None" \
    "WebInterface No" "<Location />" "  Order allow,deny" "  Allow all" "</Location>" \
    "<Policy default>" "  <Limit All>" "    Order allow,deny" "    Allow all" "  </Limit>" "</Policy>" \
    >"$dir/etc/cupsd.conf"
  printf '%s\n' "ServerRoot $dir/etc" "RequestRoot $dir/spool" "TempDir $dir/spool/tmp" \
    "CacheDir $dir/cache" "StateDir $dir/state" "ErrorLog $dir/log/error_log" \
    "AccessLog $dir/log/access_log" "PageLog $dir/log/page_log" "ServerBin /usr/lib/cups" \
    "DataDir /usr/share/cups" >"$dir/etc/cups-files.conf"
  cupsd -f -s "$dir/etc/cups-files.conf" -c "$dir/etc/cupsd.conf" >"$dir/log/cupsd.out" 2>&1 &
  pids+=($!)
  wait_for lpstat -h "127.0.0.1:$port" -r || return 1
  raw_queue() { # name, output file
    local socket
    socket=$(free_port)
    : >"$2"
    socat -u "TCP-LISTEN:$socket,bind=127.0.0.1,reuseaddr,fork" "OPEN:$2,creat,append" &
    pids+=($!)
    CUPS_SERVER="127.0.0.1:$port" lpadmin -p "$1" -E -v "socket://127.0.0.1:$socket" -m raw \
      >>"$dir/log/lpadmin.out" 2>&1
  }
  raw_queue brevalon_slip "$dir/slip.out" || return 1
  # A restaurant's dockets go to printers of their own.
  raw_queue brevalon_kitchen "$dir/kitchen.out" || return 1
  raw_queue brevalon_label "$dir/label.out" || return 1
  # A queue the docket tests stop and start again.
  raw_queue brevalon_stopped "$dir/stopped.out" || return 1
  export CUPS_SERVER="127.0.0.1:$port"
  export BREVALON_TEST_PRINTER=brevalon_slip BREVALON_TEST_PRINTER_OUT="$dir/slip.out"
  export BREVALON_TEST_KITCHEN_PRINTER=brevalon_kitchen BREVALON_TEST_KITCHEN_PRINTER_OUT="$dir/kitchen.out"
  export BREVALON_TEST_LABEL_PRINTER=brevalon_label BREVALON_TEST_LABEL_PRINTER_OUT="$dir/label.out"
  export BREVALON_TEST_STOPPED_PRINTER=brevalon_stopped BREVALON_TEST_STOPPED_PRINTER_OUT="$dir/stopped.out"
  echo "CUPS for the tests on 127.0.0.1:$port, queues brevalon_slip, brevalon_kitchen, brevalon_label -> $dir"
}
start_cups || echo "CUPS could not be started: the spooler tests will skip"

# --- SMTP: Debian's aiosmtpd, keeping every message in a folder -------------
start_smtp() {
  [ -x /usr/bin/python3 ] && /usr/bin/python3 -c 'import aiosmtpd' 2>/dev/null || return 1
  local port maildir=$run/mail
  rm -rf "$maildir"
  mkdir -p "$maildir"
  port=$(free_port)
  PYTHONPATH="$top/scripts" /usr/bin/python3 -m aiosmtpd -n -l "127.0.0.1:$port" -c smtpsink.Sink "$maildir" \
    >"$run/smtp.log" 2>&1 &
  pids+=($!)
  wait_for /usr/bin/python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" || return 1
  export BREVALON_TEST_SMTP_PORT=$port BREVALON_TEST_MAILDIR=$maildir
  echo "SMTP for the tests on 127.0.0.1:$port, messages in $maildir"
}
start_smtp || echo "the SMTP server could not be started: the e-mail tests will skip"

# --- Serial ports: pseudo-terminal pairs standing for COM1 and COM2 ---------
start_serial() {
  command -v socat >/dev/null || return 1
  local n
  for n in 1 2; do
    rm -f "$run/com$n" "$run/com$n.peer"
    socat "pty,raw,echo=0,link=$run/com$n" "pty,raw,echo=0,link=$run/com$n.peer" >"$run/com$n.log" 2>&1 &
    pids+=($!)
    wait_for test -e "$run/com$n.peer" || return 1
  done
  export BREVALON_TEST_COM1="$run/com1" BREVALON_TEST_COM1_PEER="$run/com1.peer"
  export BREVALON_TEST_COM2="$run/com2" BREVALON_TEST_COM2_PEER="$run/com2.peer"
  echo "serial ports for the tests: $run/com1, $run/com2"
}
start_serial || echo "socat could not make serial ports: the device tests will skip"

# --- The payment service: HTTPS with a self-signed certificate -------------
# Its certificate is trusted only where a test names it, through
# BREVALON_SNAPSCAN_CA_FILE; the till trusts no other.
start_snapscan() {
  command -v openssl >/dev/null || return 1
  local dir=$run/snapscan port
  rm -rf "$dir"
  mkdir -p "$dir"
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=127.0.0.1" \
    -addext "subjectAltName=IP:127.0.0.1" -keyout "$dir/key.pem" -out "$dir/cert.pem" >"$dir/openssl.log" 2>&1 ||
    return 1
  port=$(free_port)
  python3 "$top/scripts/snapscanstub.py" "$port" "$dir/cert.pem" "$dir/key.pem" >"$dir/server.log" 2>&1 &
  pids+=($!)
  wait_for python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" || return 1
  export BREVALON_TEST_SNAPSCAN_HOST="127.0.0.1:$port" BREVALON_TEST_SNAPSCAN_CA="$dir/cert.pem"
  echo "payment service for the tests on https://127.0.0.1:$port"
}
start_snapscan || echo "the payment service stand-in could not be started: its tests will skip"

# --- The hotel system: a TCP link answering its lists and charges ----------
start_semper() {
  local dir=$run/semper port silent
  rm -rf "$dir"
  mkdir -p "$dir"
  port=$(free_port)
  silent=$(free_port)
  python3 "$top/scripts/semperstub.py" "$port" "$silent" "$dir/requests.log" >"$dir/server.log" 2>&1 &
  pids+=($!)
  wait_for python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1).close()" || return 1
  export BREVALON_TEST_SEMPER_PORT=$port BREVALON_TEST_SEMPER_SILENT_PORT=$silent
  export BREVALON_TEST_SEMPER_LOG="$dir/requests.log"
  echo "hotel system for the tests on 127.0.0.1:$port (silent on $silent)"
}
start_semper || echo "the hotel system stand-in could not be started: its tests will skip"

# --- npm: the ESC/POS parser that reads every slip the tests produce, and
# the driver of the browser that looks at the kitchen screens -------------
# Each is installed from its lock file into the build folder (never the
# source tree); the npm cache serves it when it has it. Nothing is fetched
# while the tests run; without a package its check skips and says why.
npm_install() { # source folder, target folder
  local src=$1 dir=$2
  mkdir -p "$dir"
  if ! command -v npm >/dev/null; then
    echo "npm is not installed" >"$dir/install.log"
    return 1
  fi
  cp "$src/package.json" "$src/package-lock.json" "$dir/"
  if ! (cd "$dir" && npm ci --prefer-offline --fetch-timeout=60000 --omit=optional --ignore-scripts --no-audit --no-fund) \
    >"$dir/install.log" 2>&1; then
    rm -rf "$dir/node_modules"
    return 1
  fi
}
if npm_install "$top/tests/documents/escpos" "$build/escpos"; then
  echo "npos for the ESC/POS check installed in $build/escpos"
else
  echo "npos could not be installed (see $build/escpos/install.log): the ESC/POS check will skip"
fi
if npm_install "$top/tests/kitchen/browser" "$build/kitchen-browser"; then
  echo "puppeteer-core for the kitchen screen tests installed in $build/kitchen-browser"
else
  echo "puppeteer-core could not be installed (see $build/kitchen-browser/install.log): the kitchen screen tests will skip"
fi

# The tests keep the slips they produce here for that check.
export BREVALON_SLIP_DIR=$run/slips
rm -rf "$BREVALON_SLIP_DIR"
mkdir -p "$BREVALON_SLIP_DIR"

if [ -n "$run_command" ]; then
  status=0
  "$@" || status=$?
  exit "$status"
fi

ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@"

# Once more under a German locale (decimal comma, point for thousands): the
# tests that parse, show and print amounts must not depend on the system's
# locale. SQLite only; the backend makes no difference to numbers.
de_tests='^(tst_money|tst_validators|tst_itementry|tst_salelines|tst_tendering|tst_keypads|tst_docrender|tst_docprint|tst_invoices)_sqlite$'
echo "the amount tests again under LANG=de_DE.UTF-8"
LANG=de_DE.UTF-8 LC_ALL= ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -R "$de_tests" "$@"
