# Shared by the test and benchmark commands: helpers that start the servers
# the tests use. Sourced; expects an array "pids" to collect what it starts.

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1]); s.close()'
}

# A private MariaDB on 127.0.0.1 with its data in $1/mariadb (created when
# absent); exports the BREVALON_TEST_MYSQL_* variables the tests read. The
# tests let the log reach the disk once a second; MARIADB_DURABLE=1 makes
# each commit wait for it, as a shop's server does (the benchmarks).
start_mariadb() {
  local run=$1 datadir=$1/mariadb myport
  if [ ! -d "$datadir/mysql" ]; then
    mkdir -p "$datadir"
    mariadb-install-db --datadir="$datadir" --user="$(id -un)" \
      --auth-root-authentication-method=normal >"$run/mariadb-install.log" 2>&1
  fi
  myport=$(free_port)
  mariadbd --no-defaults --datadir="$datadir" --socket="$run/mariadb.sock" --port="$myport" \
    --bind-address=127.0.0.1 --user="$(id -un)" --pid-file="$run/mariadb.pid" \
    --innodb-flush-log-at-trx-commit="$([ "${MARIADB_DURABLE:-0}" = 1 ] && echo 1 || echo 2)" \
    ${MARIADB_BUFFER_POOL:+--innodb-buffer-pool-size=$MARIADB_BUFFER_POOL} \
    >"$run/mariadb.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 1 100); do
    mariadb-admin --protocol=tcp -h127.0.0.1 -P"$myport" -uroot ping >/dev/null 2>&1 && break
    sleep 0.1
  done
  mariadb-admin --protocol=tcp -h127.0.0.1 -P"$myport" -uroot ping >/dev/null
  export BREVALON_TEST_MYSQL_HOST=127.0.0.1 BREVALON_TEST_MYSQL_PORT=$myport
  export BREVALON_TEST_MYSQL_USER=root BREVALON_TEST_MYSQL_PASSWORD=
}
