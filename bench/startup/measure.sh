#!/usr/bin/env bash
# Start-up figure: median wall time from process start to the login dialog's first paint, against a
# minimal Qt Widgets program that shows one dialog, run alternately in the same loop.
# Usage: bench/startup/measure.sh [runs]   (builds $BUILD_DIR, default build-bench, with the benchmarks on)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-30}
build=${BUILD_DIR:-build-bench}
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARLENTA_BUILD_BENCH=ON >/dev/null
cmake -S . -B "$build" -DVARLENTA_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target startup_login_probe startup_minimal_dialog >/dev/null
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
probe=$build/bench/startup_login_probe
minimal=$build/bench/startup_minimal_dialog
time_once() { local s e; s=$(date +%s%N); "$1" >/dev/null 2>&1 || true; e=$(date +%s%N); echo $(((e - s) / 1000)); }
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : int((a[NR/2] + a[NR/2+1]) / 2)}'; }
"$probe" >/dev/null 2>&1 || true; "$minimal" >/dev/null 2>&1 || true  # warm the page cache
a=(); b=()
for _ in $(seq "$runs"); do a+=("$(time_once "$probe")"); b+=("$(time_once "$minimal")"); done
ma=$(printf '%s\n' "${a[@]}" | median); mb=$(printf '%s\n' "${b[@]}" | median)
printf 'login dialog      %8d us (median of %d)\n' "$ma" "$runs"
printf 'minimal dialog    %8d us (median of %d)\n' "$mb" "$runs"
awk -v a="$ma" -v b="$mb" 'BEGIN {printf "ratio             %8.2f x (target <= 1.5)\n", a / b}'
