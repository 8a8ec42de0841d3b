#!/usr/bin/env bash
# A throwaway PostgreSQL server for the connection tests:
#   127.0.0.1:54329, database testdb owned by tester (password testpw),
#   password (scram-sha-256) authentication, data under build/postgres.
#
#   scripts/postgres.sh start   initialise on first use, start, create the role
#                               and the database; nothing to do when running
#   scripts/postgres.sh stop    stop the server if it runs
#   scripts/postgres.sh status  exit 0 when the server runs
#
# As root the server runs as the postgres user (runuser); any other user runs
# it directly. RK_BUILD_ROOT overrides the build directory (default: build/
# of the repository), RK_PG_ROOT the server's directory (default:
# build/postgres), RK_PG_PORT the port.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_root=${RK_BUILD_ROOT:-$here/../build}
mkdir -p "$build_root"
pg_root=${RK_PG_ROOT:-"$(cd "$build_root" && pwd)/postgres"}
pg_data="$pg_root/data"
pg_port=${RK_PG_PORT:-54329}
superpw=superpw

pg_bin() {
  local dir
  dir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
  [ -n "$dir" ] || { echo "postgres.sh: no PostgreSQL server installed (package postgresql)" >&2; exit 1; }
  echo "$dir"
}

# Runs a server program as the owner of the data directory.
as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

running() {
  [ -f "$pg_data/PG_VERSION" ] && as_owner "$(pg_bin)/pg_ctl" -D "$pg_data" status >/dev/null 2>&1
}

superuser_psql() {
  PGPASSWORD=$superpw psql -qAtX -h 127.0.0.1 -p "$pg_port" -U postgres -d postgres -v ON_ERROR_STOP=1 "$@"
}

initialise() {
  local bin
  bin=$(pg_bin)
  rm -rf "$pg_root"
  mkdir -p "$pg_root"
  if [ "$(id -u)" -eq 0 ]; then
    chown postgres: "$pg_root"
  fi
  as_owner bash -c "umask 077; echo '$superpw' > '$pg_root/pw'"
  as_owner "$bin/initdb" -D "$pg_data" -U postgres --pwfile="$pg_root/pw" --auth=scram-sha-256 \
    --no-sync -E UTF8 --locale=C.UTF-8 >"$pg_root/initdb.log" 2>&1 ||
    { cat "$pg_root/initdb.log" >&2; exit 1; }
}

start() {
  if running; then
    return 0
  fi
  [ -f "$pg_data/PG_VERSION" ] || initialise
  # TCP only: no Unix socket, whose path length would depend on the checkout.
  # The server must not inherit the lock (fd 9), or it would hold it for life.
  as_owner "$(pg_bin)/pg_ctl" -D "$pg_data" -l "$pg_root/log" -w -t 30 \
    -o "-c listen_addresses=127.0.0.1 -p $pg_port -c unix_socket_directories='' -c fsync=off" start >/dev/null 9>&- ||
    { cat "$pg_root/log" >&2; exit 1; }
  if [ "$(superuser_psql -c "SELECT 1 FROM pg_roles WHERE rolname = 'tester'")" != 1 ]; then
    superuser_psql -c "CREATE ROLE tester LOGIN PASSWORD 'testpw'"
  fi
  if [ "$(superuser_psql -c "SELECT 1 FROM pg_database WHERE datname = 'testdb'")" != 1 ]; then
    superuser_psql -c "CREATE DATABASE testdb OWNER tester"
  fi
}

stop() {
  if running; then
    as_owner "$(pg_bin)/pg_ctl" -D "$pg_data" -m fast -w stop >/dev/null
  fi
}

# One start or stop at a time: test runs of several build flavours share the server.
mkdir -p "$(dirname "$pg_root")"
exec 9>"$pg_root.lock"
flock 9

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  status) running ;;
  *) echo "usage: $0 start|stop|status" >&2; exit 2 ;;
esac
