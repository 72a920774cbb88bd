#!/usr/bin/env bash
# A throwaway database server for the cloud storage tests: a fresh cluster in DIR, reachable only through
# the Unix socket in DIR, with trust for the role "tinctura". The server refuses to run as root, so under
# root it runs as the "postgres" user (or "nobody").
#   pg_server.sh start DIR   prints the shell lines that point the tests at it
#   pg_server.sh stop DIR    stops it and removes DIR
#   pg_server.sh pause DIR / resume DIR   stops and starts it again, keeping its data
set -euo pipefail
action=$1
dir=$(realpath -m "$2")
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bin" ] || { echo "pg_server.sh: no PostgreSQL server installed" >&2; exit 1; }

as_server() {
  if [ "$(id -u)" -eq 0 ]; then
    local user=postgres
    id "$user" >/dev/null 2>&1 || user=nobody
    runuser -u "$user" -- "$@"
  else
    "$@"
  fi
}

ctl() { as_server "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 "$@" >/dev/null; }

case "$action" in
  start)
    mkdir -p "$dir/socket"
    chmod 755 "$dir"
    [ "$(id -u)" -ne 0 ] || chown -R "$(id postgres >/dev/null 2>&1 && echo postgres || echo nobody)" "$dir"
    as_server "$bin/initdb" -D "$dir/data" -U tinctura --auth=trust -E UTF8 --locale=C.UTF-8 >/dev/null
    printf "listen_addresses = ''\nunix_socket_directories = '%s'\nfsync = off\n" "$dir/socket" |
      as_server tee -a "$dir/data/postgresql.conf" >/dev/null
    ctl start
    echo "export TINCTURA_TEST_PG='host=$dir/socket user=tinctura'"
    echo "export TINCTURA_TEST_PG_SCRIPT='$(realpath "$0")'"
    ;;
  pause) ctl -m immediate stop ;;
  resume) ctl start ;;
  stop)
    [ ! -d "$dir/data" ] || ctl -m immediate stop || true
    rm -rf "$dir"
    ;;
  *) echo "usage: pg_server.sh start|stop|pause|resume DIR" >&2; exit 2 ;;
esac
