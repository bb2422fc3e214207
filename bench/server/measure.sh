#!/usr/bin/env bash
# Measures varlenta-server on this machine, all in one run, and prints a table of figures and
# ratios:
#   a. EchoString with one connection per call and 16 callers (varlenta-call --repeat) against
#      nginx serving a 13-byte file with "Connection: close" to wrk at the same concurrency;
#   b. StokAraGetirVarlenta of a three-letter text on the 50,000-item demo and on a big database,
#      50th percentile against EchoString's;
#   c. ten representatives sending orders while forty customers search (order_rush), every
#      order checked afterwards through the server's own methods.
#
# Builds the Release targets it needs in build-perf, and installs nginx and wrk from Debian when
# they are missing (for this measurement only). Every server and nginx it starts runs on a free
# port with its files in one temporary folder; both go away when the script ends.
#
# usage: bench/server/measure.sh [--build DIR] [--no-build] [--rounds N] [--seconds S] [--text T]
#                                [--big-items N[,N...]] [--big-timeout S] [--skip-big]
#   --no-build    use the programs already built in the build folder
#   --big-items   sizes of the big database, tried in turn until one is generated within
#                 --big-timeout seconds (default 1000000,250000 and 1800 s)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build-perf
rounds=3
seconds=5
text=fre
big_items=1000000,250000
big_timeout=1800
skip_big=0
no_build=0
callers=16

while [ $# -gt 0 ]; do
    case $1 in
        --build) build=$2; shift 2 ;;
        --no-build) no_build=1; shift ;;
        --rounds) rounds=$2; shift 2 ;;
        --seconds) seconds=$2; shift 2 ;;
        --text) text=$2; shift 2 ;;
        --big-items) big_items=$2; shift 2 ;;
        --big-timeout) big_timeout=$2; shift 2 ;;
        --skip-big) skip_big=1; shift ;;
        -h|--help) sed -n '2,23p' "$0"; exit 0 ;;
        *) echo "measure.sh: unknown option $1" >&2; exit 64 ;;
    esac
done

say() { printf '== %s\n' "$*" >&2; }

# --- tools -------------------------------------------------------------------------------------
if ! command -v nginx >/dev/null || ! command -v wrk >/dev/null || ! command -v python3 >/dev/null; then
    say "installing nginx, wrk and python3 from Debian (for this measurement only)"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        nginx wrk python3 >/dev/null
fi
nginx_bin=$(command -v nginx || echo /usr/sbin/nginx)

if [ "$no_build" -eq 0 ]; then
    say "building Release in $build"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DVARLENTA_BUILD_TESTS=OFF -DVARLENTA_BUILD_BENCH=ON >/dev/null
    cmake --build "$build" --target varlenta-server varlenta-call order_rush >/dev/null
fi
server_bin=$build/src/server/varlenta-server
call_bin=$build/src/tools/varlenta-call
rush_bin=$build/bench/order_rush

# --- temporary folder and the processes started here ------------------------------------------
work=$(mktemp -d "${TMPDIR:-/tmp}/varlenta-measure.XXXXXX")
chmod 755 "$work"  # nginx workers run as an unprivileged user and read the file from here
started=()

stop_process() {  # pid: SIGTERM, then SIGKILL after 15 s; forgets the pid
    local pid=$1 i rest=()
    for i in "${started[@]}"; do [ "$i" = "$pid" ] || rest+=("$i"); done
    started=("${rest[@]}")
    kill -TERM "$pid" 2>/dev/null || return 0
    for i in $(seq 150); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; return 0; }
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    local pid
    for pid in "${started[@]}"; do stop_process "$pid"; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

json_field() {  # json key
    python3 -c 'import json, sys; print(json.loads(sys.argv[1])[sys.argv[2]])' "$1" "$2"
}

# median of the numbers given
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

calc() { python3 -c "print(format($1, '.${2:-2}f'))"; }

# --- varlenta-server ---------------------------------------------------------------------------
server_pid=""
server_port=""
server_seconds=""

# start_server NAME ITEMS TIMEOUT: a server on a new SQLite database with ITEMS demo items.
# Sets server_pid, server_port and server_seconds (time until it listened, the demo data
# included); returns 1 when it did not listen within TIMEOUT seconds (the server is then stopped).
start_server() {
    local name=$1 items=$2 timeout=$3 start waited=$SECONDS
    mkdir -p "$work/$name"
    start=$(date +%s.%N)
    "$server_bin" --listen 127.0.0.1:0 --database "sqlite:$work/$name/varlenta.sqlite" \
        --demo-data "$items" >"$work/$name/server.out" 2>"$work/$name/server.err" &
    server_pid=$!
    started+=("$server_pid")
    while ! grep -qs '^listening on ' "$work/$name/server.out"; do
        if ! kill -0 "$server_pid" 2>/dev/null; then
            cat "$work/$name/server.err" >&2
            echo "measure.sh: varlenta-server ($name) ended before listening" >&2
            exit 1
        fi
        if [ $((SECONDS - waited)) -gt "$timeout" ]; then
            stop_process "$server_pid"
            return 1
        fi
        sleep 0.2
    done
    server_seconds=$(calc "$(date +%s.%N) - $start" 1)
    server_port=$(sed -n 's/^listening on .*:\([0-9]*\)$/\1/p' "$work/$name/server.out")
}

admin() { "$server_bin" admin --database "sqlite:$work/$1/varlenta.sqlite" "${@:2}" >/dev/null; }

# call_repeat N C METHOD ARGS...: varlenta-call --repeat; prints its JSON figures
call_repeat() {
    local n=$1 c=$2
    shift 2
    "$call_bin" --host 127.0.0.1 --port "$server_port" --computer-id DEMO-3 \
        --repeat "$n" --concurrency "$c" "$@"
}

# calls that take about `seconds` at this rate
calls_for() { calc "max(200, $1 * $seconds)" 0; }

# --- nginx -------------------------------------------------------------------------------------
nginx_port=$(free_port)
mkdir -p "$work/nginx/www" "$work/nginx/temp"
printf 'Hello, world!' >"$work/nginx/www/hello.txt"  # 13 bytes
chmod -R a+rX "$work/nginx"
worker_user=""
[ "$(id -u)" -eq 0 ] && worker_user="user nobody nogroup;"
cat >"$work/nginx/nginx.conf" <<EOF
$worker_user
worker_processes auto;
daemon off;
pid $work/nginx/nginx.pid;
error_log $work/nginx/error.log warn;
events { worker_connections 1024; }
http {
    access_log off;
    client_body_temp_path $work/nginx/temp/body;
    proxy_temp_path $work/nginx/temp/proxy;
    fastcgi_temp_path $work/nginx/temp/fastcgi;
    uwsgi_temp_path $work/nginx/temp/uwsgi;
    scgi_temp_path $work/nginx/temp/scgi;
    default_type text/plain;
    server {
        listen 127.0.0.1:$nginx_port;
        root $work/nginx/www;
    }
}
EOF
"$nginx_bin" -p "$work/nginx" -e "$work/nginx/error.log" -c "$work/nginx/nginx.conf" &
started+=($!)
for i in $(seq 50); do
    python3 -c "import socket; socket.create_connection(('127.0.0.1', $nginx_port), 1)" 2>/dev/null && break
    sleep 0.1
done
served=$(python3 -c "import urllib.request as u; print(u.urlopen('http://127.0.0.1:$nginx_port/hello.txt').read().decode(), end='')" || true)
if [ "$served" != "Hello, world!" ]; then
    cat "$work/nginx/error.log" >&2
    echo "measure.sh: nginx does not serve the file" >&2
    exit 1
fi

wrk_rate() {  # requests per second of one wrk run; fails on socket errors or bad answers
    local out
    out=$(wrk -t2 -c"$callers" -d"${seconds}s" -H "Connection: close" \
        "http://127.0.0.1:$nginx_port/hello.txt")
    if grep -qE 'Non-2xx|Socket errors' <<<"$out"; then
        echo "$out" >&2
        echo "measure.sh: wrk saw errors" >&2
    fi
    awk '/^Requests\/sec:/ { print $2 }' <<<"$out"
}

# --- a. EchoString against nginx ----------------------------------------------------------------
say "starting varlenta-server with the 50,000-item demo"
start_server demo 50000 1800
demo_seconds=$server_seconds

say "a. EchoString ($callers callers, a connection per call) against nginx + wrk, $rounds rounds"
warm=$(call_repeat 2000 "$callers" EchoString '"hello"')
echo_calls=$(calls_for "$(json_field "$warm" calls_per_second)")
nginx_rates=() echo_rates=() echo_p50s=() echo_p99s=()
for r in $(seq "$rounds"); do
    nginx_rates+=("$(wrk_rate)")
    figures=$(call_repeat "$echo_calls" "$callers" EchoString '"hello"')
    echo_rates+=("$(json_field "$figures" calls_per_second)")
    echo_p50s+=("$(json_field "$figures" p50_ms)")
    echo_p99s+=("$(json_field "$figures" p99_ms)")
    say "   round $r: nginx ${nginx_rates[-1]} req/s, EchoString ${echo_rates[-1]} calls/s"
done
nginx_rate=$(median "${nginx_rates[@]}")
echo_rate=$(median "${echo_rates[@]}")
echo_p50=$(median "${echo_p50s[@]}")
echo_p99=$(median "${echo_p99s[@]}")

# --- b. the search on the demo -----------------------------------------------------------------
# search_figures LABEL: p50 of the search with 1 and with 16 callers, and of EchoString with 1
# caller, each the median of the rounds; sets s1_p50 s16_p50 e1_p50 s_rows
search_figures() {
    local r f s1=() s16=() e1=()
    s_rows=$("$call_bin" --host 127.0.0.1 --port "$server_port" --computer-id DEMO-3 \
        StokAraGetirVarlenta "\"$text\"" @login |
        python3 -c 'import json, sys; print(len(json.load(sys.stdin)["result"]["rows"]))')
    call_repeat 100 4 StokAraGetirVarlenta "\"$text\"" @login >/dev/null  # warm the cache
    for r in $(seq "$rounds"); do
        f=$(call_repeat 1000 1 EchoString '"hello"')
        e1+=("$(json_field "$f" p50_ms)")
        f=$(call_repeat 300 1 StokAraGetirVarlenta "\"$text\"" @login)
        s1+=("$(json_field "$f" p50_ms)")
        f=$(call_repeat 600 "$callers" StokAraGetirVarlenta "\"$text\"" @login)
        s16+=("$(json_field "$f" p50_ms)")
        say "   round $r: search p50 ${s1[-1]} ms (1 caller), ${s16[-1]} ms ($callers callers); EchoString p50 ${e1[-1]} ms (1 caller)"
    done
    s1_p50=$(median "${s1[@]}")
    s16_p50=$(median "${s16[@]}")
    e1_p50=$(median "${e1[@]}")
}

say "b. StokAraGetirVarlenta \"$text\" on the 50,000-item demo"
search_figures
demo_rows=$s_rows demo_s1=$s1_p50 demo_s16=$s16_p50 demo_e1=$e1_p50

# --- c. orders while customers search ---------------------------------------------------------
say "c. 10 representatives send orders while 40 customers search"
reps=() customers=()
for i in $(seq 10); do
    admin demo user-add "PERFREP$i" "PERFREP$i" 1 --rep 1
    admin demo bind "PERF-REP-$i" "PERFREP$i"
    reps+=("PERF-REP-$i")
done
for a in $(seq 11 50); do customers+=("$(printf 'PC-%04d' "$a")"); done
set +e
rush_out=$("$rush_bin" --host 127.0.0.1 --port "$server_port" \
    --representatives "$(IFS=,; echo "${reps[*]}")" --customers "$(IFS=,; echo "${customers[*]}")" \
    --first-account 101 --accounts-each 3 --orders-each 20 --stock-items 50000)
rush_status=$?
set -e
grep -v '^RESULT' <<<"$rush_out" | sed 's/^/   /' >&2
rush=$(grep '^RESULT' <<<"$rush_out" || echo "RESULT ok=0")
rush_value() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<"$rush"; }
stop_process "$server_pid"

# --- b. the search on the big database -----------------------------------------------------------
big_done="" big_note=""
if [ "$skip_big" -eq 0 ]; then
    for items in ${big_items//,/ }; do
        say "b. generating a $items-item database (at most $big_timeout s)"
        if start_server "big$items" "$items" "$big_timeout"; then
            big_done=$items
            big_seconds=$server_seconds
            say "   generated and listening after $big_seconds s"
            search_figures
            big_rows=$s_rows big_s1=$s1_p50 big_s16=$s16_p50 big_e1=$e1_p50
            stop_process "$server_pid"
            break
        fi
        big_note="$big_note; $items items: not ready within $big_timeout s"
        rm -rf "$work/big$items"
    done
fi

# --- the table ---------------------------------------------------------------------------------
verdict() { python3 -c "print('met' if $1 else 'MISSED')"; }
row() { printf '%-62s %16s %22s %8s %7s\n' "$@"; }

echo
row "figure" "value" "target" "ratio" "verdict"
row "nginx, 13-byte file, wrk -c$callers, Connection: close" "$nginx_rate req/s" "" "" ""
r=$(calc "$echo_rate / $nginx_rate")
row "EchoString, connection per call, $callers callers" "$echo_rate calls/s" ">= 0.5 x nginx" "$r" "$(verdict "$r >= 0.5")"
row "EchoString p50 / p99, $callers callers" "$echo_p50 / $echo_p99 ms" "" "" ""
row "EchoString p50, 1 caller" "$demo_e1 ms" "" "" ""
r=$(calc "$demo_s1 / $demo_e1" 1)
row "StokAraGetirVarlenta \"$text\" ($demo_rows rows), 50,000 items, 1 caller" "p50 $demo_s1 ms" "< 3 x EchoString p50" "$r" "$(verdict "$r < 3")"
r=$(calc "$demo_s16 / $echo_p50" 1)
row "  the same, $callers callers (against EchoString, $callers callers)" "p50 $demo_s16 ms" "< 3 x EchoString p50" "$r" "$(verdict "$r < 3")"
r=$(calc "$demo_s1 / $echo_p50" 1)
row "  1 caller against EchoString with $callers callers" "p50 $demo_s1 ms" "< 3 x EchoString p50" "$r" "$(verdict "$r < 3")"
if [ -n "$big_done" ]; then
    r=$(calc "$big_s1 / $big_e1" 1)
    row "StokAraGetirVarlenta \"$text\" ($big_rows rows), $big_done items, 1 caller" "p50 $big_s1 ms" "< 10 x EchoString p50" "$r" "$(verdict "$r < 10")"
    r=$(calc "$big_s16 / $echo_p50" 1)
    row "  the same, $callers callers (against EchoString, $callers callers)" "p50 $big_s16 ms" "< 10 x EchoString p50" "$r" "$(verdict "$r < 10")"
    r=$(calc "$big_s1 / $echo_p50" 1)
    row "  1 caller against EchoString with $callers callers" "p50 $big_s1 ms" "< 10 x EchoString p50" "$r" "$(verdict "$r < 10")"
    row "  EchoString p50 on that server, 1 caller" "$big_e1 ms" "" "" ""
fi
row "demo data: 50,000 items generated and listening after" "$demo_seconds s" "" "" ""
[ -n "$big_done" ] && row "big database: $big_done items generated and listening after" "$big_seconds s" "" "" ""
[ -n "$big_note" ] && echo "big database:${big_note#;}"
[ "$skip_big" -eq 1 ] && echo "big database: skipped (--skip-big)"
row "orders: 10 representatives x 20 orders, 40 customers searching" \
    "$(rush_value orders_found)/$(rush_value orders_wanted) found" "no error, none lost" "" \
    "$([ "$rush_status" -eq 0 ] && echo met || echo MISSED)"
row "  errors / lost / duplicated / wrong lines / bad totals" \
    "$(rush_value errors)/$(rush_value lost)/$(rush_value duplicated)/$(rush_value wrong_lines)/$(rush_value bad_totals)" "all 0" "" ""
row "  SiparisKaydet p50 / p99 under that load" "$(rush_value order_p50_ms) / $(rush_value order_p99_ms) ms" "" "" ""
row "  StokAraGetirVarlenta p50 / p99 under that load" "$(rush_value search_p50_ms) / $(rush_value search_p99_ms) ms" "" "" ""
echo
echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at the end; medians of $rounds rounds"
