#!/usr/bin/env bash
# Opens the Varlenta B2B client against a demo server on this machine.
#
# Installs what is missing, builds the client and the server into build/, starts varlenta-server
# on the demo database (created and filled on first use) unless a server already answers on the
# port, opens varlenta-b2b against it, and stops the server it started when the client ends.
#
#   ./run.sh [client options...]      e.g. ./run.sh --computer-id DEMO-1
#
# Environment: VARLENTA_PORT (default 9090), VARLENTA_DEMO_DB (default build/demo/varlenta.sqlite),
# VARLENTA_DEMO_ITEMS (stock items of a new demo database, default 50000), VARLENTA_BUILD_DIR
# (default build).
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

port=${VARLENTA_PORT:-9090}
build=${VARLENTA_BUILD_DIR:-build}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
database=${VARLENTA_DEMO_DB:-$build/demo/varlenta.sqlite}
items=${VARLENTA_DEMO_ITEMS:-50000}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display found (DISPLAY or WAYLAND_DISPLAY); the client needs a desktop." >&2
  exit 1
fi

./scripts/install-deps.sh

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target varlenta-server varlenta-b2b

answers() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }

server_pid=""
stop_server() {
  if [ -n "$server_pid" ] && kill -0 "$server_pid" 2>/dev/null; then
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
  fi
}
trap stop_server EXIT
trap 'exit 130' INT TERM

if answers; then
  echo "run.sh: a server already answers on port $port; using it."
else
  mkdir -p "$(dirname "$database")"
  [ -f "$database" ] || echo "run.sh: creating the demo database $database (first use, $items items)..."
  log=$(dirname "$database")/server.log
  "$build/src/server/varlenta-server" --listen "127.0.0.1:$port" --database "sqlite:$database" \
    --demo-data "$items" >"$log" 2>&1 &
  server_pid=$!
  for _ in $(seq 1 600); do
    grep -q "^listening on " "$log" 2>/dev/null && break
    if ! kill -0 "$server_pid" 2>/dev/null; then
      echo "run.sh: varlenta-server did not start:" >&2
      cat "$log" >&2
      exit 1
    fi
    sleep 0.5
  done
  grep -q "^listening on " "$log" || { echo "run.sh: varlenta-server did not answer in time" >&2; exit 1; }
  echo "run.sh: varlenta-server is running on 127.0.0.1:$port (log: $log)"
fi

status=0
"$build/src/client/varlenta-b2b" --server "127.0.0.1:$port" "$@" || status=$?
exit $status
