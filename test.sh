#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test through CTest, then runs each
# fuzzer briefly. Usage: ./test.sh [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build

# A throw-away PostgreSQL cluster for the server's PostgreSQL tests.
pg_env=$(./scripts/pg-cluster.sh start build/pg 2>/dev/null || true)
[ -n "$pg_env" ] && export $pg_env
trap './scripts/pg-cluster.sh stop build/pg >/dev/null 2>&1 || true' EXIT

(cd build && ctest --output-on-failure -j2 "$@")

[ -x scripts/run-fuzzers.sh ] && ./scripts/run-fuzzers.sh
exit 0
