#!/usr/bin/env bash
# Starts or stops a throw-away PostgreSQL cluster in a folder, as an unprivileged user (PostgreSQL
# refuses to run as root). "start DIR" prints VARLENTA_TEST_PG_URL=... for the tests.
set -euo pipefail
cmd=${1:?start|stop}; dir=$(realpath -m "${2:?folder}")
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n1)
port=${VARLENTA_TEST_PG_PORT:-55432}
run_as() { if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }
case "$cmd" in
  start)
    "$0" stop "$dir" >/dev/null 2>&1 || true
    rm -rf "$dir"; mkdir -p "$dir"
    [ "$(id -u)" -eq 0 ] && chown postgres "$dir"
    run_as "$bin/initdb" -D "$dir/data" -U varlenta -A trust >/dev/null
    run_as "$bin/pg_ctl" -D "$dir/data" -l "$dir/log" -w \
      -o "-p $port -k $dir -c listen_addresses=127.0.0.1 -c fsync=off" start >/dev/null
    echo "VARLENTA_TEST_PG_URL=postgresql://varlenta@127.0.0.1:$port/postgres"
    ;;
  stop)
    [ -d "$dir/data" ] && run_as "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null || true
    ;;
esac
