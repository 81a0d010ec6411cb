#!/usr/bin/env bash
# Sets up and runs every test: installs the packages, builds, starts the
# servers the tests use (a private MariaDB on 127.0.0.1), runs CTest against
# SQLite and MariaDB, and stops the servers again.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
export BUILD_DIR=$build

"$top/scripts/deps.sh"
"$top/scripts/build.sh"

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

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1]); s.close()'
}

# --- MariaDB ---------------------------------------------------------------
datadir=$run/mariadb
if [ ! -d "$datadir/mysql" ]; then
  mkdir -p "$datadir"
  mariadb-install-db --datadir="$datadir" --user="$(id -un)" \
    --auth-root-authentication-method=normal >"$run/mariadb-install.log" 2>&1
fi
myport=$(free_port)
mariadbd --no-defaults --datadir="$datadir" --socket="$run/mariadb.sock" --port="$myport" \
  --bind-address=127.0.0.1 --user="$(id -un)" --pid-file="$run/mariadb.pid" \
  --innodb-flush-log-at-trx-commit=2 >"$run/mariadb.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do
  mariadb-admin --protocol=tcp -h127.0.0.1 -P"$myport" -uroot ping >/dev/null 2>&1 && break
  sleep 0.1
done
mariadb-admin --protocol=tcp -h127.0.0.1 -P"$myport" -uroot ping >/dev/null
export BREVALON_TEST_MYSQL_HOST=127.0.0.1 BREVALON_TEST_MYSQL_PORT=$myport
export BREVALON_TEST_MYSQL_USER=root BREVALON_TEST_MYSQL_PASSWORD=
echo "MariaDB for the tests on 127.0.0.1:$myport"

ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@"
