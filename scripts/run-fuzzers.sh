#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and AddressSanitizer in build-fuzz and runs each
# for FUZZ_SECONDS (default 20) from its seed corpus. Fails on the first crash or leak; prints how
# many inputs each target ran.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-20}
build=build-fuzz

cmake -S . -B "$build" -G Ninja -DVARLENTA_BUILD_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target fuzz_frame fuzz_table fuzz_record >/dev/null

status=0
for target in fuzz_frame fuzz_table fuzz_record; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    cp -n fuzz/seeds/"$target"/* "$corpus"/ 2>/dev/null || true
    log="$build/$target.log"
    if "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/$target-" "$corpus" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "$target: ${runs:-?} executions, no crash"
    else
        echo "$target: FAILED (see $log)"
        tail -n 40 "$log"
        status=1
    fi
done
exit $status
