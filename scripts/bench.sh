#!/usr/bin/env bash
# Runs the benchmarks on SQLite and on a private MariaDB and prints their
# medians. Builds first; the packages come from scripts/deps.sh.
# BENCH=name (e.g. BENCH=endofday) runs only bench_name; BACKENDS="sqlite"
# only the backends named; further arguments go to each benchmark.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
export BUILD_DIR=$build
"$top/scripts/deps.sh" >/dev/null
"$top/scripts/build.sh" >/dev/null

run=$build/bench-servers
mkdir -p "$run"
pids=()
trap 'for p in "${pids[@]:-}"; do kill "$p" 2>/dev/null || true; done; wait' EXIT
. "$top/scripts/servers.sh"
# Each commit on disk and a year's trade in memory, as on a shop's server
# set up as the README says.
MARIADB_DURABLE=1 MARIADB_BUFFER_POOL=1G start_mariadb "$run"

export QT_QPA_PLATFORM=offscreen BREVALON_SOURCE_DIR=$top BREVALON_BUILD_DIR=$build
for bench in "$build"/bench/bench_${BENCH:-*}; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  for backend in ${BACKENDS:-sqlite mariadb}; do
    echo "== $(basename "$bench") on $backend"
    BREVALON_TEST_BACKEND=$backend "$bench" "$@"
  done
done
